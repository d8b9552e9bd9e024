// SPDX-License-Identifier: MIT
// The login menu's items and the pages their windows open first.
#include "browser/logintable.h"
#include "support/testtls.h"

#include <QUrl>

#include <gtest/gtest.h>

namespace phodex {
namespace {

QString PageFor(int commandId, const QString& typed, int subTypeEntry = 0) {
    const LoginItem* item = FindLoginItem(commandId);
    if (!item) {
        ADD_FAILURE() << "no login item " << commandId;
        return {};
    }
    return LoginInitialPage(
        *item, LoginRequest{typed, subTypeEntry, QStringLiteral("https://home.test/")});
}

TEST(LoginTable, QqItemOpensTheSpaceOfATypedQqNumber) {
    struct Case {
        const char* typed;
        int subTypeEntry;
        const char* page;
    } cases[] = {
        {"12345", 0, "https://user.qzone.qq.com/12345"},
        {" 12345 ", 0, "https://user.qzone.qq.com/12345"},
        {"12345", 1, "https://user.qzone.qq.com/"},
        {"12345a", 0, "https://user.qzone.qq.com/"},
        {"", 0, "https://qzone.qq.com/"},
        {"   ", 2, "https://qzone.qq.com/"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PageFor(32781, QString::fromLatin1(c.typed), c.subTypeEntry),
                  QString::fromLatin1(c.page))
            << c.typed << " / " << c.subTypeEntry;
}

TEST(LoginTable, BrowserItemsPreferTheTypedAddress) {
    const QString typed = QStringLiteral(" https://x.yupoo.com/albums/1 ");
    for (int id : {32790, 32792, 32813, 32817})
        EXPECT_EQ(PageFor(id, typed), typed.trimmed()) << id;
    EXPECT_EQ(PageFor(32790, QString()), QString()); // 微商相册 opens what was typed, even nothing
    EXPECT_EQ(PageFor(32792, QString()), QStringLiteral("https://www.yupoo.com/account/login/"));
    EXPECT_EQ(PageFor(32813, QString()), QStringLiteral("https://huaban.com/"));
    EXPECT_EQ(PageFor(32817, QString()), QStringLiteral("https://www.instagram.com/"));
}

TEST(LoginTable, SiteItemsOpenTheirLoginPagesWhateverWasTyped) {
    const QString typed = QStringLiteral("https://www.moko.cc/post/1.html");
    EXPECT_EQ(
        PageFor(32793, typed),
        QStringLiteral("https://www.moko.cc/jsps/common/login.jsp?tourl=https%3A//www.moko.cc/"));
    EXPECT_EQ(PageFor(32794, typed), QStringLiteral("https://weibo.com/login.php"));
    EXPECT_EQ(PageFor(32803, typed), QStringLiteral("https://login.taobao.com/member/login.jhtml"));
    EXPECT_EQ(PageFor(32815, typed), QStringLiteral("https://passport.hupu.com/login"));
    EXPECT_EQ(PageFor(32795, typed), QStringLiteral("https://home.test/"));
}

TEST(LoginTable, EveryItemHasItsWindowAndAPageTheTestSitesCanServe) {
    int browserWindows = 0;
    for (const LoginItem& item : LoginItems()) {
        EXPECT_EQ(FindLoginItem(item.commandId), &item);
        browserWindows += item.window == LoginWindow::Browser;
        const QUrl page(PageFor(item.commandId, QString()));
        if (item.page == LoginPage::Typed || item.page == LoginPage::ProductHome)
            continue;
        EXPECT_EQ(page.scheme(), QStringLiteral("https")) << item.commandId;
        EXPECT_TRUE(test::testCertificateCovers(page.host())) << qPrintable(page.host());
    }
    EXPECT_EQ(LoginItems().size(), 13u);
    EXPECT_EQ(browserWindows, 4);
    EXPECT_EQ(FindLoginItem(32796), nullptr); // "登录方式1" is a switch, no login
}

} // namespace
} // namespace phodex
