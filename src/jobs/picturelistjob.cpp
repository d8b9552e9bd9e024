// SPDX-License-Identifier: MIT
#include "jobs/picturelistjob.h"

#include "core/seams/jobobserver.h"
#include "core/webaddress.h"
#include "download/manager.h"
#include "download/postprocess.h"
#include "jobs/addpicture.h"
#include "jobs/downloadjob.h"
#include "jobs/downloadjoblist.h"
#include "jobs/picturewalk.h"

namespace phodex {

namespace {

// Collects what a picture operation hands over; makes no folder and names nothing.
class CollectingContext final : public PictureContext {
public:
    using PictureContext::PictureContext;

    void addPicture(QString& url, const QString&, const QString&, int,
                    const std::optional<QString>&) override {
        url = WithWebScheme(url);
        // Only the first address: a list for another program must not fetch a picture twice.
        const QString first = url.section(QStringLiteral("\r\n"), 0, 0);
        if (!first.isEmpty())
            urls << first;
    }
    // One context per album: everything it took is the current album's.
    int listedCount() const override { return int(urls.size()); }

    QStringList urls;
};

} // namespace

PictureListJob::PictureListJob(const JobEnv& env) : m_env(env) {}

PictureListJob::~PictureListJob() {
    std::lock_guard lock(m_threadMutex);
    if (m_thread.joinable()) {
        RequestDownloadStop(m_env.session);
        m_thread.join();
    }
}

void PictureListJob::wait() {
    std::lock_guard lock(m_threadMutex);
    if (m_thread.joinable())
        m_thread.join();
}

bool PictureListJob::begin() {
    int idle = kDownIdle;
    if (!m_env.session.downState.compare_exchange_strong(idle, kDownRunning))
        return false;
    m_env.session.stopFlag = false;
    if (m_thread.joinable())
        m_thread.join(); // the previous run has passed its last step
    m_env.observer.jobStateChanged(JobKind::Download, kDownRunning);
    return true;
}

void PictureListJob::end(const QString& status) {
    m_env.session.downState = kDownIdle;
    m_env.session.stopFlag = false;
    m_env.observer.statusLine(status);
    m_env.observer.detailLine(QString());
    m_env.observer.jobStateChanged(JobKind::Download, kDownIdle);
}

bool PictureListJob::startImport(const QStringList& addresses, const QString& folder,
                                 const DownloadParams& params) {
    std::lock_guard lock(m_threadMutex);
    if (!begin())
        return false;
    m_thread = std::thread([=, this] { runImport(addresses, folder, params); });
    return true;
}

bool PictureListJob::startExport(const std::vector<int>& albums, Category listType,
                                 const QString& path) {
    std::lock_guard lock(m_threadMutex);
    if (!begin())
        return false;
    m_thread = std::thread([=, this] { runExport(albums, listType, path); });
    return true;
}

void PictureListJob::runImport(const QStringList& addresses, const QString& folder,
                               const DownloadParams& params) {
    m_env.observer.statusLine(
        QStringLiteral("正在下载导入的文件，共%1个网址").arg(addresses.size()));
    m_env.observer.detailLine(QStringLiteral("已开始下载图片"));
    const CDownList list = MakeAddressDownload(addresses, folder);
    const DownloadOutcome outcome = DownloadManager(list, params, m_env.session, m_env.observer);
    end(outcome.stopped
            ? QStringLiteral("下载已终止，已下载%1/%2").arg(outcome.saved).arg(outcome.total)
            : QStringLiteral("下载完毕，已下载%1/%2").arg(outcome.saved).arg(outcome.total));
}

QStringList PictureListJob::ListAlbumPictures(const JobEnv& env, Category listType,
                                              int albumIndex) {
    Session& s = env.session;
    CollectingContext ctx(env, listType, s.settings(), s.extension());
    WalkPictureOperations(ctx, s.subType.load(), albumIndex);
    return ctx.urls;
}

void PictureListJob::runExport(const std::vector<int>& albums, Category listType,
                               const QString& path) {
    QStringList urls;
    for (size_t k = 0; k < albums.size(); ++k) {
        if (m_env.session.downState.load() == kDownStopRequested)
            break;
        m_env.observer.statusLine(
            QStringLiteral("正在获取第%1/%2个图集的图片网址").arg(k + 1).arg(albums.size()));
        urls += ListAlbumPictures(m_env, listType, albums[k]);
        m_env.observer.detailLine(QStringLiteral("已获取到%1张图片信息").arg(urls.size()));
    }
    const bool stopped = m_env.session.downState.load() == kDownStopRequested;
    if (!WriteDownloadList(path, urls))
        end(QStringLiteral("无法写入文件%1").arg(path));
    else if (stopped)
        end(QStringLiteral("导出已终止，已写入%1个图片网址").arg(urls.size()));
    else
        end(QStringLiteral("导出完毕，共%1个图片网址").arg(urls.size()));
}

} // namespace phodex
