// SPDX-License-Identifier: MIT
#pragma once

#include "browser/completion.h"
#include "core/seams/browserbridge.h"

#include <QObject>
#include <QPointer>

#include <chrono>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QDialog;

namespace phodex {

class BrowserEnvironment;
class CWebBrowser;
class Session;

struct BridgeOptions {
    // False where no window can be shown (the command line): a login is then
    // only a message to the user.
    bool loginWindows = true;
    std::function<void(const QString& message)> loginUnavailable;
    Session* session = nullptr; // receives the QQ Zone page token of login windows
    int loginTickMs = 1000;     // one "second" of the login windows' close timer
    int capturePollMs = 1500;
};

// The browser as the jobs see it: the invisible host for page captures and
// navigation, login windows for logins, the profile's cookies. Made on the
// GUI thread; its calls may come from any thread. A worker waits on its own
// thread for an answer with a time-out, never in the GUI's event loop, and
// the host runs one capture or navigation at a time; the GUI thread stays
// free. A call on the GUI thread itself waits in a local event loop, and a
// second such call inside that wait answers at once instead of nesting.
class WebBrowserBridge : public QObject, public BrowserBridge {
    Q_OBJECT
public:
    // Beyond a call's own limit, how long a worker allows the GUI thread.
    static constexpr std::chrono::milliseconds kAnswerMargin{5000};

    WebBrowserBridge(BrowserEnvironment& env, BridgeOptions options, QObject* parent = nullptr);
    ~WebBrowserBridge() override;

    // The invisible host: made asynchronously for the first capture or
    // navigation, empty until then.
    CWebBrowser& host() { return *m_host; }

    // A modal login window (login mode > 0: it closes itself after about
    // that many seconds); returns when it has closed.
    void loginAndWait(const QString& address, int mode) override;
    // The page's inner HTML, polled until any came (see CapturePage).
    QString capturePageText(const QString& address, int timeoutMs) override;
    bool navigateAndWait(const QString& address, int timeoutMs) override;
    // "a=1;b=2", "" when the host is not ready (also before its first use);
    // answered on the calling thread.
    QString cookiesFor(const QString& address) override;

private:
    struct Waiters;
    using HostTask = std::function<void(std::function<void()> finished)>;
    template <class T> using Start = std::function<void(std::shared_ptr<Completion<T>>)>;

    template <class T>
    std::optional<T> await(Start<T> start, std::optional<std::chrono::milliseconds> limit);
    template <class T>
    std::optional<T> awaitHere(const Start<T>& start, const std::shared_ptr<Completion<T>>& answer,
                               std::optional<std::chrono::milliseconds> limit);
    void runOnHost(HostTask task);
    void runNextHostTask();
    void showLogin(const QString& address, int mode, std::shared_ptr<Completion<int>> answer);

    BrowserEnvironment& m_env;
    BridgeOptions m_options;
    CWebBrowser* m_host;
    std::shared_ptr<Waiters> m_waiters;
    std::deque<HostTask> m_hostTasks;
    bool m_hostBusy = false;
    bool m_closing = false;
    bool m_waitingHere = false;
    std::vector<QPointer<QDialog>> m_loginWindows;
};

} // namespace phodex
