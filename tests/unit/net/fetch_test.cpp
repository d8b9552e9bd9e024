// SPDX-License-Identifier: MIT
// The request engine against a loopback site: what is sent, what comes back.
#include "fetchfixture.h"

#include "net/agents.h"
#include "net/thismachine.h"
#include "testpaths.h"

namespace phodex::test {
namespace {

using FetchBasics = FetchTest;
PHODEX_BOTH_SCHEMES(FetchBasics);

TEST_P(FetchBasics, ZeroAttemptsMakeNoRequest) {
    site.page("/a", "hello");
    CUrlRequest req = request("/a");
    req.attempts = 0;
    CUrlResponse response;
    EXPECT_FALSE(Fetch(response, req, 0));
    EXPECT_TRUE(site.requests().empty());
    EXPECT_TRUE(pauses.sleeps().isEmpty());
}

TEST_P(FetchBasics, AddressesThatCannotBeFetchedFailWithoutARequest) {
    for (const char* address : {"not an address", "ftp://www.douban.com/a", "http://", ""}) {
        CUrlRequest req(QString::fromLatin1(address), QString(), 2000);
        CUrlResponse response;
        EXPECT_FALSE(Fetch(response, req, 0)) << address;
    }
    EXPECT_TRUE(site.requests().empty());
}

// The status code is never judged: a body is a body; an empty reply is not.
TEST_P(FetchBasics, ErrorPagesAreAcceptedAndEmptyRepliesRetried) {
    site.mountFaultRoutes();
    struct Case {
        const char* path;
        bool accepted;
        const char* body;
    } cases[] = {
        {"/fault/404", true, "<html>not found</html>"},
        {"/fault/500", true, "<html>server error</html>"},
        {"/fault/204", false, ""},
    };
    for (const Case& c : cases) {
        CUrlRequest req = request(c.path);
        req.attempts = 2;
        CUrlResponse response;
        const qsizetype pausesBefore = pauses.sleeps().size();
        EXPECT_EQ(Fetch(response, req, 0), c.accepted) << c.path;
        EXPECT_EQ(response.body, QByteArray(c.body)) << c.path;
        EXPECT_EQ(site.countOf(c.path), c.accepted ? 1 : 2) << c.path;
        EXPECT_EQ(pauses.sleeps().size() - pausesBefore, c.accepted ? 0 : 2) << c.path;
    }
}

TEST_P(FetchBasics, HeaderBlockIsTheFinalReplysWithTheStatusLineFirst) {
    site.mountFaultRoutes();
    CUrlRequest req = request("/fault/redirect");
    CUrlResponse response;
    response.headers = QStringLiteral("left over");
    ASSERT_TRUE(Fetch(response, req, 0));
    EXPECT_EQ(response.body, "end");
    EXPECT_TRUE(response.headers.startsWith(u"HTTP/1.1 200")) << response.headers.toStdString();
    EXPECT_FALSE(response.headers.contains(u"Location"));
    EXPECT_TRUE(response.headers.contains(u"\r\nContent-Length: 3\r\n"));
    EXPECT_TRUE(response.headers.endsWith(u"\r\n\r\n"));
    EXPECT_EQ(site.countOf("/fault/redirect*"), 4); // three hops and the end
}

TEST_P(FetchBasics, AgentAndExtraHeaderLinesAreSentAsGiven) {
    site.page("/h", "ok");
    struct Case {
        int flags;
        const char* agent;
    } cases[] = {{0, kChromeAgent}, {kFetchIeAgent, kIeAgent}};
    for (const Case& c : cases) {
        CUrlRequest req = request("/h");
        req.headers = QStringLiteral("Referer: https://www.douban.com/people/x/\r\n"
                                     "X-Requested-With: XMLHttpRequest\r\n"
                                     "Accept-Encoding: gzip, deflate");
        CUrlResponse response;
        ASSERT_TRUE(Fetch(response, req, c.flags));
        const ReceivedRequest sent = *site.lastRequestTo("/h");
        EXPECT_EQ(sent.header("User-Agent"), c.agent);
        EXPECT_EQ(sent.header("Referer"), "https://www.douban.com/people/x/");
        EXPECT_EQ(sent.header("X-Requested-With"), "XMLHttpRequest");
        EXPECT_EQ(sent.header("Accept-Encoding"), "gzip, deflate");
        EXPECT_EQ(sent.host, "www.douban.com");
        // Nothing the caller did not ask for.
        EXPECT_FALSE(sent.headers.count("Accept"));
        EXPECT_FALSE(sent.headers.count("Expect"));
    }
}

TEST_P(FetchBasics, PostBodiesArriveWhole) {
    site.post("/form", [](const httplib::Request& req, httplib::Response& res) {
        res.set_content("got " + std::to_string(req.body.size()), "text/plain");
    });
    for (int size : {2500, 2048, 1, 0}) {
        QByteArray body(size, 'x');
        for (int i = 0; i < size; ++i)
            body[i] = char('a' + i % 26);
        CUrlRequest req = request("/form");
        req.verb = QStringLiteral("POST");
        req.postData = body;
        req.headers = QStringLiteral("Content-Type: application/x-www-form-urlencoded");
        CUrlResponse response;
        ASSERT_TRUE(Fetch(response, req, 0)) << size;
        const ReceivedRequest sent = *site.lastRequestTo("/form");
        EXPECT_EQ(sent.method, "POST");
        EXPECT_EQ(bytes(sent.body), body) << size;
        EXPECT_EQ(sent.header("Content-Type"), "application/x-www-form-urlencoded");
        EXPECT_EQ(response.body, "got " + QByteArray::number(size));
    }
}

// A 302 after a POST goes on as a GET without the body; a 307 repeats the POST.
TEST_P(FetchBasics, RedirectsAfterAPost) {
    site.post("/post-302", FakeSite::redirectTo("/landing", 302));
    site.post("/post-307", FakeSite::redirectTo("/landing", 307));
    const auto echo = [](const httplib::Request& req, httplib::Response& res) {
        res.set_content(req.method + ":" + req.body, "text/plain");
    };
    site.get("/landing", echo);
    site.post("/landing", echo);
    struct Case {
        const char* path;
        const char* landed;
    } cases[] = {{"/post-302", "GET:"}, {"/post-307", "POST:k=v"}};
    for (const Case& c : cases) {
        CUrlRequest req = request(c.path);
        req.verb = QStringLiteral("POST");
        req.postData = QByteArray("k=v");
        CUrlResponse response;
        ASSERT_TRUE(Fetch(response, req, 0)) << c.path;
        EXPECT_EQ(response.body, c.landed) << c.path;
    }
}

// A site's redirect may not lead onto the user's own machine; a site that is
// itself there (the user asked for it) may.
TEST_P(FetchBasics, RedirectsOntoThisMachineAreFollowedOnlyFromIt) {
    const std::string admin =
        (https() ? site.httpsUrl("/admin/delete") : site.httpUrl("/admin/delete"));
    site.page("/admin/delete", "deleted");
    site.get("/bounce", FakeSite::redirectTo(admin));
    CUrlResponse response;
    EXPECT_FALSE(Fetch(response, request("/bounce"), 0));
    EXPECT_EQ(site.countOf("/admin/delete"), 0);

    const std::string local = https() ? site.httpsUrl("/bounce") : site.httpUrl("/bounce");
    ASSERT_TRUE(Fetch(response, CUrlRequest(QString::fromStdString(local), QString(), 10000), 0));
    EXPECT_EQ(response.body, "deleted");
}

TEST(ThisMachine, EverySpellingOfLoopbackIsCaught) {
    struct Case {
        const char* url;
        bool local;
    } cases[] = {
        {"http://localhost:631/admin", true},
        {"http://LocalHost/", true},
        {"http://printer.localhost/", true},
        {"http://127.0.0.1:8080/", true},
        {"http://127.1/", true},
        {"http://0x7f.0.0.1/", true},
        {"http://2130706433/", true},
        {"http://0.0.0.0:9000/", true},
        {"http://[::1]:631/", true},
        {"http://[::]/", true},
        {"http://[::ffff:127.0.0.1]/", true},
        {"https://www.douban.com/", false},
        {"http://128.0.0.1/", false},
        {"http://192.168.1.1/", false},
        {"http://localhost.example.com/", false},
        {"http://[2001:db8::1]/", false},
        {"file:///etc/passwd", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PointsAtThisMachine(QUrl(QString::fromLatin1(c.url))), c.local) << c.url;
}

TEST_P(FetchBasics, GzipIsSetWhenAnyHeaderMentionsIt) {
    site.get("/note", [](const httplib::Request&, httplib::Response& res) {
        res.set_header("X-Note", "served-without-gzip");
        res.set_content("plain", "text/plain");
    });
    site.page("/plain", "plain", "text/plain");
    CUrlResponse response;
    response.gzip = true;
    ASSERT_TRUE(Fetch(response, request("/plain"), 0));
    EXPECT_FALSE(response.gzip);
    ASSERT_TRUE(Fetch(response, request("/note"), 0));
    EXPECT_TRUE(response.gzip);
}

// A thousand small pictures must not cost a thousand handshakes.
TEST_P(FetchBasics, OneThreadReusesItsConnection) {
    site.page("/small", "tiny");
    for (bool reuse : {true, false}) {
        NetConfig config = netConfig();
        config.reuseConnections = reuse;
        ASSERT_TRUE(setNetConfig(config));
        const qint64 before = newConnectionCount();
        for (int i = 0; i < 5; ++i) {
            CUrlResponse response;
            ASSERT_TRUE(Fetch(response, request("/small"), 0));
        }
        // The first request may still find the previous test's connection.
        if (reuse)
            EXPECT_LE(newConnectionCount() - before, 1);
        else
            EXPECT_EQ(newConnectionCount() - before, 5);
    }
}

TEST_P(FetchBasics, AConnectionThatCannotBeMadeFails) {
    NetConfig config = netConfig();
    config.connectTo = {QStringLiteral(":80:127.0.0.1:1"), QStringLiteral(":443:127.0.0.1:1")};
    ASSERT_TRUE(setNetConfig(config));
    CUrlRequest req = request("/a");
    req.attempts = 3;
    req.pauseSeconds = 5;
    CUrlResponse response;
    EXPECT_FALSE(Fetch(response, req, 0));
    EXPECT_EQ(pauses.sleeps(), QList<qint64>({5000, 5000, 5000}));
}

} // namespace
} // namespace phodex::test

namespace phodex::test {
namespace {

class FetchConfig : public ::testing::Test {
protected:
    void TearDown() override {
        CloseThreadConnections();
        setNetConfig(NetConfig{});
    }
    FakeSite site;
};

// Certificates are verified unless --insecure says otherwise.
TEST_F(FetchConfig, TlsIsVerifiedAgainstTheTrustedAuthorities) {
    site.page("/a", "secret");
    NetConfig config;
    config.connectTo = site.connectToRules();
    config.proxy = QString();
    const QString address = QStringLiteral("https://www.douban.com/a");
    struct Case {
        QString caFile;
        bool insecure;
        bool fetched;
    } cases[] = {{QString(), false, false}, {QString(), true, true}, {testCaFile(), false, true}};
    for (const Case& c : cases) {
        config.caFile = c.caFile;
        config.insecure = c.insecure;
        ASSERT_TRUE(setNetConfig(config));
        CloseThreadConnections();
        CUrlResponse response;
        EXPECT_EQ(Fetch(response, CUrlRequest(address, {}, 5000), 0), c.fetched)
            << c.caFile.toStdString() << c.insecure;
    }
}

TEST_F(FetchConfig, UnusableSettingsAreRefusedAndChangeNothing) {
    NetConfig good;
    good.connectTo = {QStringLiteral("www.douban.com:443:127.0.0.1:4443"),
                      QStringLiteral(":80:[::1]:8080")};
    ASSERT_TRUE(setNetConfig(good));
    NetConfig bad[3];
    bad[0].caFile = QStringLiteral("/no/such/ca.pem");
    bad[1].caFile = QStringLiteral(PHODEX_FIXTURES "/../unit/net/fetch_test.cpp"); // not PEM
    bad[2].connectTo = {QStringLiteral("www.douban.com:127.0.0.1")};
    for (const NetConfig& config : bad) {
        QString error;
        EXPECT_FALSE(setNetConfig(config, &error));
        EXPECT_FALSE(error.isEmpty());
        EXPECT_EQ(netConfig().connectTo, good.connectTo);
    }
}

// Through a proxy the request goes to the proxy with the whole address.
TEST_F(FetchConfig, AProxyGetsTheRequest) {
    NetConfig config;
    config.proxy = QStringLiteral("http://127.0.0.1:%1").arg(site.httpPort());
    ASSERT_TRUE(setNetConfig(config));
    CUrlResponse response;
    EXPECT_TRUE(
        Fetch(response, CUrlRequest(QStringLiteral("http://www.douban.com/via"), {}, 5000), 0));
    ASSERT_FALSE(site.requests().empty());
    EXPECT_EQ(site.requests().back().target, "http://www.douban.com/via");
}

} // namespace
} // namespace phodex::test
