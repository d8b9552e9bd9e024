// SPDX-License-Identifier: MIT
#include "adapters/sitetable.h"
#include "cli/clibrowser.h"
#include "cli/commands/commandlist.h"
#include "cli/commands/listrequest.h"
#include "cli/context.h"
#include "cli/exitcode.h"
#include "cli/jobio.h"
#include "cli/netsetup.h"
#include "cli/output.h"
#include "core/albumrow.h"
#include "core/seams/browserbridge.h"
#include "core/seams/keystate.h"
#include "core/seams/shell.h"
#include "jobs/listjob.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <array>

namespace phodex::cli {
namespace {

void printRows(const std::vector<AlbumInfo>& albums) {
    for (const AlbumInfo& album : albums) {
        const AlbumRowTexts row = AlbumRowTextsFor(album, album.listIndex + 1);
        printLine(
            QStringList{row.number, row.name, ShownAlbumText(row.count), ShownAlbumText(row.remark)}
                .join(u'\t'));
    }
}

void printJson(const std::vector<AlbumInfo>& albums) {
    QJsonArray array;
    for (const AlbumInfo& album : albums)
        array.append(AlbumJson(album));
    printLine(QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Compact)));
}

int runList(CliContext& context) {
    QString error;
    if (!setUpNetwork(context, error)) {
        printError(error);
        return kExitUsage;
    }
    Session session;
    session.workDir = context.workDir;
    session.setSettings(context.settings);
    session.ready = true;
    const SiteTable sites = MakeSiteTable();
    CliJobObserver observer(context.options.has(QStringLiteral("quiet")));
    CliUserPrompt prompt(context.options);
    const std::unique_ptr<BrowserBridge> browser = MakeCliBrowserOnFirstUse(context);
    FixedKeyState keys;
    RecordingShell shell;
    const JobEnv env{session, sites, observer, prompt, *browser, keys, shell};
    ListJob job(env);
    StopOnInterrupt interrupt(session);
    job.run(ListRequestFor(context));
    const std::vector<AlbumInfo> albums = session.albums.snapshot();
    if (context.options.has(QStringLiteral("json")))
        printJson(albums);
    else
        printRows(albums);
    if (StopOnInterrupt::interrupted())
        return kExitPartly;
    return albums.empty() ? kExitNothing : kExitOk;
}

constexpr std::array kListOptions = {
    OptionSpec{"json", nullptr, false,
               "one JSON array of objects with index, name, count, remark, key and cover"},
};

} // namespace

const Command kListCommand = {
    "list",
    "ADDRESS",
    "lists the albums at ADDRESS as the album grid shows them (number, name, count, remark)",
    1,
    1,
    kListOptions,
    runList};

} // namespace phodex::cli
