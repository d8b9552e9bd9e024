// SPDX-License-Identifier: MIT
#include "adapters/sitetable.h"
#include "cli/clibrowser.h"
#include "cli/commands/commandlist.h"
#include "cli/commands/downloadoptions.h"
#include "cli/commands/listrequest.h"
#include "cli/context.h"
#include "cli/exitcode.h"
#include "cli/jobio.h"
#include "cli/netsetup.h"
#include "cli/output.h"
#include "core/seams/browserbridge.h"
#include "core/seams/keystate.h"
#include "core/seams/shell.h"
#include "jobs/downloadjob.h"

#include <QDir>

#include <array>

namespace phodex::cli {
namespace {

int ExitFor(const DownloadJobResult& result) {
    if (!result.started)
        return kExitUsage;
    if (result.stopped || StopOnInterrupt::interrupted())
        return kExitPartly;
    if (result.pictures == 0)
        return kExitNothing;
    return result.failed > 0 ? kExitPartly : kExitOk;
}

DownloadSummary SummaryOf(const DownloadJobResult& result, const QString& folder) {
    return {.albums = result.albums,
            .saved = result.saved,
            .skipped = result.pictures - result.saved - result.failed,
            .failed = result.failed,
            .folder = QDir(folder).absolutePath()};
}

// The command line's session: the settings of the work folder, with --threads
// applied to the category for this run only.
void PrepareSession(Session& session, const CliContext& context, const DownloadParams& params,
                    Category listType) {
    session.workDir = context.workDir;
    SettingsRecord settings = context.settings;
    if (hasSettingsEntry(listType))
        settings.downloadFor(listType) = params;
    session.setSettings(settings);
    session.setAddressText(context.args.first());
    session.ready = true;
}

int RunDownload(CliContext& context) {
    QString error;
    QString folder;
    DownloadParams params;
    const ListJobRequest request = ListRequestFor(context);
    CliContext forCategory = context;
    forCategory.site = request.listType;
    if (!SaveFolderFor(context, folder, error) || !DownloadParamsFor(forCategory, params, error) ||
        !setUpNetwork(context, error)) {
        printError(error);
        return kExitUsage;
    }
    Session session;
    PrepareSession(session, context, params, request.listType);
    const SiteTable sites = MakeSiteTable();
    const std::unique_ptr<CliJobObserver> observer = MakeDownloadObserver(context.options);
    CliUserPrompt prompt(context.options);
    const std::unique_ptr<BrowserBridge> browser = MakeCliBrowserOnFirstUse(context);
    FixedKeyState keys;
    RecordingShell shell; // a terminal has no file browser to open
    const JobEnv env{session, sites, *observer, prompt, *browser, keys, shell};
    StopOnInterrupt interrupt(session);
    ListJob lister(env);
    lister.run(request);
    const int count = session.albums.count();
    if (StopOnInterrupt::interrupted())
        return kExitPartly;
    if (count == 0)
        return kExitNothing;
    std::vector<int> albums;
    if (!AlbumIndicesFor(context.options.value(QStringLiteral("albums"), QStringLiteral("all")),
                         count, albums, error)) {
        printError(error);
        return kExitUsage;
    }
    DownloadJob downloader(env);
    const std::optional<DownloadJobResult> result = downloader.run({folder, albums});
    if (!result)
        return kExitUsage;
    if (result->started)
        observer->finished(SummaryOf(*result, folder));
    return ExitFor(*result);
}

constexpr std::array kDownloadOptions = {
    OptionSpec{"albums", "LIST", false,
               "the albums to download: all (the default) or numbers and ranges such as 1,3-5"},
    kSaveThreadsOptions[0],
    kSaveThreadsOptions[1],
};

} // namespace

const Command kDownloadCommand = {
    "download",
    "ADDRESS",
    "lists the albums at ADDRESS, then downloads the chosen ones into --save",
    1,
    1,
    kDownloadOptions,
    RunDownload};

} // namespace phodex::cli
