// SPDX-License-Identifier: MIT
#include "core/seams/jobobserver.h"
#include "core/seams/userprompt.h"
#include "download/manager.h"
#include "download/postprocess.h"
#include "jobs/addpicture.h"
#include "jobs/downloadjob.h"
#include "jobs/downloadjobfolder.h"
#include "jobs/downloadjobmarker.h"
#include "jobs/picturewalk.h"
#include "net/pacer.h"

#include <QCoreApplication>

namespace phodex {

namespace {

constexpr char kNoAlbumTicked[] = QT_TRANSLATE_NOOP("phodex::Jobs", "请先勾选要下载的相册");
constexpr char kDownloadAfterStop[] =
    QT_TRANSLATE_NOOP("phodex::Jobs", "已获取到%1张图片信息，是否下载这些图片？");

// downState back to running for the next album, unless a stop was asked for.
bool ResumeAlbum(Session& s) {
    int finished = kDownAlbumFinished;
    s.downState.compare_exchange_strong(finished, kDownRunning);
    return s.downState.load() != kDownStopRequested;
}

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
    Progress progress;
    for (size_t k = 0; k < ticked.size() && ResumeAlbum(s); ++k) {
        m_env.observer.statusLine(
            QCoreApplication::translate("phodex::Jobs", "正在下载第%1/%2个图集")
                .arg(k + 1)
                .arg(ticked.size()));
        m_env.observer.detailLine(QStringLiteral("......"));
        runAlbum(ctx, ticked[k], progress, result);
    }
}

void DownloadJob::runAlbum(DownloadJobContext& ctx, int albumIndex, Progress& progress,
                           DownloadJobResult& result) {
    const CDownList& list = ctx.downList();
    ctx.beginAlbum(albumIndex);
    if (!WalkPictureOperations(ctx, ctx.subType(), albumIndex))
        m_env.prompt.information(QStringLiteral("Error ListType Code."));
    if (list.urls.isEmpty())
        return;
    const bool afterStop = m_env.session.downState.load() == kDownStopRequested;
    if (afterStop && !keepAfterStop(progress, int(list.urls.size())))
        return;
    result.pictures += int(list.urls.size());
    result.folder = list.folder;
    if (ctx.profile().HasOption(kOptionListOnly)) {
        const QString name = ctx.album(albumIndex).name;
        WriteDownloadList(AlbumFilePath(list.folder, name, QStringLiteral(".lst")), list.urls);
        return;
    }
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
    s.stopFlag = false;
    // A stop that came after the pictures were listed still counts.
    if (!afterStop && s.downState.load() == kDownStopRequested)
        s.stopFlag = true;
    const DownloadOutcome outcome = DownloadManager(list, ctx.downloadParams(), s, m_env.observer);
    if (outcome.workersStarted == 0) {
        m_env.prompt.information(QStringLiteral("Create thread:DownPicFunc failed."));
        return;
    }
    result.saved += outcome.saved;
    result.failed += outcome.done - outcome.saved;
    result.stopped = result.stopped || outcome.stopped;
    // Once a job: a full or read-only folder fails every later album alike.
    if (result.writeFailure.isEmpty() && !outcome.writeFailure.isEmpty()) {
        result.writeFailure = outcome.writeFailure;
        m_env.prompt.information(WriteFailureMessage(outcome));
    }
    if (s.downState.load() != kDownStopRequested)
        WriteAlbumMarker(list.folder, list.urls.first());
    // The 微商相册 posts also hold videos, which the fix names by their content.
    if (ctx.profile().HasOption(kOptionFixFormat))
        FixPictureFormats(list,
                          ctx.listType() == Category::Wsxc ? QStringLiteral(".mp4") : QString());
    if (ctx.profile().HasOption(kOptionFixOrder))
        FixPictureOrder(list, pacer().nowMs() / 1000);
}

} // namespace phodex
