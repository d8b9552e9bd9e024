// SPDX-License-Identifier: MIT
#include "jobs/listjob.h"

#include "core/addressclass.h"
#include "core/seams/jobobserver.h"
#include "core/seams/userprompt.h"
#include "download/sanitizename.h"
#include "jobs/dispatch.h"
#include "jobs/listjobcontext.h"
#include "net/cancel.h"
#include "settings/extension.h"
#include "text/componentlimit.h"

#include <QCoreApplication>

namespace phodex {

namespace {

constexpr char kNoAddress[] = QT_TRANSLATE_NOOP("phodex::Jobs", "请先输入要获取相册的网址或QQ号");
constexpr char kNoScheme[] =
    QT_TRANSLATE_NOOP("phodex::Jobs", "输入的网址无效，请输入以http://或https://开头的完整网址");

// An owner or sub folder becomes one clean path component ending with "/".
QString FolderLevel(QString text) {
    SanitizeName(text);
    text = CutToBytes(text, kMaxComponentBytes);
    if (!text.isEmpty())
        text += QLatin1Char('/');
    return text;
}

} // namespace

void RequestListStop(Session& session) {
    int state = kListRunning;
    if (session.listState.compare_exchange_strong(state, kListStopRequested) ||
        state == kListStopRequested)
        session.listStopFlag = true;
}

ListJob::ListJob(const JobEnv& env, std::function<void()> pressDownload)
    : m_env(env), m_pressDownload(std::move(pressDownload)) {}

ListJob::~ListJob() {
    RequestListStop(m_env.session);
    m_thread.join();
}

void ListJob::wait() {
    m_thread.join();
}

ListJobResult ListJob::lastResult() const {
    std::lock_guard lock(m_resultMutex);
    return m_result;
}

// Idle -> running, or the caller learns that a job runs already.
bool ListJob::prepare(const ListJobRequest& request) {
    Session& s = m_env.session;
    int idle = kListIdle;
    if (!s.listState.compare_exchange_strong(idle, kListRunning))
        return false;
    s.listStopFlag = false;
    wait(); // the previous job's thread has passed its last step already
    s.albums.clear();
    m_env.observer.albumsCleared();
    s.subType = kNoSubType;
    s.listType = request.listType;
    s.startAtOnce = false;
    return true;
}

ListStart ListJob::pressGetList(const ListJobRequest& request) {
    Session& s = m_env.session;
    if (!s.ready.load())
        return ListStart::NotReady;
    if (!prepare(request)) {
        RequestListStop(s);
        return ListStart::StopRequested;
    }
    std::error_code error;
    if (!m_thread.start([this, request] { body(request); }, error)) {
        m_env.prompt.information(
            QCoreApplication::translate("phodex::Jobs", "无法启动获取相册的线程(错误号%1)")
                .arg(error.value()));
        s.listState = kListIdle;
        return ListStart::Failed;
    }
    return ListStart::Started;
}

std::optional<ListJobResult> ListJob::run(const ListJobRequest& request) {
    if (!m_env.session.ready.load() || !prepare(request))
        return std::nullopt;
    body(request);
    return lastResult();
}

void ListJob::body(const ListJobRequest& request) {
    Session& s = m_env.session;
    const CancelScope stoppable(&s.listStopFlag);
    JobObserver& observer = m_env.observer;
    ExtensionSettings extension = s.extension();
    ReadExtensionSettings(s.workDir, extension);
    s.setExtension(extension);
    s.setOwnerFolder({});
    s.setSubFolder({});
    s.setAddressText(request.address);
    ListJobResult result;
    if (request.address.isEmpty()) {
        m_env.prompt.information(QCoreApplication::translate("phodex::Jobs", kNoAddress));
        {
            std::lock_guard lock(m_resultMutex);
            m_result = result;
        }
        s.listState = kListIdle;
        observer.jobStateChanged(JobKind::List, kListIdle);
        return;
    }
    observer.jobStateChanged(JobKind::List, kListRunning);
    observer.albumCaption(QCoreApplication::translate("phodex::Jobs", "相册列表"));
    observer.statusLine(QCoreApplication::translate("phodex::Jobs", "正在获取相册列表，请稍等..."));
    observer.detailLine(QString());
    if (!hasWebScheme(request.address) && request.listType != Category::Qq) {
        m_env.prompt.information(QCoreApplication::translate("phodex::Jobs", kNoScheme));
    } else {
        if (request.listType == Category::Qq && request.subTypeBox != kNoSubType)
            s.subType = request.subTypeBox;
        ListJobContext ctx(m_env, request.listType, s.settings(), extension);
        DispatchList(ctx, request.address);
        if (ctx.reachedAlbumCap()) {
            observer.detailLine(
                QCoreApplication::translate("phodex::Jobs", "相册太多，只列出了前%1个")
                    .arg(ListJobContext::kAlbumCap));
        }
    }
    epilogue(request.address, result);
}

void ListJob::finishFolders() {
    Session& s = m_env.session;
    s.setOwnerFolder(FolderLevel(s.ownerFolder()));
    s.setSubFolder(FolderLevel(s.subFolder()));
}

void ListJob::pushHistory(const QString& address, ListJobResult& result) {
    Session& s = m_env.session;
    result.addressRecorded = s.updateSettings(
        [&](SettingsRecord& record) { return PushRecent(record, RecentList::Addresses, address); });
    if (!result.addressRecorded)
        return;
    m_env.observer.addressRecorded(address);
    if (!s.workDir.isEmpty())
        SaveSettings(s.workDir, s.settings());
}

void ListJob::startAtOnce() {
    m_env.observer.allAlbumsSelected();
    if (m_pressDownload)
        m_pressDownload();
}

// The job counts as idle only after the history and the start-at-once request
// are dealt with, so a new list job cannot drop the albums under them.
void ListJob::epilogue(const QString& address, ListJobResult& result) {
    Session& s = m_env.session;
    JobObserver& observer = m_env.observer;
    finishFolders();
    result.albumCount = s.albums.count();
    result.startAtOnce = s.startAtOnce.load();
    observer.albumCaption(
        QCoreApplication::translate("phodex::Jobs", "相册列表(共%1个)").arg(result.albumCount));
    observer.statusLine(QCoreApplication::translate("phodex::Jobs", "获取相册列表完成，共%1个")
                            .arg(result.albumCount));
    if (result.albumCount > 0)
        pushHistory(address, result);
    if (result.startAtOnce)
        startAtOnce();
    {
        std::lock_guard lock(m_resultMutex);
        m_result = result;
    }
    s.listState = kListIdle;
    observer.jobStateChanged(JobKind::List, kListIdle);
}

} // namespace phodex
