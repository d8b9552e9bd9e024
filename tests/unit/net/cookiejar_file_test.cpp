// SPDX-License-Identifier: MIT
#include "net/cookiejar.h"
#include "net/netscapecookies.h"
#include "support/eventually.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>

namespace phodex {
namespace {

using test::Eventually;

// The jar's content in a form that compares whole cookies, attributes included.
std::vector<std::string> linesOf(const QList<QNetworkCookie>& cookies) {
    std::vector<std::string> lines;
    for (const QNetworkCookie& cookie : cookies)
        lines.push_back(formatNetscapeLine(cookie).toStdString());
    std::sort(lines.begin(), lines.end());
    return lines;
}

unsigned modeOf(const QString& path) {
    struct stat info {};
    if (stat(QFile::encodeName(path).constData(), &info) != 0)
        return 0;
    return info.st_mode & 07777;
}

// The file's cookies once the jar's writer has written `count` of them.
QList<QNetworkCookie> cookiesOnceWritten(const QString& path, int count) {
    QList<QNetworkCookie> cookies;
    Eventually([&] {
        cookies = readNetscapeFile(path).cookies;
        return cookies.size() == count;
    });
    return cookies;
}

bool writeFile(const QString& path, const QByteArray& content) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

TEST(CookieJarFile, ChangesReachTheFileAndLoadBackWhole) {
    QTemporaryDir dir;
    const QString path = dir.filePath(kCookieFileName);
    CookieJar jar;
    ASSERT_TRUE(jar.load(path)); // a first run: no file yet
    jar.storeSetCookie(QUrl("https://user.qzone.qq.com/"),
                       "p_skey=s1; Domain=qq.com; Path=/; Secure; HttpOnly");
    jar.storeSetCookie(QUrl("http://www.douban.com/people/x/"),
                       "bid=b1; Expires=Fri, 01 Jan 2100 00:00:00 GMT");
    jar.storeSetCookie(QUrl("http://photo.163.com/"), "sess=host-only; Path=/");
    jar.storeSetCookie(QUrl("http://photo.163.com/"),
                       "old=x; Expires=Wed, 01 Jan 2020 00:00:00 GMT; Path=/");

    ASSERT_EQ(cookiesOnceWritten(path, 3).size(), 3);
    EXPECT_EQ(modeOf(path), 0600u);
    CookieJar reloaded;
    ASSERT_TRUE(reloaded.load(path));
    EXPECT_EQ(linesOf(reloaded.allCookies()), linesOf(jar.allCookies()));
    EXPECT_EQ(reloaded.allCookies().size(), 3);
    // Session cookies survive a restart: the logins live in them.
    EXPECT_EQ(reloaded.cookieHeaderFor(QUrl("https://h5.qzone.qq.com/")), "p_skey=s1");
    EXPECT_EQ(reloaded.cookieHeaderFor(QUrl("http://photo.163.com/a")), "sess=host-only");
    EXPECT_EQ(reloaded.cookieHeaderFor(QUrl("http://x.photo.163.com/a")), "");

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray content = file.readAll();
    EXPECT_TRUE(content.contains("#HttpOnly_.qq.com\tTRUE\t/\tTRUE\t0\tp_skey\ts1\n"));
    EXPECT_TRUE(
        content.contains("\nwww.douban.com\tFALSE\t/people/x/\tFALSE\t4102444800\tbid\tb1\n"));
}

TEST(CookieJarFile, RemovalsAndReplacementsAreSavedToo) {
    QTemporaryDir dir;
    const QString path = dir.filePath(kCookieFileName);
    CookieJar jar;
    jar.setStorePath(path);
    jar.storeSetCookie(QUrl("http://qq.com/"), "a=1; Path=/\nb=2; Path=/");
    jar.storeSetCookie(QUrl("http://qq.com/"), "a=3; Path=/");
    jar.remove(jar.cookiesFor(QUrl("http://qq.com/")).constLast());
    ASSERT_TRUE(jar.flush());
    CookieJar reloaded;
    ASSERT_TRUE(reloaded.load(path));
    EXPECT_EQ(reloaded.cookieHeaderFor(QUrl("http://qq.com/")),
              jar.cookieHeaderFor(QUrl("http://qq.com/")));
    EXPECT_EQ(reloaded.allCookies().size(), 1);
}

TEST(CookieJarFile, ReplacesAGroupOrWorldReadableFileWithAPrivateOne) {
    QTemporaryDir dir;
    const QString path = dir.filePath(kCookieFileName);
    ASSERT_TRUE(writeFile(path, ".qq.com\tTRUE\t/\tFALSE\t0\tuin\to1\n"));
    ASSERT_EQ(chmod(QFile::encodeName(path).constData(), 0644), 0);
    CookieJar jar;
    ASSERT_TRUE(jar.load(path));
    jar.storeSetCookie(QUrl("http://qq.com/"), "skey=k; Path=/");
    ASSERT_EQ(cookiesOnceWritten(path, 2).size(), 2);
    EXPECT_EQ(modeOf(path), 0600u);
    EXPECT_EQ(jar.cookieHeaderFor(QUrl("http://qq.com/")), "uin=o1; skey=k");
}

TEST(CookieJarFile, UnreadableFileIsReportedAndNotOverwritten) {
    QTemporaryDir dir;
    // A folder where the file should be: exists, cannot be read as a file.
    const QString path = dir.filePath(kCookieFileName);
    ASSERT_TRUE(QDir(dir.path()).mkdir(kCookieFileName));
    CookieJar jar;
    EXPECT_FALSE(jar.load(path));
    EXPECT_TRUE(jar.storePath().isEmpty());
    jar.storeSetCookie(QUrl("http://qq.com/"), "skey=k; Path=/");
    EXPECT_FALSE(jar.flush());
}

TEST(CookieJarFile, ImportsABrowserExportSkippingWhatIsNotACookie) {
    QTemporaryDir dir;
    const QString exported = dir.filePath("export.txt");
    // What browser extensions write: CRLF lines, comments, blank lines, HttpOnly
    // lines, a fractional expiry; plus the damage a hand edit leaves.
    const QByteArray content =
        "\xEF\xBB\xBF# Netscape HTTP Cookie File\r\n"
        "# http://curl.haxx.se/rfc/cookie_spec.html\r\n"
        "# This is a generated file!  Do not edit.\r\n"
        "\r\n"
        "#HttpOnly_.qq.com\tTRUE\t/\tFALSE\t0\tskey\t@AbCdEf\r\n"
        ".qq.com\tTRUE\t/\tFALSE\t4102444800\tuin\to0123456\r\n"
        "#HttpOnly_user.qzone.qq.com\tFALSE\t/\tTRUE\t4102444800.5\tp_skey\tPs-1*x\r\n"
        "   \r\n"
        ".weibo.com\tTRUE\t/\tFALSE\t4102444800\tSUB\t_2A25\r\n"
        ".weibo.com\tTRUE\t/\tFALSE\t4102444800\tSUB\r\n"     // six fields
        ".douban.com\tTRUE\t/\tFALSE\tsoon\tbid\tx\r\n"       // expiry not a number
        ".douban.com\tTRUE\tpeople\tFALSE\t0\tbid\tx\r\n"     // path not absolute
        ".douban.com\tMAYBE\t/\tFALSE\t0\tbid\tx\r\n"         // flag not a flag
        ".com\tTRUE\t/\tFALSE\t0\ttld\tx\r\n"                 // a public suffix
        ".douban.com\tTRUE\t/\tFALSE\t1000000000\told\tx\r\n" // expired in 2001
        ".douban.com\tTRUE\t/\tFALSE\t0\tbad;name\tx\r\n"     // would split a header
        "# .douban.com\tTRUE\t/\tFALSE\t0\tcommented\tx\r\n"
        "www.douban.com\tFALSE\t/\tFALSE\t0\tck\tvalue with spaces";
    ASSERT_TRUE(writeFile(exported, content));

    CookieJar jar;
    EXPECT_EQ(jar.importNetscape(exported), 5);
    EXPECT_EQ(jar.cookieHeaderFor(QUrl("http://h5.qzone.qq.com/")), "skey=@AbCdEf; uin=o0123456");
    EXPECT_EQ(jar.cookieHeaderFor(QUrl("https://user.qzone.qq.com/")),
              "skey=@AbCdEf; uin=o0123456; p_skey=Ps-1*x");
    EXPECT_EQ(jar.cookieHeaderFor(QUrl("http://user.qzone.qq.com/")), "skey=@AbCdEf; uin=o0123456");
    EXPECT_EQ(jar.cookieHeaderFor(QUrl("https://photo.weibo.com/")), "SUB=_2A25");
    EXPECT_EQ(jar.cookieHeaderFor(QUrl("https://www.douban.com/")), "ck=value with spaces");
    EXPECT_EQ(jar.cookieHeaderFor(QUrl("https://movie.douban.com/")), "");

    const QList<QNetworkCookie> pskey = jar.cookiesFor(QUrl("https://user.qzone.qq.com/"));
    ASSERT_EQ(pskey.size(), 3);
    EXPECT_TRUE(pskey[2].isHttpOnly());
    EXPECT_TRUE(pskey[2].isSecure());
    EXPECT_EQ(pskey[2].expirationDate().toSecsSinceEpoch(), 4102444800);

    EXPECT_EQ(jar.importNetscape(exported), 0); // nothing new the second time
    EXPECT_EQ(jar.importNetscape(dir.filePath("missing.txt")), -1);
}

TEST(CookieJarFile, ImportedCookiesAreSavedToTheStoreFile) {
    QTemporaryDir dir;
    const QString exported = dir.filePath("export.txt");
    ASSERT_TRUE(writeFile(exported, ".qq.com\tTRUE\t/\tFALSE\t0\tuin\to1\n"));
    CookieJar jar;
    ASSERT_TRUE(jar.load(dir.filePath(kCookieFileName)));
    ASSERT_EQ(jar.importNetscape(exported), 1);
    ASSERT_EQ(cookiesOnceWritten(dir.filePath(kCookieFileName), 1).size(), 1);
    CookieJar reloaded;
    ASSERT_TRUE(reloaded.load(dir.filePath(kCookieFileName)));
    EXPECT_EQ(reloaded.cookieHeaderFor(QUrl("http://qq.com/")), "uin=o1");
}

} // namespace
} // namespace phodex
