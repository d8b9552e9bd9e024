// SPDX-License-Identifier: MIT
#include "jobs/jobthread.h"

#include <gtest/gtest.h>

#include <atomic>
#include <condition_variable>
#include <mutex>

namespace phodex {
namespace {

TEST(JobThread, RunsOneBodyAfterAnotherAndJoinsEach) {
    JobThread thread;
    std::atomic<int> runs{0};
    std::error_code error;
    ASSERT_TRUE(thread.start([&] { ++runs; }, error));
    ASSERT_TRUE(thread.start([&] { ++runs; }, error)); // waits for the first
    thread.join();
    EXPECT_EQ(runs.load(), 2);
    thread.join(); // nothing left to join
}

// An observer reacting to a job's last call may start the next job from the
// job's own thread: that must neither deadlock nor leave a thread unjoined.
TEST(JobThread, AStartOrJoinFromTheBodyItselfIsJoinedLater) {
    std::mutex mutex;
    std::condition_variable changed;
    bool secondRan = false;
    {
        JobThread thread;
        std::error_code error;
        ASSERT_TRUE(thread.start(
            [&] {
                thread.join(); // returns at once on its own thread
                std::error_code inner;
                EXPECT_TRUE(thread.start(
                    [&] {
                        std::lock_guard lock(mutex);
                        secondRan = true;
                        changed.notify_all();
                    },
                    inner));
            },
            error));
        std::unique_lock lock(mutex);
        changed.wait(lock, [&] { return secondRan; });
    } // the destructor joins both threads; a thread left joinable would terminate
    EXPECT_TRUE(secondRan);
}

} // namespace
} // namespace phodex
