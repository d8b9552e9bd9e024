// SPDX-License-Identifier: MIT
// The browser profile's cookies and the cookie jar of the engine are one.
#include "browser/browserenv.h"
#include "browser/webbrowser.h"
#include "browserworld.h"
#include "net/cookiejar.h"
#include "net/fetch.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <thread>

namespace phodex {
namespace {

using namespace std::chrono_literals;
using test::BrowserWorld;
using test::HtmlPage;
using test::WaitFor;

std::string CookieHeaderAt(const std::string& path) {
    const auto request = BrowserWorld::site().lastRequestTo(path);
    return request ? request->header("Cookie") : std::string("(no request)");
}

bool JarSends(const QString& address, const QString& pair) {
    return QString::fromLatin1(CookieJar::instance().cookieHeaderFor(QUrl(address)))
        .split(QStringLiteral("; "))
        .contains(pair);
}

// A page whose answer carries Set-Cookie headers.
void CookiePage(const std::string& path, std::vector<std::string> setCookies) {
    BrowserWorld::site().get(path, [setCookies](const httplib::Request&, httplib::Response& res) {
        for (const std::string& value : setCookies)
            res.headers.emplace("Set-Cookie", value);
        res.set_content(HtmlPage("cookies", "<p>set</p>"), "text/html; charset=utf-8");
    });
}

TEST(BrowserCookies, CookiesTheJarHoldsAtStartAndGetsLaterAreSentByTheBrowser) {
    const QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("import.txt"));
    QFile out(file);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write("www.moko.cc\tFALSE\t/\tFALSE\t0\timported\tv1\n"
              "#HttpOnly_.moko.cc\tTRUE\t/\tTRUE\t4102444800\tsecret\tv2\n");
    out.close();
    ASSERT_EQ(CookieJar::instance().importNetscape(file), 2);

    // A profile made after the import, as at the program's start.
    BrowserSetup setup;
    setup.profileFolder = folder.filePath(QStringLiteral("profile"));
    setup.storageName = QStringLiteral("startup");
    BrowserEnvironment env(setup);
    CWebBrowser host(env);
    ASSERT_TRUE(test::MakeReady(host));
    BrowserWorld::site().page("/jar/first", HtmlPage("first", "x"));
    ASSERT_TRUE(test::Load(host, BrowserWorld::address("www.moko.cc", "/jar/first")));
    const std::string sent = CookieHeaderAt("/jar/first");
    EXPECT_NE(sent.find("imported=v1"), std::string::npos) << sent;
    EXPECT_NE(sent.find("secret=v2"), std::string::npos) << sent;

    // A reply to the engine, on a worker thread, while the browser runs.
    CookiePage("/jar/engine", {"fromengine=e1; Path=/"});
    std::thread([] {
        CUrlResponse response;
        Fetch(response, CUrlRequest(BrowserWorld::address("www.moko.cc", "/jar/engine"), {}, 10000),
              0);
    }).join();
    BrowserWorld::site().page("/jar/second", HtmlPage("second", "x"));
    ASSERT_TRUE(WaitFor(
        [&] {
            return test::Load(host, BrowserWorld::address("www.moko.cc", "/jar/second")) &&
                   CookieHeaderAt("/jar/second").find("fromengine=e1") != std::string::npos;
        },
        20s))
        << CookieHeaderAt("/jar/second");
}

TEST(BrowserCookies, CookiesAPageSetsAndDropsAreSetAndDroppedInTheJar) {
    CWebBrowser host(BrowserWorld::env());
    ASSERT_TRUE(test::MakeReady(host));
    const QString site = BrowserWorld::address("huaban.com", "/");
    CookiePage("/drop/set", {"keep=k1; Path=/", "gone=g1; Path=/; HttpOnly"});
    ASSERT_TRUE(test::Load(host, BrowserWorld::address("huaban.com", "/drop/set")));
    ASSERT_TRUE(WaitFor([&] { return JarSends(site, "gone=g1"); }, 10s));

    CookiePage("/drop/unset", {"gone=; Path=/; Max-Age=0", "keep=k2; Path=/"});
    ASSERT_TRUE(test::Load(host, BrowserWorld::address("huaban.com", "/drop/unset")));
    ASSERT_TRUE(WaitFor([&] { return JarSends(site, "keep=k2"); }, 10s));
    EXPECT_TRUE(WaitFor([&] { return !JarSends(site, "gone=g1"); }, 10s));
    EXPECT_FALSE(JarSends(site, "keep=k1"));
    EXPECT_TRUE(BrowserWorld::failureNotices().isEmpty());
}

} // namespace
} // namespace phodex
