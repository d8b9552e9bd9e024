// SPDX-License-Identifier: MIT
// A job's stop flag, installed on its thread, ends what the thread is doing
// without the request carrying it: the transfer, the pause between attempts
// and any pacing wait.
#include "fetchfixture.h"

#include "net/cancel.h"
#include "net/pacer.h"

#include <atomic>
#include <thread>

namespace phodex::test {
namespace {

class FetchCancel : public FetchTest {
protected:
    // Fetches req with a job's stop flag installed on this thread, and
    // raises the flag once the site holds the request.
    bool FetchStoppedOnceRequested(const CUrlRequest& req, const std::string& path) {
        std::atomic<bool> stop{false};
        std::thread stopper = RaiseWhenRequested(site, path, stop);
        CUrlResponse response;
        bool fetched = true;
        {
            const CancelScope stoppable(&stop);
            fetched = Fetch(response, req, 0);
        }
        stopper.join();
        return fetched;
    }
};
PHODEX_BOTH_SCHEMES(FetchCancel);

TEST_P(FetchCancel, TheThreadsStopFlagEndsAStalledTransfer) {
    site.mountFaultRoutes();
    CUrlRequest req = request("/fault/stall");
    req.readTimeoutMs = 600000;
    req.connectTimeoutMs = 600000;
    req.attempts = 3;
    EXPECT_FALSE(FetchStoppedOnceRequested(req, "/fault/stall"));
    EXPECT_EQ(site.countOf("/fault/stall"), 1) << "the remaining attempts were given up";
    EXPECT_TRUE(pauses.sleeps().isEmpty());
}

// With the real pacer: the long pause after a failed attempt ends at the
// stop, and no further attempt is made.
TEST_P(FetchCancel, TheThreadsStopFlagEndsThePauseBetweenAttempts) {
    site.mountFaultRoutes();
    Pacer* recording = setPacer(nullptr);
    CUrlRequest req = request("/fault/reset");
    req.attempts = 3;
    req.pauseSeconds = 60;
    const bool fetched = FetchStoppedOnceRequested(req, "/fault/reset");
    setPacer(recording);
    EXPECT_FALSE(fetched);
    EXPECT_EQ(site.countOf("/fault/reset"), 1);
}

TEST(CancelScope, ScopesNestAndEndWithTheirThread) {
    std::atomic<bool> outer{false};
    std::atomic<bool> inner{true};
    EXPECT_EQ(ThreadCancelFlag(), nullptr);
    {
        const CancelScope a(&outer);
        EXPECT_FALSE(ThreadCancelled());
        {
            const CancelScope b(&inner);
            EXPECT_TRUE(ThreadCancelled());
            EXPECT_FALSE(SleepUnlessCancelled(60000));
            // Another thread has no flag of its own.
            std::thread([] { EXPECT_EQ(ThreadCancelFlag(), nullptr); }).join();
        }
        EXPECT_EQ(ThreadCancelFlag(), &outer);
        EXPECT_TRUE(SleepUnlessCancelled(1));
    }
    EXPECT_EQ(ThreadCancelFlag(), nullptr);
}

} // namespace
} // namespace phodex::test
