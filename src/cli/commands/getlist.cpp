// SPDX-License-Identifier: MIT
#include "cli/commands/commandlist.h"
#include "cli/commands/downloadoptions.h"
#include "cli/context.h"
#include "cli/exitcode.h"
#include "cli/jobio.h"
#include "cli/netsetup.h"
#include "cli/output.h"
#include "core/session.h"
#include "download/manager.h"
#include "jobs/downloadjoblist.h"
#include "settings/makefolder.h"

#include <QDir>
#include <QFile>

namespace phodex::cli {
namespace {

bool MakeSaveFolder(const QString& folder, QString& error) {
    QString cause;
    const QString failed = MakeFolderPath(folder, &cause);
    if (!failed.isEmpty())
        error = QStringLiteral("cannot make the folder %1: %2").arg(failed, cause);
    return failed.isEmpty();
}

bool ReadList(const QString& path, QStringList& addresses, QString& error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
        return false;
    }
    addresses = ReadAddressList(file.readAll());
    return true;
}

int ExitFor(const DownloadOutcome& outcome) {
    if (outcome.stopped || StopOnInterrupt::interrupted())
        return kExitPartly;
    if (outcome.saved == 0)
        return kExitNothing;
    return outcome.saved < outcome.total ? kExitPartly : kExitOk;
}

int RunGetList(CliContext& context) {
    QString error;
    QStringList addresses;
    QString folder;
    DownloadParams params;
    if (!ReadList(context.args.first(), addresses, error) ||
        !SaveFolderFor(context, folder, error) || !MakeSaveFolder(folder, error) ||
        !DownloadParamsFor(context, params, error) || !setUpNetwork(context, error)) {
        printError(error);
        return kExitUsage;
    }
    if (addresses.isEmpty()) {
        printError(QStringLiteral("%1 holds no address").arg(context.args.first()));
        return kExitNothing;
    }
    const CDownList list = MakeAddressDownload(addresses, folder);
    Session session;
    session.workDir = context.workDir;
    // Ctrl-C stops a running download.
    session.downState = kDownRunning;
    const std::unique_ptr<CliJobObserver> observer = MakeDownloadObserver(context.options);
    StopOnInterrupt interrupt(session);
    const DownloadOutcome outcome = DownloadManager(list, params, session, *observer);
    session.downState = kDownIdle;
    if (!outcome.writeFailure.isEmpty())
        printError(QStringLiteral("cannot save pictures in %1").arg(outcome.writeFailure));
    if (outcome.saved < outcome.total)
        printError(QStringLiteral("%1 of %2 pictures were not downloaded")
                       .arg(outcome.total - outcome.saved)
                       .arg(outcome.total));
    observer->finished({.saved = outcome.saved,
                        .skipped = outcome.total - outcome.done,
                        .failed = outcome.done - outcome.saved,
                        .folder = QDir(folder).absolutePath()});
    return ExitFor(outcome);
}

} // namespace

const Command kGetListCommand = {
    "get-list",
    "FILE",
    "downloads every address of FILE (one a line, as the list-only option writes it) into --save",
    1,
    1,
    kSaveThreadsOptions,
    RunGetList};

} // namespace phodex::cli
