// SPDX-License-Identifier: MIT
// The browser as the jobs' worker threads use it.
#include "browser/browserenv.h"
#include "browser/webbrowser.h"
#include "browser/webbrowserbridge.h"
#include "browserworld.h"
#include "net/cancel.h"
#include "net/cookiejar.h"

#include <QApplication>
#include <QDialog>
#include <QTemporaryFile>
#include <QWidget>

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <thread>
#include <tuple>

namespace phodex {
namespace {

using namespace std::chrono_literals;
using test::BrowserWorld;
using test::HtmlPage;
using test::RunOnWorker;
using test::WaitFor;

// A loopback port that refuses every connection while this lives: the socket
// holds the port, so no other test's server can be given it, and never
// listens. A port merely closed again could go to a server started meanwhile.
class RefusingPort {
public:
    RefusingPort() : m_fd(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0)) {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        if (m_fd >= 0 && ::bind(m_fd, reinterpret_cast<sockaddr*>(&address), length) == 0 &&
            ::getsockname(m_fd, reinterpret_cast<sockaddr*>(&address), &length) == 0)
            m_port = ntohs(address.sin_port);
    }
    ~RefusingPort() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    RefusingPort(const RefusingPort&) = delete;
    RefusingPort& operator=(const RefusingPort&) = delete;

    // 0 when no port could be held.
    int port() const { return m_port; }

private:
    int m_fd;
    int m_port = 0;
};

QString Yupoo(const std::string& path) {
    return BrowserWorld::address("www.yupoo.com", path.c_str());
}

class BrowserBridgeTest : public testing::Test {
protected:
    static BridgeOptions Options() {
        BridgeOptions options;
        options.loginTickMs = 20;
        return options;
    }
    WebBrowserBridge bridge{BrowserWorld::env(), Options()};
};

TEST_F(BrowserBridgeTest, CaptureReturnsTheBodyAsItsScriptsLeftIt) {
    const std::string body = "<p id=\"a\">albums</p><div id=\"b\"></div>"
                             "<script>document.getElementById('b').textContent = "
                             "'made by ' + 'script';</script>";
    BrowserWorld::site().page("/capture/page", HtmlPage("albums", body));
    const auto text = RunOnWorker<QString>(
        [this] { return bridge.capturePageText(Yupoo("/capture/page"), 20000); }, 60s);
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(*text, QString::fromStdString(body).replace(
                         QStringLiteral("<div id=\"b\"></div>"),
                         QStringLiteral("<div id=\"b\">made by script</div>")));
    // Done: the host is back on a blank page.
    EXPECT_TRUE(WaitFor([this] { return bridge.host().currentAddress().isEmpty(); }, 10s));
}

TEST_F(BrowserBridgeTest, APageThatCannotBeLoadedIsNoCapture) {
    const RefusingPort refusing;
    ASSERT_NE(refusing.port(), 0);
    const QString address = QStringLiteral("http://127.0.0.1:%1/gone").arg(refusing.port());
    const auto text =
        RunOnWorker<QString>([&] { return bridge.capturePageText(address, 20000); }, 60s);
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(*text, QString()); // not the browser's error page
}

TEST_F(BrowserBridgeTest, CapturesAskedForAtOnceEachGetTheirOwnPage) {
    BrowserWorld::site().page("/capture/one", HtmlPage("one", "<p>pages one</p>"));
    BrowserWorld::site().page("/capture/two", HtmlPage("two", "<p>pages two</p>"));
    // Both pages have an "s": the text a capture waits for.
    const auto texts = RunOnWorker<std::pair<QString, QString>>(
        [this] {
            auto second = std::make_shared<Completion<QString>>();
            std::thread([this, second] {
                second->set(bridge.capturePageText(Yupoo("/capture/two"), 20000));
            }).detach();
            const QString first = bridge.capturePageText(Yupoo("/capture/one"), 20000);
            return std::pair{first, second->waitFor(60s).value_or(QStringLiteral("(none)"))};
        },
        90s);
    ASSERT_TRUE(texts.has_value());
    EXPECT_EQ(texts->first, QStringLiteral("<p>pages one</p>"));
    EXPECT_EQ(texts->second, QStringLiteral("<p>pages two</p>"));
}

TEST_F(BrowserBridgeTest, NavigationWaitsForThePageThenLeavesIt) {
    BrowserWorld::site().page("/nav/shop", HtmlPage("shop", "<p>shop</p>"));
    const auto loaded = RunOnWorker<bool>(
        [this] { return bridge.navigateAndWait(Yupoo("/nav/shop"), 20000); }, 60s);
    ASSERT_TRUE(loaded.has_value());
    EXPECT_TRUE(*loaded);
    EXPECT_EQ(BrowserWorld::site().countOf("/nav/shop"), 1);
    EXPECT_TRUE(WaitFor([this] { return bridge.host().currentAddress().isEmpty(); }, 10s));
}

TEST_F(BrowserBridgeTest, CookiesForAnAddressArePairsJoinedBySemicolons) {
    EXPECT_EQ(bridge.cookiesFor(Yupoo("/")), QString()); // no host before its first use
    ASSERT_TRUE(test::MakeReady(bridge.host()));
    const QUrl origin(QStringLiteral("https://photo.yupoo.com/"));
    QNetworkCookie a("a", "1"), b("b", "2"), other("c", "3");
    a.setDomain(QStringLiteral("photo.yupoo.com"));
    b.setDomain(QStringLiteral(".yupoo.com"));
    other.setDomain(QStringLiteral("huaban.com"));
    for (QNetworkCookie* cookie : {&a, &b, &other}) {
        cookie->setPath(QStringLiteral("/"));
        CookieJar::instance().insert(*cookie, origin);
    }
    const auto text = RunOnWorker<QString>(
        [this] { return bridge.cookiesFor(QStringLiteral("photo.yupoo.com/photos/u/")); }, 10s);
    ASSERT_TRUE(text.has_value());
    QStringList pairs = text->split(u';');
    pairs.sort();
    EXPECT_EQ(pairs, (QStringList{QStringLiteral("a=1"), QStringLiteral("b=2")}))
        << qPrintable(*text);
}

TEST_F(BrowserBridgeTest, LoginModeFourWindowClosesByItselfAndTheWorkerGoesOn) {
    BrowserWorld::site().page("/login/wait", HtmlPage("login", "<p>log in here</p>"));
    const auto returned = RunOnWorker<bool>(
        [this] {
            bridge.loginAndWait(Yupoo("/login/wait"), 4);
            return true;
        },
        60s);
    ASSERT_TRUE(returned.has_value());
    WaitFor([] { return false; }, 50ms); // the closed window's deletion
    for (QWidget* window : QApplication::topLevelWidgets())
        EXPECT_FALSE(qobject_cast<QDialog*>(window) && window->isVisible());
}

// A stop of the worker's job (the window closing, Ctrl-C) ends its wait for a
// login the user has not finished.
TEST_F(BrowserBridgeTest, AJobStopEndsTheWaitForALoginWindow) {
    BrowserWorld::site().page("/login/user", HtmlPage("login", "<p>log in here</p>"));
    std::atomic<bool> stop{false};
    std::atomic<bool> returned{false};
    std::thread worker([&] {
        const CancelScope stoppable(&stop);
        bridge.loginAndWait(Yupoo("/login/user"), 0);
        returned = true;
    });
    const auto loginShown = [] {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (qobject_cast<QDialog*>(window) && window->isVisible())
                return true;
        }
        return false;
    };
    WaitFor(loginShown, 30s);
    ASSERT_TRUE(loginShown());
    EXPECT_FALSE(returned.load());
    stop = true;
    WaitFor([&] { return returned.load(); }, 5s);
    EXPECT_TRUE(returned.load()) << "the worker still waits for the login window";
    if (!returned.load()) {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (auto* dialog = qobject_cast<QDialog*>(window))
                dialog->reject();
        }
    }
    worker.join();
}

TEST(BrowserBridgeWithoutWindows, ALoginIsOneMessageAndNoWindow) {
    QStringList messages;
    BridgeOptions options;
    options.loginWindows = false;
    options.loginUnavailable = [&messages](const QString& text) { messages << text; };
    WebBrowserBridge bridge(BrowserWorld::env(), options);
    bridge.loginAndWait(Yupoo("/login/never"), 0);
    EXPECT_EQ(messages, QStringList{QString::fromUtf8(kLoginUnavailable)});
    for (QWidget* window : QApplication::topLevelWidgets())
        EXPECT_EQ(qobject_cast<QDialog*>(window), nullptr);
}

TEST(BrowserBridgeFailedHost, AnswersAtOnceWithNothing) {
    QTemporaryFile blocker; // a file where the profile's folder would go
    ASSERT_TRUE(blocker.open());
    QStringList notices;
    BrowserSetup setup;
    setup.profileFolder = blocker.fileName() + QStringLiteral("/profile");
    setup.storageName = QStringLiteral("failing");
    setup.failureNotice = [&notices](const QString& text) { notices << text; };
    BrowserEnvironment env(setup);
    EXPECT_FALSE(env.usable());
    WebBrowserBridge bridge(env, {});

    QNetworkCookie held("held", "1");
    held.setDomain(QStringLiteral("www.yupoo.com"));
    CookieJar::instance().insert(held, QUrl(Yupoo("/")));
    BrowserWorld::site().page("/failed/never", "never");
    // Limits of ten minutes: an answer within a minute was not a waited-out one.
    const auto answers = RunOnWorker<std::tuple<QString, bool, QString>>(
        [&bridge] {
            return std::tuple{bridge.capturePageText(Yupoo("/failed/never"), 600000),
                              bridge.navigateAndWait(Yupoo("/failed/never"), 600000),
                              bridge.cookiesFor(Yupoo("/"))};
        },
        60s);
    ASSERT_TRUE(answers.has_value());
    EXPECT_EQ(std::get<0>(*answers), QString());
    EXPECT_FALSE(std::get<1>(*answers));
    EXPECT_EQ(std::get<2>(*answers), QString());
    EXPECT_EQ(BrowserWorld::site().countOf("/failed/never"), 0);
    // The first call tried to make the host; the failure was told once.
    EXPECT_EQ(bridge.host().state(), CWebBrowser::State::Failed);
    EXPECT_EQ(notices,
              QStringList{QStringLiteral("Cannot create the webview environment. (0x80004005)")});
}

} // namespace
} // namespace phodex
