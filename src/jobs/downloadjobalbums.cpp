// SPDX-License-Identifier: MIT
#include "core/seams/jobobserver.h"
#include "core/seams/userprompt.h"
#include "download/manager.h"
#include "download/postprocess.h"
#include "jobs/addpicture.h"
#include "jobs/albumlister.h"
#include "jobs/downloadjob.h"
#include "jobs/downloadjobfolder.h"
#include "jobs/downloadjobmarker.h"
#include "net/pacer.h"

#include <QCoreApplication>

namespace phodex {

namespace {

constexpr char kNoAlbumTicked[] = QT_TRANSLATE_NOOP("phodex::Jobs", "请先勾选要下载的相册");
constexpr char kDownloadAfterStop[] =
    QT_TRANSLATE_NOOP("phodex::Jobs", "已获取到%1张图片信息，是否下载这些图片？");

} // namespace

void DownloadJob::runAlbums(DownloadJobContext& ctx, const std::vector<int>& albums,
                            DownloadJobResult& result) {
    Session& s = m_env.session;
    std::vector<int> ticked;
    for (const int index : albums) {
        if (index >= 0 && index < s.albums.count())
            ticked.push_back(index);
    }
    result.albums = int(ticked.size());
    s.albums.setSelectedCount(result.albums);
    if (ticked.empty()) {
        m_env.prompt.information(QCoreApplication::translate("phodex::Jobs", kNoAlbumTicked));
        return;
    }
    // One transfer at a time was asked for to spare the sites: each album is
    // then listed at its turn, after the one before it has downloaded.
    const bool ahead = ticked.size() > 1 && ctx.downloadParams().threads > 1 &&
                       !ctx.profile().HasOption(kOptionListOnly);
    AlbumLister lister(ctx, ticked, ahead);
    Progress progress;
    std::unique_ptr<ListedAlbum> album;
    // A stop ends the job after the album at its turn; the first album is at
    // its turn from the start, even while its listing runs ahead of this loop.
    // A folder that cannot take pictures (full, read-only, gone) would fail
    // every later album alike: it ends the job too.
    for (size_t k = 0; k < ticked.size() && (k == 0 || s.downState.load() != kDownStopRequested) &&
                       result.writeFailure.isEmpty();
         ++k) {
        m_env.observer.statusLine(
            QCoreApplication::translate("phodex::Jobs", "正在下载第%1/%2个图集")
                .arg(k + 1)
                .arg(ticked.size()));
        m_env.observer.detailLine(QStringLiteral("......"));
        m_env.observer.albumStarted(int(k) + 1, int(ticked.size()), ctx.album(ticked[k]).name);
        std::unique_ptr<ListedAlbum> next = lister.take(k);
        if (!next)
            break;
        setContext(&next->ctx());
        album = std::move(next);
        result.folder = album->ctx().downList().folder;
        runAlbum(*album, lister, progress, result);
    }
    setContext(&ctx);
}

void DownloadJob::runAlbum(ListedAlbum& album, AlbumLister& lister, Progress& progress,
                           DownloadJobResult& result) {
    DownloadJobContext& ctx = album.ctx();
    const CDownList& list = ctx.downList();
    if (!album.known())
        m_env.prompt.information(QStringLiteral("Error ListType Code."));
    if (list.urls.isEmpty())
        return;
    const bool afterStop = album.stopped();
    if (afterStop && !keepAfterStop(progress, int(list.urls.size())))
        return;
    result.pictures += int(list.urls.size());
    if (ctx.profile().HasOption(kOptionListOnly)) {
        const QString name = ctx.album(album.index()).name;
        WriteDownloadList(AlbumFilePath(list.folder, name, QStringLiteral(".lst")), list.urls);
        return;
    }
    // These pictures are fetched in spite of the stop, which must still end
    // the listing of the next album first.
    if (afterStop)
        lister.close();
    downloadAlbum(ctx, afterStop, result);
}

// Asked once per job: a stop came while pictures were being listed.
bool DownloadJob::keepAfterStop(Progress& progress, int listed) {
    if (!progress.askedAfterStop) {
        progress.askedAfterStop = true;
        progress.downloadAfterStop = m_env.prompt.askYesNo(
            QCoreApplication::translate("phodex::Jobs", kDownloadAfterStop).arg(listed),
            PromptCaption());
    }
    return progress.downloadAfterStop;
}

void DownloadJob::downloadAlbum(DownloadJobContext& ctx, bool afterStop,
                                DownloadJobResult& result) {
    Session& s = m_env.session;
    CDownList& list = ctx.downList();
    m_env.observer.detailLine(QCoreApplication::translate("phodex::Jobs", "已开始下载图片"));
    // The user chose to fetch what was listed when the stop came; a stop
    // that came after the listing keeps the flag up and ends these transfers.
    if (afterStop)
        s.stopFlag = false;
    const DownloadOutcome outcome = DownloadManager(list, ctx.downloadParams(), s, m_env.observer);
    if (outcome.workersStarted == 0) {
        m_env.prompt.information(QStringLiteral("Create thread:DownPicFunc failed."));
        return;
    }
    result.saved += outcome.saved;
    result.failed += outcome.done - outcome.saved;
    result.stopped = result.stopped || outcome.stopped;
    if (result.writeFailure.isEmpty() && !outcome.writeFailure.isEmpty()) {
        result.writeFailure = outcome.writeFailure;
        m_env.prompt.information(WriteFailureMessage(outcome));
    }
    // Pictures that could not be written were not downloaded: the marker
    // would make the skip rule pass over them next time.
    if (s.downState.load() != kDownStopRequested && outcome.writeFailure.isEmpty())
        WriteAlbumMarker(list.folder, list.urls.first());
    // The 微商相册 posts also hold videos, which the fix names by their content.
    if (ctx.profile().HasOption(kOptionFixFormat))
        FixPictureFormats(list,
                          ctx.listType() == Category::Wsxc ? QStringLiteral(".mp4") : QString());
    if (ctx.profile().HasOption(kOptionFixOrder))
        FixPictureOrder(list, pacer().nowMs() / 1000);
}

} // namespace phodex
