// SPDX-License-Identifier: MIT
#include "support/fakesite.h"
#include "support/gzip.h"
#include "support/testtls.h"

#include <curl/curl.h>
#include <gtest/gtest.h>
#include <zlib.h>

#include <functional>

namespace phodex::test {
namespace {

struct Transfer {
    CURLcode code = CURLE_OK;
    long status = 0;
    std::string headers;
    std::string body;
    int bodyPieces = 0;
};

size_t onBody(char* data, size_t size, size_t count, void* user) {
    auto* t = static_cast<Transfer*>(user);
    t->body.append(data, size * count);
    ++t->bodyPieces;
    return size * count;
}

size_t onHeader(char* data, size_t size, size_t count, void* user) {
    static_cast<Transfer*>(user)->headers.append(data, size * count);
    return size * count;
}

// One plain libcurl transfer that reaches the fake site through connect-to rules.
Transfer fetch(const FakeSite& site, const std::string& url,
               const std::function<void(CURL*)>& configure = {}) {
    Transfer t;
    CURL* curl = curl_easy_init();
    curl_slist* rules = nullptr;
    for (const QString& rule : site.connectToRules())
        rules = curl_slist_append(rules, rule.toUtf8().constData());
    const QByteArray ca = testCaFile().toLocal8Bit();
    curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
    curl_easy_setopt(curl, CURLOPT_CONNECT_TO, rules);
    curl_easy_setopt(curl, CURLOPT_CAINFO, ca.constData());
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, onBody);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &t);
    curl_easy_setopt(curl, CURLOPT_HEADERFUNCTION, onHeader);
    curl_easy_setopt(curl, CURLOPT_HEADERDATA, &t);
    curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, 20000L);
    if (configure)
        configure(curl);
    t.code = curl_easy_perform(curl);
    curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &t.status);
    curl_easy_cleanup(curl);
    curl_slist_free_all(rules);
    return t;
}

// Inflates a gzip stream without keeping the output; the count and whether the
// stream ended properly, plus the first bytes of the output.
struct Inflated {
    size_t bytes = 0;
    bool complete = false;
    std::string head;
};

Inflated inflateCounting(const std::string& gz) {
    Inflated result;
    z_stream zs{};
    inflateInit2(&zs, 15 + 16);
    zs.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(gz.data()));
    zs.avail_in = uInt(gz.size());
    char buffer[1 << 16];
    int rc = Z_OK;
    while (rc == Z_OK) {
        zs.next_out = reinterpret_cast<Bytef*>(buffer);
        zs.avail_out = sizeof buffer;
        rc = inflate(&zs, Z_NO_FLUSH);
        const size_t produced = sizeof buffer - zs.avail_out;
        if (result.head.size() < 4096)
            result.head.append(buffer, std::min<size_t>(produced, 4096));
        result.bytes += produced;
    }
    result.complete = rc == Z_STREAM_END;
    inflateEnd(&zs);
    return result;
}

class FakeSiteTest : public ::testing::Test {
protected:
    FakeSite site;
};

TEST_F(FakeSiteTest, RealHostNamesReachTheRightServerWithVerifiedTls) {
    site.page("/", "hello");
    struct Case {
        std::string url;
        bool https;
        std::string host;
    };
    const Case cases[] = {
        {"https://user.qzone.qq.com/", true, "user.qzone.qq.com"},
        {"https://a1.photo.store.qq.com/", true, "a1.photo.store.qq.com"},
        {"https://wx1.sinaimg.cn/", true, "wx1.sinaimg.cn"},
        {"http://photo.163.com/", false, "photo.163.com"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.url);
        site.clearRequests();
        const Transfer t = fetch(site, c.url);
        ASSERT_EQ(t.code, CURLE_OK) << curl_easy_strerror(t.code);
        EXPECT_EQ(t.body, "hello");
        const auto received = site.lastRequestTo("/");
        ASSERT_TRUE(received);
        EXPECT_EQ(received->https, c.https);
        EXPECT_EQ(received->host, c.host);
    }
}

TEST_F(FakeSiteTest, TlsIsRefusedForUnknownHostsAndWithoutTheTestCa) {
    site.page("/", "hello");
    EXPECT_EQ(fetch(site, "https://example.org/").code, CURLE_PEER_FAILED_VERIFICATION);
    const Transfer systemCas = fetch(site, "https://user.qzone.qq.com/", [](CURL* curl) {
        curl_easy_setopt(curl, CURLOPT_CAINFO, nullptr);
    });
    EXPECT_EQ(systemCas.code, CURLE_PEER_FAILED_VERIFICATION);
    EXPECT_TRUE(site.requests().empty());
}

TEST(TestTls, CertificateCoversTheSiteDomainsOneLabelDeep) {
    for (const char* host : {"localhost", "127.0.0.1", "qq.com", "h5.qzone.qq.com",
                             "img.alicdn.com", "item.jd.com", "user.x.yupoo.com"})
        EXPECT_TRUE(testCertificateCovers(QString::fromLatin1(host))) << host;
    for (const char* host : {"example.org", "a.b.c.qq.com", "qq.com.evil.net"})
        EXPECT_FALSE(testCertificateCovers(QString::fromLatin1(host))) << host;
}

TEST_F(FakeSiteTest, RequestsAreRecordedAndTheLastRouteWins) {
    site.post("/form", FakeSite::status(200, "first"));
    site.post("/form", [](const httplib::Request& req, httplib::Response& res) {
        res.set_content("got " + req.body, "text/plain");
    });
    site.route("GET", "h5.qzone.qq.com", "/who", FakeSite::status(200, "h5"));
    site.get("/who", FakeSite::status(200, "anyone"));
    site.route("GET", "h5.qzone.qq.com", "/who", FakeSite::status(200, "h5 again"));

    const Transfer posted = fetch(site, "https://h5.qzone.qq.com/form?x=1", [](CURL* curl) {
        curl_easy_setopt(curl, CURLOPT_POSTFIELDS, "a=1&b=2");
    });
    EXPECT_EQ(posted.body, "got a=1&b=2");
    EXPECT_EQ(fetch(site, "https://h5.qzone.qq.com/who").body, "h5 again");
    EXPECT_EQ(fetch(site, "https://user.qzone.qq.com/who").body, "anyone");
    EXPECT_EQ(fetch(site, "https://user.qzone.qq.com/nothing").status, 404);

    const auto form = site.lastRequestTo("/form");
    ASSERT_TRUE(form);
    EXPECT_EQ(form->method, "POST");
    EXPECT_EQ(form->target, "/form?x=1");
    EXPECT_EQ(form->body, "a=1&b=2");
    EXPECT_EQ(form->header("content-type"), "application/x-www-form-urlencoded");
    EXPECT_EQ(site.countOf("/who"), 2);
    EXPECT_EQ(site.requests().size(), 4u);
}

TEST_F(FakeSiteTest, TextIsNeverCompressedBehindTheRoutesBack) {
    const std::string text(5000, 'x');
    site.page("/page", text);
    curl_slist* headers = curl_slist_append(nullptr, "Accept-Encoding: gzip, deflate");
    const Transfer t = fetch(site, "https://www.douban.com/page", [headers](CURL* curl) {
        curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers);
    });
    curl_slist_free_all(headers);
    EXPECT_EQ(t.body, text);
    EXPECT_EQ(site.lastRequestTo("/page")->header("Accept-Encoding"), "gzip, deflate");
}

class FaultRouteTest : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override { site.mountFaultRoutes(); }
    std::string url(const std::string& path) const { return GetParam() + path; }
    FakeSite site;
};

TEST_P(FaultRouteTest, ResetEndsTheTransferWithAnErrorPartWayThrough) {
    const Transfer t = fetch(site, url("/fault/reset"));
    EXPECT_EQ(t.code, CURLE_RECV_ERROR) << curl_easy_strerror(t.code);
    EXPECT_LT(t.body.size(), 100000u);
    EXPECT_NE(t.headers.find("Content-Length: 100000"), std::string::npos);
}

TEST_P(FaultRouteTest, StallSendsTheHeadersAndThenNothing) {
    const Transfer t = fetch(site, url("/fault/stall"),
                             [](CURL* curl) { curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, 1500L); });
    EXPECT_EQ(t.code, CURLE_OPERATION_TIMEDOUT);
    EXPECT_EQ(t.status, 200);
    EXPECT_NE(t.headers.find("Content-Length: 1000"), std::string::npos);
    EXPECT_TRUE(t.body.empty());
}

TEST_P(FaultRouteTest, DripDeliversTheWholeBodyInPieces) {
    const Transfer t = fetch(site, url("/fault/drip"));
    ASSERT_EQ(t.code, CURLE_OK) << curl_easy_strerror(t.code);
    EXPECT_EQ(t.body, std::string(1000, 'd'));
    EXPECT_GT(t.bodyPieces, 1);
}

TEST_P(FaultRouteTest, GzipBombIsSmallOnTheWireAndHugeInflated) {
    const Transfer t = fetch(site, url("/fault/gzip-bomb"));
    ASSERT_EQ(t.code, CURLE_OK);
    EXPECT_NE(t.headers.find("Content-Encoding: gzip"), std::string::npos);
    EXPECT_LT(t.body.size(), 1u << 20);
    const Inflated inflated = inflateCounting(t.body);
    EXPECT_TRUE(inflated.complete);
    EXPECT_GT(inflated.bytes, size_t(64) << 20);
}

TEST_P(FaultRouteTest, TruncatedGzipInflatesOnlyToAPrefix) {
    const Transfer t = fetch(site, url("/fault/truncated-gzip"));
    ASSERT_EQ(t.code, CURLE_OK);
    EXPECT_NE(t.headers.find("Content-Encoding: gzip"), std::string::npos);
    const Inflated inflated = inflateCounting(t.body);
    EXPECT_FALSE(inflated.complete);
    EXPECT_GT(inflated.bytes, 0u);
    EXPECT_EQ(inflated.head.rfind("<html><body>\n<p>line 0 of", 0), 0u);
}

TEST_P(FaultRouteTest, StatusRoutesAnswerWithTheirCodeAndBody) {
    struct Case {
        const char* path;
        long status;
        const char* body;
    };
    for (const Case& c :
         {Case{"/fault/204", 204, ""}, Case{"/fault/404", 404, "<html>not found</html>"},
          Case{"/fault/500", 500, "<html>server error</html>"}}) {
        const Transfer t = fetch(site, url(c.path));
        EXPECT_EQ(t.code, CURLE_OK) << c.path;
        EXPECT_EQ(t.status, c.status) << c.path;
        EXPECT_EQ(t.body, c.body) << c.path;
    }
}

TEST_P(FaultRouteTest, RedirectChainEndsAtItsTarget) {
    const Transfer t = fetch(site, url("/fault/redirect"), [](CURL* curl) {
        curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
    });
    EXPECT_EQ(t.body, "end");
    EXPECT_EQ(site.countOf("/fault/redirect") + site.countOf("/fault/redirect/*"), 3);
    EXPECT_EQ(site.countOf("/fault/redirect-end"), 1);
}

TEST_P(FaultRouteTest, SetCookieSendsEveryCookie) {
    const Transfer t = fetch(site, url("/fault/set-cookie"));
    EXPECT_NE(t.headers.find("Set-Cookie: a=1; Path=/\r\n"), std::string::npos);
    EXPECT_NE(t.headers.find("Set-Cookie: b=2; Path=/; HttpOnly\r\n"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(BothSchemes, FaultRouteTest,
                         ::testing::Values("http://photo.weibo.com", "https://photo.weibo.com"));

} // namespace
} // namespace phodex::test
