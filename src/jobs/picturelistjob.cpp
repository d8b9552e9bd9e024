// SPDX-License-Identifier: MIT
#include "jobs/picturelistjob.h"

#include "core/seams/jobobserver.h"
#include "core/seams/userprompt.h"
#include "core/webaddress.h"
#include "download/manager.h"
#include "download/postprocess.h"
#include "jobs/addpicture.h"
#include "jobs/downloadjob.h"
#include "jobs/downloadjoblist.h"
#include "jobs/picturewalk.h"
#include "net/cancel.h"

#include <QCoreApplication>

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
    if (m_env.session.downState.load() != kDownIdle)
        RequestDownloadStop(m_env.session);
    m_thread.join();
}

void PictureListJob::wait() {
    m_thread.join();
}

bool PictureListJob::start(std::function<void()> body) {
    int idle = kDownIdle;
    if (!m_env.session.downState.compare_exchange_strong(idle, kDownRunning))
        return false;
    m_env.session.stopFlag = false;
    m_env.observer.jobStateChanged(JobKind::Download, kDownRunning);
    // The previous run has passed its last step already.
    std::error_code error;
    if (!m_thread.start(
            [this, body = std::move(body)] {
                const CancelScope stoppable(&m_env.session.stopFlag);
                body();
            },
            error)) {
        m_env.prompt.information(QStringLiteral("Create thread:GetListFunc failed."));
        end(QString());
    }
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
    return start([=, this] { runImport(addresses, folder, params); });
}

bool PictureListJob::startExport(const std::vector<int>& albums, Category listType,
                                 const QString& path) {
    return start([=, this] { runExport(albums, listType, path); });
}

void PictureListJob::runImport(const QStringList& addresses, const QString& folder,
                               const DownloadParams& params) {
    m_env.observer.statusLine(
        QCoreApplication::translate("phodex::Jobs", "正在下载导入的文件，共%1个网址")
            .arg(addresses.size()));
    m_env.observer.detailLine(QCoreApplication::translate("phodex::Jobs", "已开始下载图片"));
    const CDownList list = MakeAddressDownload(addresses, folder);
    const DownloadOutcome outcome = DownloadManager(list, params, m_env.session, m_env.observer);
    if (!outcome.writeFailure.isEmpty())
        m_env.prompt.information(WriteFailureMessage(outcome));
    end(outcome.stopped ? QCoreApplication::translate("phodex::Jobs", "下载已终止，已下载%1/%2")
                              .arg(outcome.saved)
                              .arg(outcome.total)
                        : QCoreApplication::translate("phodex::Jobs", "下载完毕，已下载%1/%2")
                              .arg(outcome.saved)
                              .arg(outcome.total));
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
            QCoreApplication::translate("phodex::Jobs", "正在获取第%1/%2个图集的图片网址")
                .arg(k + 1)
                .arg(albums.size()));
        urls += ListAlbumPictures(m_env, listType, albums[k]);
        m_env.observer.detailLine(
            QCoreApplication::translate("phodex::Jobs", "已获取到%1张图片信息").arg(urls.size()));
    }
    const bool stopped = m_env.session.downState.load() == kDownStopRequested;
    if (!WriteDownloadList(path, urls))
        end(QCoreApplication::translate("phodex::Jobs", "无法写入文件%1").arg(path));
    else if (stopped)
        end(QCoreApplication::translate("phodex::Jobs", "导出已终止，已写入%1个图片网址")
                .arg(urls.size()));
    else
        end(QCoreApplication::translate("phodex::Jobs", "导出完毕，共%1个图片网址")
                .arg(urls.size()));
}

} // namespace phodex
