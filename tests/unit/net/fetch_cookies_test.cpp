// SPDX-License-Identifier: MIT
// The shared jar on the wire: cookies stored from replies and sent with requests.
#include "fetchfixture.h"

#include "net/cookiejar.h"
#include "net/webops.h"

namespace phodex::test {
namespace {

using FetchCookies = FetchTest;
PHODEX_BOTH_SCHEMES(FetchCookies);

// The jar lives as long as the process, so each test keeps to a host of its own.
QString hostFor(const char* test, bool https) {
    return QStringLiteral("%1-%2.douban.com").arg(QLatin1String(test), https ? u"s" : u"p");
}

TEST_P(FetchCookies, RepliesFillTheJarAndRequestsCarryIt) {
    const QString host = hostFor("fill", https());
    site.mountFaultRoutes();
    site.page("/next", "ok");
    CUrlResponse response;
    ASSERT_TRUE(Fetch(response, CUrlRequest(url("/fault/set-cookie", host), {}, 10000), 0));
    EXPECT_EQ(GetCookies(url("/", host)), u"a=1; b=2");
    ASSERT_TRUE(Fetch(response, CUrlRequest(url("/next", host), {}, 10000), 0));
    EXPECT_EQ(site.lastRequestTo("/next")->header("Cookie"), "a=1; b=2");
}

TEST_P(FetchCookies, NoCookiesFlagNeitherSendsNorStores) {
    const QString host = hostFor("nocookies", https());
    CookieJar::instance().storeSetCookie(QUrl(url("/", host)), "kept=1; Path=/");
    site.get("/set", FakeSite::setCookies({"fresh=2; Path=/"}));
    CUrlResponse response;
    ASSERT_TRUE(Fetch(response, CUrlRequest(url("/set", host), {}, 10000), kFetchNoCookies));
    EXPECT_EQ(site.lastRequestTo("/set")->header("Cookie"), "");
    EXPECT_EQ(GetCookies(url("/", host)), u"kept=1");
}

// A login that sets its cookie on the way through a redirect is logged in at the end.
TEST_P(FetchCookies, CookiesSetByARedirectGoWithTheNextHop) {
    const QString host = hostFor("redirect", https());
    site.get("/login", [](const httplib::Request&, httplib::Response& res) {
        res.headers.emplace("Set-Cookie", "session=s1; Path=/");
        res.set_redirect("/home", 302);
    });
    site.page("/home", "welcome");
    CUrlResponse response;
    ASSERT_TRUE(Fetch(response, CUrlRequest(url("/login", host), {}, 10000), 0));
    EXPECT_EQ(response.body, "welcome");
    EXPECT_EQ(site.lastRequestTo("/home")->header("Cookie"), "session=s1");
}

// A caller's own Cookie line goes first and wins; the jar adds what it lacks.
TEST_P(FetchCookies, ACallersCookieLineIsMergedWithTheJar) {
    const QString host = hostFor("merge", https());
    CookieJar::instance().storeSetCookie(QUrl(url("/", host)), "a=1; Path=/");
    CookieJar::instance().storeSetCookie(QUrl(url("/", host)), "b=2; Path=/");
    site.page("/m", "ok");
    CUrlRequest req(url("/m", host), {}, 10000);
    req.headers = QStringLiteral("Referer: x\r\nCookie: x=9; a=mine");
    CUrlResponse response;
    ASSERT_TRUE(Fetch(response, req, 0));
    const ReceivedRequest sent = *site.lastRequestTo("/m");
    EXPECT_EQ(sent.header("Cookie"), "x=9; a=mine; b=2");
    EXPECT_EQ(sent.headers.count("Cookie"), 1u);
}

// Failing transfers do not take cookies away.
TEST_P(FetchCookies, FaultsLoseNothingFromTheJar) {
    const QString host = hostFor("faults", https());
    site.mountFaultRoutes();
    CUrlResponse response;
    ASSERT_TRUE(Fetch(response, CUrlRequest(url("/fault/set-cookie", host), {}, 10000), 0));
    for (const char* path : {"/fault/reset", "/fault/stall", "/fault/204", "/fault/500"}) {
        CUrlRequest req(url(path, host), {}, 1500);
        Fetch(response, req, 0);
        EXPECT_EQ(site.lastRequestTo(path)->header("Cookie"), "a=1; b=2") << path;
    }
    EXPECT_EQ(GetCookies(url("/", host)), u"a=1; b=2");
}

TEST(GetCookies, AnythingButAWebAddressHasNoCookies) {
    for (const char* address : {"", "no address", "/relative/path"})
        EXPECT_EQ(GetCookies(QString::fromLatin1(address)), u"") << address;
}

} // namespace
} // namespace phodex::test
