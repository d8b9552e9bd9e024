// SPDX-License-Identifier: MIT
#include "browser/webbrowserbridge.h"

#include "browser/browserenv.h"
#include "browser/dlgwebopen.h"
#include "browser/pagecapture.h"
#include "browser/webbrowser.h"
#include "net/cancel.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QThread>
#include <QTimer>

#include <map>
#include <mutex>

namespace phodex {

using std::chrono::milliseconds;

// Shared with the waiting threads, so a waiter woken by the bridge's end
// never touches the bridge again.
struct WebBrowserBridge::Waiters {
    std::mutex mutex;
    bool closed = false;
    quint64 lastId = 0;
    std::map<quint64, std::function<void()>> cancellers;
};

WebBrowserBridge::WebBrowserBridge(BrowserEnvironment& env, BridgeOptions options, QObject* parent)
    : QObject(parent), m_env(env), m_options(std::move(options)),
      m_host(new CWebBrowser(env, this)), m_waiters(std::make_shared<Waiters>()) {}

WebBrowserBridge::~WebBrowserBridge() {
    std::map<quint64, std::function<void()>> cancellers;
    {
        std::lock_guard lock(m_waiters->mutex);
        m_waiters->closed = true;
        cancellers.swap(m_waiters->cancellers);
    }
    for (const auto& entry : cancellers)
        entry.second();
    m_closing = true;
    for (const QPointer<QDialog>& window : m_loginWindows)
        delete window.data();
    // Operations on the host answer while the bridge is still whole.
    delete m_host;
}

template <class T>
std::optional<T> WebBrowserBridge::await(Start<T> start, std::optional<milliseconds> limit) {
    const std::shared_ptr<Waiters> waiters = m_waiters;
    auto answer = std::make_shared<Completion<T>>();
    quint64 id = 0;
    const bool here = QThread::currentThread() == thread();
    {
        std::lock_guard lock(waiters->mutex);
        if (waiters->closed)
            return std::nullopt;
        id = ++waiters->lastId;
        waiters->cancellers.emplace(id, [weak = std::weak_ptr(answer)] {
            if (const auto pending = weak.lock())
                pending->cancel();
        });
        // Posted under the lock: the bridge cannot be going away meanwhile.
        if (!here)
            QMetaObject::invokeMethod(
                this, [start, answer] { start(answer); }, Qt::QueuedConnection);
    }
    std::optional<T> result;
    if (here)
        result = awaitHere(start, answer, limit);
    else
        result = limit ? answer->waitFor(*limit) : answer->wait();
    answer->abandon();
    std::lock_guard lock(waiters->mutex);
    waiters->cancellers.erase(id);
    return result;
}

template <class T>
std::optional<T> WebBrowserBridge::awaitHere(const Start<T>& start,
                                             const std::shared_ptr<Completion<T>>& answer,
                                             std::optional<milliseconds> limit) {
    if (m_waitingHere)
        return std::nullopt;
    m_waitingHere = true;
    start(answer);
    const QDeadlineTimer deadline =
        limit ? QDeadlineTimer(limit->count()) : QDeadlineTimer(QDeadlineTimer::Forever);
    QTimer wake; // the loop looks at the answer at least this often
    wake.start(50);
    QEventLoop loop;
    // The job's stop (Ctrl-C on the command line) ends the wait too.
    while (!answer->settled() && !deadline.hasExpired() && !ThreadCancelled())
        loop.processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    m_waitingHere = false;
    return answer->waitFor(milliseconds(0));
}

void WebBrowserBridge::runOnHost(HostTask task) {
    // The host, and Chromium with it, starts when a job first needs it; the
    // operations wait for a host still being made.
    if (m_host->state() == CWebBrowser::State::Empty)
        m_host->createAsync(nullptr, QRect(), [] {});
    m_hostTasks.push_back(std::move(task));
    if (!m_hostBusy)
        runNextHostTask();
}

void WebBrowserBridge::runNextHostTask() {
    if (m_closing || m_hostTasks.empty()) {
        m_hostBusy = false;
        return;
    }
    m_hostBusy = true;
    HostTask task = std::move(m_hostTasks.front());
    m_hostTasks.pop_front();
    task([this] {
        if (!m_closing)
            QTimer::singleShot(0, this, &WebBrowserBridge::runNextHostTask);
    });
}

void WebBrowserBridge::loginAndWait(const QString& address, int mode) {
    if (!m_options.loginWindows) {
        if (m_options.loginUnavailable)
            m_options.loginUnavailable(QString::fromUtf8(kLoginUnavailable));
        return;
    }
    await<int>([this, address, mode](auto answer) { showLogin(address, mode, answer); },
               std::nullopt);
}

void WebBrowserBridge::showLogin(const QString& address, int mode,
                                 std::shared_ptr<Completion<int>> answer) {
    auto* window = new CDlgWebOpen(m_env, m_options.session, nullptr);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setAddress(address);
    window->setCloseAfter(mode);
    window->setTickMs(m_options.loginTickMs);
    window->setModal(true);
    connect(window, &QDialog::finished, window, [answer](int result) { answer->set(result); });
    connect(window, &QObject::destroyed, [answer] { answer->cancel(); });
    std::erase_if(m_loginWindows, [](const QPointer<QDialog>& open) { return open.isNull(); });
    m_loginWindows.emplace_back(window);
    window->show();
}

QString WebBrowserBridge::capturePageText(const QString& address, int timeoutMs) {
    const QDeadlineTimer deadline(timeoutMs);
    const int pollMs = m_options.capturePollMs;
    const auto text = await<QString>(
        [this, address, deadline, pollMs](auto answer) {
            runOnHost([this, address, deadline, pollMs, answer](auto finished) {
                if (answer->abandoned()) {
                    finished();
                    return;
                }
                const CaptureTiming timing{int(deadline.remainingTime()), pollMs};
                CapturePage(*m_host, address, timing, [answer, finished](const QString& text) {
                    answer->set(text);
                    finished();
                });
            });
        },
        milliseconds(timeoutMs) + kAnswerMargin);
    return text.value_or(QString());
}

bool WebBrowserBridge::navigateAndWait(const QString& address, int timeoutMs) {
    const QDeadlineTimer deadline(timeoutMs);
    const auto loaded = await<bool>(
        [this, address, deadline](auto answer) {
            runOnHost([this, address, deadline, answer](auto finished) {
                if (answer->abandoned()) {
                    finished();
                    return;
                }
                NavigateAndWait(*m_host, address, int(deadline.remainingTime()),
                                [answer, finished](bool ok) {
                                    answer->set(ok);
                                    finished();
                                });
            });
        },
        milliseconds(timeoutMs) + kAnswerMargin);
    return loaded.value_or(false);
}

QString WebBrowserBridge::cookiesFor(const QString& address) {
    std::lock_guard lock(m_waiters->mutex);
    return m_waiters->closed ? QString() : m_host->cookiesFor(address);
}

} // namespace phodex
