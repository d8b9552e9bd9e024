// SPDX-License-Identifier: MIT
// The login windows: opening, the close timer, the QQ Zone token, Enter in
// the address field, and a login whose cookies the next listing sends.
#include "browser/addressbar.h"
#include "browser/dlgweb.h"
#include "browser/dlgwebopen.h"
#include "browser/loginlauncher.h"
#include "browserworld.h"
#include "core/seams/browserbridge.h"
#include "core/session.h"
#include "net/cookiejar.h"
#include "net/fetch.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace phodex {
namespace {

using namespace std::chrono_literals;
using test::BrowserWorld;
using test::HtmlPage;
using test::WaitFor;

bool ShowsPage(CWebBrowser& browser, const QString& title) {
    return WaitFor([&] { return browser.isReady() && browser.title() == title; }, 30s);
}

TEST(LoginWindow, ClosedOnAQqPageItKeepsALongEnoughPageToken) {
    struct Case {
        const char* host;
        const char* token;
        bool kept;
    } cases[] = {
        {"user.qzone.qq.com", "0123456789abcdef0123456789abcdef", true},
        {"user.qzone.qq.com", "0123456789abcdef0123", false},       // 20 characters: no token
        {"www.moko.cc", "0123456789abcdef0123456789abcdef", false}, // no QQ page
    };
    int n = 0;
    for (const Case& c : cases) {
        const std::string path = "/token/" + std::to_string(++n);
        BrowserWorld::site().page(
            path, HtmlPage("space", std::string("<script>window.g_qzonetoken = \"") + c.token +
                                        "\";</script><p>space</p>"));
        Session session;
        session.siteValues().setValue(kQzonePageTokenKey, QStringLiteral("earlier"));
        CDlgWebOpen window(BrowserWorld::env(), &session);
        window.setAddress(BrowserWorld::address(c.host, path.c_str()));
        window.show();
        ASSERT_TRUE(ShowsPage(window.browser(), QStringLiteral("space"))) << path;
        window.reject(); // the user's close
        ASSERT_TRUE(WaitFor([&] { return !window.isVisible(); }, 10s));
        EXPECT_EQ(session.siteValues().value(kQzonePageTokenKey),
                  c.kept ? QString::fromLatin1(c.token) : QStringLiteral("earlier"))
            << path;
    }
}

TEST(LoginWindow, LoginModeFourClosesByItselfWithResultOne) {
    BrowserWorld::site().page("/mode4", HtmlPage("wsxc", "<p>login</p>"));
    CDlgWebOpen window(BrowserWorld::env(), nullptr);
    window.setAddress(BrowserWorld::address("www.szwego.com", "/mode4"));
    window.setCloseAfter(4);
    window.setTickMs(20);
    QSignalSpy finished(&window, &QDialog::finished);
    window.open();
    ASSERT_TRUE(WaitFor([&] { return !finished.isEmpty(); }, 30s));
    EXPECT_EQ(finished.first().first().toInt(), 1);
    EXPECT_EQ(window.ticks(), 4);
    EXPECT_FALSE(window.isVisible());
}

TEST(LoginWindow, WithoutAnAddressItShowsTheClipboardAndEnterOpensTheField) {
    QGuiApplication::clipboard()->setText(QStringLiteral("text on the clipboard"));
    const QString clipboard = QGuiApplication::clipboard()->text();
    ASSERT_EQ(clipboard, QStringLiteral("text on the clipboard"));
    BrowserWorld::site().page("/typed", HtmlPage("typed", "<p>typed</p>"));
    CDlgWebOpen window(BrowserWorld::env(), nullptr);
    window.show();
    ASSERT_TRUE(WaitFor([&] { return window.browser().isReady(); }, 30s));
    QLineEdit* field = window.addressBar()->field();
    EXPECT_EQ(field->text(), clipboard);
    EXPECT_EQ(window.browser().currentAddress(), QString()); // nothing opened

    const QString typed = BrowserWorld::address("www.moko.cc", "/typed");
    field->setText(typed);
    QTest::keyClick(field, Qt::Key_Return);
    ASSERT_TRUE(ShowsPage(window.browser(), QStringLiteral("typed")));
    EXPECT_EQ(window.browser().currentAddress(), typed);
    EXPECT_EQ(BrowserWorld::site().countOf("/typed"), 1);
}

TEST(LoginWindow, ResizingKeepsTheButtonRightAndTheFieldFivePixelsShortOfIt) {
    CDlgWebOpen window(BrowserWorld::env(), nullptr);
    window.show();
    const QWidget* field = window.addressBar()->field();
    const QWidget* button = window.addressBar()->openButton();
    for (const QSize size : {QSize(900, 600), QSize(1300, 800)}) {
        window.resize(size);
        QApplication::processEvents();
        const QRect buttonRect(button->mapTo(&window, QPoint(0, 0)), button->size());
        const QRect fieldRect(field->mapTo(&window, QPoint(0, 0)), field->size());
        EXPECT_EQ(window.width() - buttonRect.right(),
                  1 + window.layout()->contentsMargins().right());
        EXPECT_EQ(buttonRect.left() - fieldRect.right() - 1, 5);
    }
    ASSERT_TRUE(WaitFor([&] { return window.browser().view() != nullptr; }, 30s));
    const QWidget* area = window.browser().view();
    window.resize(1000, 700);
    QApplication::processEvents();
    const QRect view(area->mapTo(&window, QPoint(0, 0)), area->size());
    EXPECT_EQ(window.height() - view.bottom(), 1 + window.layout()->contentsMargins().bottom());
    EXPECT_EQ(window.width() - view.right(), 1 + window.layout()->contentsMargins().right());
}

TEST(BrowserLoginWindow, OpensItsAddressTitledAfterThePageAndOpensTypedAddresses) {
    BrowserWorld::site().page("/edge/first", HtmlPage("first page", "<p>1</p>"));
    BrowserWorld::site().page("/edge/second", HtmlPage("second page", "<p>2</p>"));
    CDlgWeb window(BrowserWorld::env());
    window.setAddress(BrowserWorld::address("huaban.com", "/edge/first"));
    window.open();
    EXPECT_TRUE(window.isModal());
    ASSERT_TRUE(ShowsPage(window.browser(), QStringLiteral("first page")));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("first page"));

    // Without a scheme the address is taken for a plain web address.
    window.addressBar()->setText(QStringLiteral("  huaban.com/edge/second "));
    QTest::mouseClick(window.addressBar()->openButton(), Qt::LeftButton);
    ASSERT_TRUE(ShowsPage(window.browser(), QStringLiteral("second page")));
    EXPECT_EQ(window.browser().currentAddress(), QStringLiteral("http://huaban.com/edge/second"));
    const auto request = BrowserWorld::site().lastRequestTo("/edge/second");
    ASSERT_TRUE(request.has_value());
    EXPECT_FALSE(request->https);
}

TEST(LoginMenu, OneModelessLoginWindowAtATimeAndModalOnesOfTheirOwn) {
    QWidget owner;
    Session session;
    LoginLauncher launcher(BrowserWorld::env(), &session, &owner);
    const LoginRequest request{QStringLiteral("10001"), 0, QStringLiteral("https://home.test/")};

    launcher.open(*FindLoginItem(32781), request, true);
    QPointer<CDlgWebOpen> first = launcher.loginWindow();
    ASSERT_TRUE(first);
    EXPECT_EQ(first->parentWidget(), &owner);
    EXPECT_EQ(first->address(), QStringLiteral("https://user.qzone.qq.com/10001"));

    CDlgWebOpen* modal =
        launcher.openSiteLogin(QStringLiteral("https://weibo.com/login.php"), false);
    EXPECT_TRUE(first.isNull()); // the next login destroys the modeless window
    EXPECT_EQ(launcher.loginWindow(), nullptr);
    EXPECT_EQ(modal->parentWidget(), nullptr);
    EXPECT_TRUE(modal->isModal());
    QPointer<CDlgWebOpen> closing = modal;
    modal->done(0);
    EXPECT_TRUE(WaitFor([&] { return closing.isNull(); }, 10s)); // gone once closed

    launcher.open(*FindLoginItem(32794), request, true);
    QPointer<CDlgWebOpen> second = launcher.loginWindow();
    launcher.open(*FindLoginItem(32817), request, true);
    EXPECT_TRUE(second.isNull()); // a browser login window too destroys it
}

TEST(LoginMenu, ALoginsCookiesGoWithTheNextListingOfThatSite) {
    BrowserWorld::site().get("/login.php", [](const httplib::Request&, httplib::Response& res) {
        res.headers.emplace("Set-Cookie", "SUB=s1; Path=/; HttpOnly");
        res.headers.emplace("Set-Cookie", "SUBP=p1; Path=/; Max-Age=86400");
        res.set_content(HtmlPage("weibo", "<p>logged in</p>"), "text/html; charset=utf-8");
    });
    BrowserWorld::site().page("/albums", "[]", "application/json");
    const QString store = BrowserWorld::scratchFolder() + QStringLiteral("/cookies.txt");
    CookieJar::instance().setStorePath(store);

    QWidget owner;
    LoginLauncher launcher(BrowserWorld::env(), nullptr, &owner);
    launcher.open(*FindLoginItem(32794), LoginRequest{}, true);
    ASSERT_TRUE(launcher.loginWindow());
    ASSERT_TRUE(ShowsPage(launcher.loginWindow()->browser(), QStringLiteral("weibo")));
    const QUrl site(QStringLiteral("https://weibo.com/"));
    ASSERT_TRUE(WaitFor(
        [&] {
            const QByteArray header = CookieJar::instance().cookieHeaderFor(site);
            return header.contains("SUB=s1") && header.contains("SUBP=p1");
        },
        10s));
    launcher.loginWindow()->reject();

    CUrlResponse response;
    ASSERT_TRUE(
        Fetch(response, CUrlRequest(BrowserWorld::address("weibo.com", "/albums"), {}, 10000), 0));
    const auto request = BrowserWorld::site().lastRequestTo("/albums");
    ASSERT_TRUE(request.has_value());
    const std::string sent = request->header("Cookie");
    EXPECT_NE(sent.find("SUB=s1"), std::string::npos) << sent;
    EXPECT_NE(sent.find("SUBP=p1"), std::string::npos) << sent;

    // The program writes what the jar's file still lacks as it exits; the
    // next run reads the file.
    ASSERT_TRUE(CookieJar::instance().flush());
    CookieJar nextRun;
    ASSERT_TRUE(nextRun.load(store));
    const QByteArray kept = nextRun.cookieHeaderFor(site);
    EXPECT_TRUE(kept.contains("SUB=s1") && kept.contains("SUBP=p1")) << kept.constData();
}

} // namespace
} // namespace phodex
