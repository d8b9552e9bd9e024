// SPDX-License-Identifier: MIT
// The window starts without the browser: its profile, its invisible host and
// Chromium's processes come when a job or a login first needs them.
#include "browser/browserenv.h"
#include "browser/dlgwebopen.h"
#include "browser/loginlauncher.h"
#include "browser/webbrowser.h"
#include "browserwindow.h"
#include "support/processtree.h"

#include <QAction>
#include <QCoreApplication>

#include <gtest/gtest.h>

#include <set>

namespace phodex {
namespace {

using namespace std::chrono_literals;
using test::BrowserWorld;
using test::HtmlPage;
using test::RunOnWorker;
using test::WaitFor;

std::set<int> BrowserProcesses() {
    std::set<int> pids;
    for (const test::ProcessInfo& process :
         test::ProcessTree(int(QCoreApplication::applicationPid())))
        if (test::IsBrowserProcess(process))
            pids.insert(process.pid);
    return pids;
}

class WindowStart : public test::BrowserWindowTest {
protected:
    void SetUp() override {
        // Earlier tests of this process may have started Chromium already.
        before = BrowserProcesses();
        // A profile of its own, which nothing has started yet.
        BrowserSetup browserSetup;
        browserSetup.profileFolder = home.filePath(QStringLiteral("profile"));
        browserSetup.storageName = QStringLiteral("windowstart");
        env = std::make_unique<BrowserEnvironment>(browserSetup);
        StartWindow(*env);
    }

    void TearDown() override {
        BrowserWindowTest::TearDown();
        env.reset();
    }

    // Chromium's processes that were not running before the window was made.
    std::set<int> NewBrowserProcesses() const {
        std::set<int> started;
        for (int pid : BrowserProcesses())
            if (!before.contains(pid))
                started.insert(pid);
        return started;
    }

    std::set<int> before;
    std::unique_ptr<BrowserEnvironment> env;
};

TEST_F(WindowStart, IsReadyWithoutTheBrowserWhichTheFirstCaptureStarts) {
    EXPECT_TRUE(env->usable());
    EXPECT_FALSE(env->started());
    EXPECT_EQ(bridge->host().state(), CWebBrowser::State::Empty);
    EXPECT_EQ(NewBrowserProcesses(), std::set<int>());

    BrowserWorld::site().page("/start/albums", HtmlPage("albums", "<p>first use</p>"));
    const QString address = BrowserWorld::address("www.yupoo.com", "/start/albums");
    const auto text = RunOnWorker<QString>(
        [this, address] { return bridge->capturePageText(address, 20000); }, 60s);
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(*text, QStringLiteral("<p>first use</p>"));
    EXPECT_TRUE(env->started());
    EXPECT_TRUE(bridge->host().isReady());
    EXPECT_NE(NewBrowserProcesses(), std::set<int>());
}

TEST_F(WindowStart, ALoginFromTheMenuStartsTheBrowser) {
    ASSERT_FALSE(env->started());
    const LoginItem* weibo = FindLoginItem(32794);
    ASSERT_NE(weibo, nullptr);
    window->action(weibo->commandId)->trigger();
    CDlgWebOpen* login = window->logins()->loginWindow();
    ASSERT_NE(login, nullptr);
    ASSERT_TRUE(WaitFor([login] { return login->browser().isReady(); }, 60s));
    EXPECT_TRUE(env->started());
    EXPECT_NE(NewBrowserProcesses(), std::set<int>());
    // The login window has a page of its own: the invisible host still waits for a job.
    EXPECT_EQ(bridge->host().state(), CWebBrowser::State::Empty);
    login->reject();
}

} // namespace
} // namespace phodex
