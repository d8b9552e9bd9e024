// SPDX-License-Identifier: MIT
// The window's login menu with the real browser: every item opens its window
// on its first page, and a login made there goes with the window's next
// listing of that site.
#include "browser/addressbar.h"
#include "browser/dlgweb.h"
#include "browser/dlgwebopen.h"
#include "browser/loginlauncher.h"
#include "browserwindow.h"
#include "net/cookiejar.h"
#include "testsite.h"
#include "ui/commandids.h"
#include "ui/productpages.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace phodex {
namespace {

using namespace std::chrono_literals;
using test::BrowserWorld;
using test::HtmlPage;
using test::WaitFor;

class WindowLogin : public test::BrowserWindowTest {
protected:
    void SetUp() override {
        test::AddTestSite(table);
        test::ServeTestSite(BrowserWorld::site(), "tester",
                            test::TestOwner{"tester", {{"a1", "春天", 3}}});
        StartWindow(BrowserWorld::env());
    }

    QComboBox* Address() { return qobject_cast<QComboBox*>(window->control(Control::Address)); }

    // The window an item opened: the modeless site login window, or the
    // browser login window the main window owns.
    QDialog* OpenedWindow(const LoginItem& item) {
        if (item.window == LoginWindow::Site)
            return window->logins()->loginWindow();
        const auto browsers = window->findChildren<CDlgWeb*>();
        return browsers.isEmpty() ? nullptr : browsers.last();
    }
    static QString AddressOf(QDialog* opened) {
        if (auto* site = qobject_cast<CDlgWebOpen*>(opened))
            return site->address();
        return qobject_cast<CDlgWeb*>(opened)->address();
    }
    static CWebBrowser& BrowserOf(QDialog* opened) {
        if (auto* site = qobject_cast<CDlgWebOpen*>(opened))
            return site->browser();
        return qobject_cast<CDlgWeb*>(opened)->browser();
    }
    static void CloseAndForget(QDialog* opened) {
        QPointer<QDialog> closing = opened;
        opened->reject();
        delete closing.data(); // a modeless site window is kept until the next login
    }

    // The Get List button for the test site's owner, and a wait for the end.
    void ListTester() {
        qobject_cast<QComboBox*>(window->control(Control::Category))
            ->setCurrentIndex(categoryIndex(test::kTestSiteListType));
        Address()->setEditText(test::TestSiteAddress("tester"));
        qobject_cast<QPushButton*>(window->control(Control::GetList))->click();
        ASSERT_TRUE(WaitFor(
            [this] {
                return session.listState.load() == kListIdle &&
                       qobject_cast<QLabel*>(window->control(Control::StatusLine))
                           ->text()
                           .startsWith(QStringLiteral("获取相册列表完成"));
            },
            30s));
    }
};

TEST_F(WindowLogin, EveryLoginItemOpensItsWindowOnItsFirstPage) {
    const QString typed = BrowserWorld::address("album.testsite.example", "/typed");
    Address()->setEditText(QStringLiteral("  ") + typed + QStringLiteral(" "));
    const LoginRequest request{typed, 0, QLatin1String(kProductHome)};
    for (const LoginItem& item : LoginItems()) {
        SCOPED_TRACE(item.caption);
        QAction* action = window->action(item.commandId);
        ASSERT_NE(action, nullptr);
        ASSERT_TRUE(action->isEnabled());
        action->trigger();
        QDialog* opened = OpenedWindow(item);
        ASSERT_NE(opened, nullptr);
        EXPECT_TRUE(opened->isVisible());
        EXPECT_EQ(AddressOf(opened), LoginInitialPage(item, request));
        // The site login window is modeless by default, the browser one modal.
        EXPECT_EQ(opened->isModal(), item.window == LoginWindow::Browser);
        CloseAndForget(opened);
    }

    // With "登录方式1" cleared the site login window is modal and has no owner.
    window->action(Command::LoginModeless)->trigger();
    ASSERT_FALSE(window->modelessLogin());
    window->action(FindLoginItem(32789)->commandId)->trigger(); // 百度
    EXPECT_EQ(window->logins()->loginWindow(), nullptr);
    CDlgWebOpen* modal = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (auto* candidate = qobject_cast<CDlgWebOpen*>(top); candidate && candidate->isVisible())
            modal = candidate;
    }
    ASSERT_NE(modal, nullptr);
    EXPECT_TRUE(modal->isModal());
    EXPECT_EQ(modal->parentWidget(), nullptr);
    EXPECT_EQ(modal->address(), QStringLiteral("https://passport.baidu.com/"));
    CloseAndForget(modal);
}

TEST_F(WindowLogin, ALoginFromTheMenuGoesWithTheNextListingOfThatSite) {
    struct Case {
        int item;           // the login item
        bool typeInWindow;  // the user types the login page into the window
        const char* cookie; // set by the page's reply, HttpOnly
        const char* script; // set by the page's script
    } cases[] = {
        {32795, true, "sid=custom", "seen=custom"}, // 自定义登录: a site login window
        {32790, false, "sid=wsxc", "seen=wsxc"},    // 微商相册: the browser login window
    };
    CookieJar::instance().setStorePath(home.filePath(QStringLiteral("cookies.txt")));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item);
        const std::string path = "/login/" + std::to_string(c.item);
        BrowserWorld::site().get(path, [c](const httplib::Request&, httplib::Response& res) {
            res.headers.emplace("Set-Cookie", std::string(c.cookie) + "; Path=/; HttpOnly");
            res.set_content(HtmlPage("logged in", std::string("<script>document.cookie = \"") +
                                                      c.script +
                                                      "; path=/\";</script><p>welcome</p>"),
                            "text/html; charset=utf-8");
        });
        const QString loginPage =
            QStringLiteral("http://album.testsite.example") + QString::fromStdString(path);
        Address()->setEditText(c.typeInWindow ? QString() : loginPage);
        const LoginItem* item = FindLoginItem(c.item);
        window->action(item->commandId)->trigger();
        QDialog* opened = OpenedWindow(*item);
        ASSERT_NE(opened, nullptr);
        if (c.typeInWindow) {
            auto* site = qobject_cast<CDlgWebOpen*>(opened);
            ASSERT_TRUE(WaitFor([&] { return site->browser().isReady(); }, 30s));
            QLineEdit* field = site->addressBar()->field();
            field->setText(loginPage);
            QTest::keyClick(field, Qt::Key_Return);
        }
        ASSERT_TRUE(WaitFor(
            [&] {
                return BrowserOf(opened).isReady() &&
                       BrowserOf(opened).title() == QStringLiteral("logged in");
            },
            30s));
        const QUrl site(QStringLiteral("http://album.testsite.example/"));
        ASSERT_TRUE(WaitFor(
            [&] {
                const QByteArray header = CookieJar::instance().cookieHeaderFor(site);
                return header.contains(c.cookie) && header.contains(c.script);
            },
            10s));
        CloseAndForget(opened);

        ListTester();
        const auto listing = BrowserWorld::site().lastRequestTo("/u/tester");
        ASSERT_TRUE(listing.has_value());
        const std::string sent = listing->header("Cookie");
        EXPECT_NE(sent.find(c.cookie), std::string::npos) << sent;
        EXPECT_NE(sent.find(c.script), std::string::npos) << sent;
    }
}

} // namespace
} // namespace phodex
