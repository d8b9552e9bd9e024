// SPDX-License-Identifier: MIT
// Servers that misbehave: every request ends, within its time-outs, with a clear result.
#include "fetchfixture.h"

#include "net/pagetext.h"

#include <atomic>
#include <thread>

namespace phodex::test {
namespace {

using namespace std::chrono_literals;

using FetchFaults = FetchTest;
PHODEX_BOTH_SCHEMES(FetchFaults);

TEST_P(FetchFaults, BrokenRepliesFailAndKeepWhatArrived) {
    site.mountFaultRoutes();
    struct Case {
        const char* path;
        qsizetype bodyAtLeast; // what arrived before the failure
    } cases[] = {{"/fault/reset", 1}, {"/fault/stall", 0}};
    for (const Case& c : cases) {
        CUrlRequest req = request(c.path);
        req.readTimeoutMs = 1500;
        CUrlResponse response;
        EXPECT_FALSE(Fetch(response, req, 0)) << c.path;
        EXPECT_GE(response.body.size(), c.bodyAtLeast) << c.path;
        EXPECT_TRUE(response.headers.startsWith(u"HTTP/1.1 200")) << c.path;
    }
}

// A server that takes the request and never answers is bounded by the
// connection time-out, not the read time-out.
TEST_P(FetchFaults, ASilentServerIsLeftAfterTheConnectionTimeout) {
    site.get("/silent", [this](const httplib::Request&, httplib::Response& res) {
        site.waitForShutdown(120s);
        res.set_content("too late", "text/plain");
    });
    CUrlRequest req = request("/silent");
    req.connectTimeoutMs = 1500;
    req.readTimeoutMs = 600000;
    CUrlResponse response;
    response.headers = QStringLiteral("previous");
    EXPECT_FALSE(Fetch(response, req, 0));
    EXPECT_EQ(response.headers, u"previous"); // no header block was read
}

// The read time-out bounds each silence, not the whole transfer.
TEST_P(FetchFaults, ASlowSteadyBodyIsReadToTheEnd) {
    site.get("/steady", site.slowDrip(std::string(600, 's'), 100, 400ms));
    CUrlRequest req = request("/steady");
    req.readTimeoutMs = 1500;
    CUrlResponse response;
    ASSERT_TRUE(Fetch(response, req, 0));
    EXPECT_EQ(response.body, QByteArray(600, 's'));
}

TEST_P(FetchFaults, ATruncatedGzipPageGivesWhatInflated) {
    site.mountFaultRoutes();
    CUrlResponse response;
    ASSERT_TRUE(Fetch(response, request("/fault/truncated-gzip"), 0));
    const QString text = GetText(response, 0x03);
    EXPECT_TRUE(text.startsWith(u"<html><body>\n<p>line 0 of the long page 0</p>"));
    EXPECT_FALSE(text.contains(u"</html>"));
}

TEST_P(FetchFaults, ARaisedCancelFlagEndsTheTransferAndTheAttempts) {
    site.mountFaultRoutes();
    std::atomic<bool> cancel{false};
    CUrlRequest req = request("/fault/stall");
    req.readTimeoutMs = 600000;
    req.attempts = 3;
    req.cancel = &cancel;
    std::thread stopper = RaiseWhenRequested(site, "/fault/stall", cancel);
    CUrlResponse response;
    EXPECT_FALSE(Fetch(response, req, 0));
    stopper.join();
    EXPECT_EQ(site.countOf("/fault/stall"), 1);
    EXPECT_TRUE(pauses.sleeps().isEmpty());
}

// Requests on several threads at once, each with its own connections.
TEST_P(FetchFaults, ParallelFetchesDoNotDisturbEachOther) {
    site.mountFaultRoutes();
    for (int i = 0; i < 8; ++i)
        site.page("/pic" + std::to_string(i), std::string(50000 + i, char('a' + i)));
    std::atomic<int> good{0};
    std::vector<std::thread> workers;
    for (int i = 0; i < 8; ++i) {
        workers.emplace_back([&, i] {
            for (int round = 0; round < 3; ++round) {
                CUrlResponse response;
                CUrlRequest req = request("/pic" + std::to_string(i));
                if (Fetch(response, req, 0x03) &&
                    response.body == QByteArray(50000 + i, char('a' + i)))
                    ++good;
                CUrlRequest broken = request("/fault/reset");
                broken.readTimeoutMs = 1500;
                Fetch(response, broken, 0);
            }
        });
    }
    for (std::thread& t : workers)
        t.join();
    EXPECT_EQ(good, 24);
}

} // namespace
} // namespace phodex::test
