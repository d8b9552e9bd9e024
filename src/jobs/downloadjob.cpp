// SPDX-License-Identifier: MIT
#include "jobs/downloadjob.h"

#include "core/seams/jobobserver.h"
#include "core/seams/shell.h"
#include "core/seams/userprompt.h"
#include "jobs/addpicture.h"
#include "jobs/downloadjobfolder.h"
#include "net/cancel.h"
#include "settings/extension.h"
#include "settings/makefolder.h"

#include <QCoreApplication>

namespace phodex {

namespace {

constexpr char kNoSavePath[] = QT_TRANSLATE_NOOP("phodex::Jobs", "请先设置保存路径");
constexpr char kBadSavePath[] = QT_TRANSLATE_NOOP("phodex::Jobs", "请检测设置的保存路径是否有误");

} // namespace

void RequestDownloadStop(Session& session) {
    int state = session.downState.load();
    while (state != kDownIdle &&
           !session.downState.compare_exchange_weak(state, kDownStopRequested)) {
    }
    session.stopFlag = true;
}

DownloadJob::DownloadJob(const JobEnv& env)
    : m_prompt(env.prompt), m_env{env.session, env.sites, env.observer, m_prompt,
                                  env.browser, env.keys,  env.shell} {}

DownloadJob::~DownloadJob() {
    if (m_env.session.downState.load() != kDownIdle)
        RequestDownloadStop(m_env.session);
    m_thread.join();
}

void DownloadJob::wait() {
    m_thread.join();
}

DownloadJobResult DownloadJob::lastResult() const {
    std::lock_guard lock(m_mutex);
    return m_result;
}

QString DownloadJob::currentFolder() const {
    std::lock_guard lock(m_mutex);
    return m_ctx ? m_ctx->currentFolder() : QString();
}

void DownloadJob::setContext(DownloadJobContext* ctx) {
    std::lock_guard lock(m_mutex);
    m_ctx = ctx;
}

DownloadStart DownloadJob::pressDownload(const DownloadJobRequest& request) {
    Session& s = m_env.session;
    int idle = kDownIdle;
    if (!s.downState.compare_exchange_strong(idle, kDownRunning)) {
        RequestDownloadStop(s);
        return DownloadStart::StopRequested;
    }
    // The previous job's thread has passed its last step already.
    std::error_code error;
    if (!m_thread.start([this, request] { body(request); }, error)) {
        m_env.prompt.information(QStringLiteral("Create thread:GetListFunc failed."));
        s.downState = kDownIdle;
        return DownloadStart::Failed;
    }
    return DownloadStart::Started;
}

std::optional<DownloadJobResult> DownloadJob::run(const DownloadJobRequest& request) {
    int idle = kDownIdle;
    if (!m_env.session.downState.compare_exchange_strong(idle, kDownRunning))
        return std::nullopt;
    body(request);
    return lastResult();
}

// The save folder with the owner's levels below it, made on disk; nullopt
// (after telling the user) when there is none or it cannot be made.
std::optional<QString> DownloadJob::makeBasePath(const QString& savePath) {
    QString path = savePath.trimmed();
    if (path.isEmpty()) {
        m_env.prompt.information(QCoreApplication::translate("phodex::Jobs", kNoSavePath));
        return std::nullopt;
    }
    if (!path.endsWith(u'/'))
        path += u'/';
    path += m_env.session.ownerFolder() + m_env.session.subFolder();
    QString cause;
    const QString failed = MakeFolderPath(path, &cause);
    if (!failed.isEmpty()) {
        m_env.prompt.information(QStringLiteral("%1: %2").arg(failed, cause));
        m_env.prompt.information(QCoreApplication::translate("phodex::Jobs", kBadSavePath));
        return std::nullopt;
    }
    TouchFolder(path);
    return path;
}

void DownloadJob::body(const DownloadJobRequest& request) {
    Session& s = m_env.session;
    // The flag may still be up from the last job's stop; a stop asked for
    // since this job was started stays.
    s.stopFlag = false;
    if (s.downState.load() == kDownStopRequested)
        s.stopFlag = true;
    const CancelScope stoppable(&s.stopFlag);
    ExtensionSettings extension = s.extension();
    ReadExtensionSettings(s.workDir, extension);
    s.setExtension(extension);
    DownloadJobResult result;
    const std::optional<QString> base = makeBasePath(request.savePath);
    if (!base) {
        {
            std::lock_guard lock(m_mutex);
            m_result = result;
        }
        s.downState = kDownIdle;
        m_env.observer.jobStateChanged(JobKind::Download, kDownIdle);
        return;
    }
    result.started = true;
    m_env.observer.jobStateChanged(JobKind::Download, kDownRunning);
    DownloadJobContext ctx(m_env, s.listType.load(), s.subType.load(), s.settings(), extension,
                           *base, s.ownerFolder());
    setContext(&ctx);
    result.folder = *base;
    runAlbums(ctx, request.albums, result);
    finish(ctx, result);
}

void DownloadJob::finish(DownloadJobContext& ctx, DownloadJobResult& result) {
    Session& s = m_env.session;
    result.stopped = result.stopped || s.downState.load() == kDownStopRequested;
    m_env.observer.statusLine(QCoreApplication::translate("phodex::Jobs", "下载完毕"));
    m_env.observer.detailLine(QString());
    if (result.pictures > 0 && ctx.profile().HasOption(kOptionOpenFolder))
        m_env.shell.openFolder(result.folder);
    setContext(nullptr);
    {
        std::lock_guard lock(m_mutex);
        m_result = result;
    }
    s.downState = kDownIdle;
    m_env.observer.jobStateChanged(JobKind::Download, kDownIdle);
}

} // namespace phodex
