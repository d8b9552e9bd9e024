// SPDX-License-Identifier: MIT
// Start, end and retry markers and the acceptance checks of Fetch.
#include "fetchfixture.h"

#include "net/pagetext.h"
#include "support/gzip.h"

#include <QFile>
#include <QTemporaryDir>
#include <atomic>

namespace phodex::test {
namespace {

using namespace std::chrono_literals;

using FetchMarkers = FetchTest;
PHODEX_BOTH_SCHEMES(FetchMarkers);

FakeSite::Handler gzipPage(const std::string& text) {
    const std::string zipped = gzipBytes(text);
    return [zipped](const httplib::Request&, httplib::Response& res) {
        res.set_header("Content-Encoding", "gzip");
        res.set_content(zipped, "text/html; charset=utf-8");
    };
}

TEST_P(FetchMarkers, MarkersCutAnUncompressedBodyWhileItIsRead) {
    site.page("/m", "head[S]one[S]two[S]three<END>tail<END>more");
    struct Case {
        const char* start;
        const char* end;
        const char* body;
    } cases[] = {
        {"[S]", "", "three<END>tail<END>more"}, // after the third occurrence
        {"", "<END>", "head[S]one[S]two[S]three"},
        {"[S]", "<END>", "three"},
        {"[absent]", "<absent>", "head[S]one[S]two[S]three<END>tail<END>more"},
    };
    for (const Case& c : cases) {
        CUrlRequest req = request("/m");
        req.startMarker = c.start;
        req.endMarker = c.end;
        CUrlResponse response;
        ASSERT_TRUE(Fetch(response, req, 0)) << c.start << c.end;
        EXPECT_EQ(response.body, c.body) << c.start << c.end;
        EXPECT_EQ(response.startMarker, c.start);
        EXPECT_EQ(response.endMarker, c.end);
    }
}

// The rest of this page would take a minute to arrive; the read time-out is
// shorter, so only a read that stops at the marker succeeds.
TEST_P(FetchMarkers, ReadingStopsWhenTheEndMarkerArrives) {
    std::string page = "<ul><li>1</li></ul>";
    page += std::string(200, 'x');
    site.get("/slow", site.slowDrip(page, 40, 60s));
    CUrlRequest req = request("/slow");
    req.readTimeoutMs = 3000;
    req.endMarker = "</ul>";
    CUrlResponse response;
    ASSERT_TRUE(Fetch(response, req, 0));
    EXPECT_EQ(response.body, "<ul><li>1</li>");
}

// Compressed bodies and files are kept whole; the page text cuts inflated ones.
TEST_P(FetchMarkers, CompressedAndSavedBodiesAreNotCut) {
    const std::string text = "junk<a>wanted</a>junk";
    site.get("/z", gzipPage(text));
    site.page("/f", text);
    CUrlRequest req = request("/z");
    req.startMarker = "<a>";
    req.endMarker = "</a>";
    CUrlResponse response;
    ASSERT_TRUE(Fetch(response, req, 0));
    EXPECT_EQ(response.body, bytes(gzipBytes(text)));
    EXPECT_EQ(GetText(response, 0x03), u"wanted");

    QTemporaryDir dir;
    req.url = url("/f");
    req.savePath = dir.filePath(QStringLiteral("f.html"));
    ASSERT_TRUE(Fetch(response, req, 0));
    QFile saved(req.savePath);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), bytes(text));
}

TEST_P(FetchMarkers, ARetryMarkerInEveryReplyUsesUpTheAttempts) {
    site.page("/busy", "<p>system busy</p>");
    CUrlRequest req = request("/busy");
    req.retryMarker = "busy";
    req.attempts = 3;
    req.pauseSeconds = 4;
    CUrlResponse response;
    EXPECT_FALSE(Fetch(response, req, 0));
    EXPECT_EQ(site.countOf("/busy"), 3);
    EXPECT_EQ(pauses.sleeps(), QList<qint64>({4000, 4000, 4000}));
}

TEST_P(FetchMarkers, AReplyWithoutTheRetryMarkerEndsTheAttempts) {
    std::atomic<int> served{0};
    site.get("/flaky", [&served](const httplib::Request&, httplib::Response& res) {
        res.set_content(served++ == 0 ? "please retry" : "the album list", "text/html");
    });
    CUrlRequest req = request("/flaky");
    req.retryMarker = "retry";
    req.attempts = 4;
    req.pauseSeconds = 10;
    CUrlResponse response;
    ASSERT_TRUE(Fetch(response, req, 0));
    EXPECT_EQ(response.body, "the album list");
    EXPECT_EQ(pauses.sleeps(), QList<qint64>({10000}));
}

TEST_P(FetchMarkers, MinLengthRejectsShortBodies) {
    site.page("/short", std::string(100, 's'));
    site.page("/long", std::string(101, 'l'));
    CUrlRequest req = request("/short");
    req.minLength = 100;
    CUrlResponse response;
    EXPECT_FALSE(Fetch(response, req, 0));
    req.url = url("/long");
    EXPECT_TRUE(Fetch(response, req, 0));
}

// With flag 0x01 the checks judge the inflated page, else the bytes as they came.
TEST_P(FetchMarkers, CacheWriteFlagJudgesTheInflatedBody) {
    site.get("/zbusy", gzipPage("<p>busy busy busy busy busy busy</p>"));
    site.get("/claims-gzip", [](const httplib::Request&, httplib::Response& res) {
        res.set_header("Content-Encoding", "gzip");
        res.set_content("not compressed at all", "text/html");
    });
    CUrlRequest req = request("/zbusy");
    req.retryMarker = "busy";
    CUrlResponse response;
    EXPECT_TRUE(Fetch(response, req, 0));
    EXPECT_FALSE(Fetch(response, req, kFetchCacheWrite));

    // A body that mentions gzip without being compressed is judged raw.
    req.url = url("/claims-gzip");
    req.retryMarker = "nowhere";
    ASSERT_TRUE(Fetch(response, req, kFetchCacheWrite));
    EXPECT_FALSE(response.gzip);
}

} // namespace
} // namespace phodex::test
