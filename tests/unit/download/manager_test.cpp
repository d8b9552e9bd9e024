// SPDX-License-Identifier: MIT
// The download manager against a loopback site: how many transfers run at
// once, progress, pauses, and what a stop leaves behind.
#include "downloadfixture.h"

#include "core/seams/recordingobserver.h"
#include "download/manager.h"

#include <algorithm>
#include <condition_variable>
#include <mutex>

namespace phodex::test {
namespace {

// Counts the requests in flight. The first `gather` requests wait for one
// another, so the pool has to reach that many at once; every request then
// lingers a little so that one too many would be seen.
class ConcurrencyProbe {
public:
    explicit ConcurrencyProbe(int gather) : m_gather(gather) {}

    FakeSite::Handler handler(std::string body) {
        return [this, body](const httplib::Request&, httplib::Response& res) {
            enter();
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
            leave();
            res.set_content(body, "image/jpeg");
        };
    }
    int maxInFlight() const {
        std::lock_guard lock(m_mutex);
        return m_max;
    }

private:
    void enter() {
        std::unique_lock lock(m_mutex);
        m_max = std::max(m_max, ++m_inFlight);
        ++m_arrived;
        m_cv.notify_all();
        m_cv.wait_for(lock, std::chrono::seconds(5), [&] { return m_arrived >= m_gather; });
    }
    void leave() {
        std::lock_guard lock(m_mutex);
        --m_inFlight;
    }

    const int m_gather;
    mutable std::mutex m_mutex;
    std::condition_variable m_cv;
    int m_inFlight = 0;
    int m_max = 0;
    int m_arrived = 0;
};

DownloadParams Params(int threads) {
    DownloadParams params;
    params.threads = std::uint16_t(threads);
    params.timeoutSeconds = 10;
    return params;
}

class Manager : public DownloadTest {
protected:
    // An album of n pictures at /pic/<i>.jpg named <i>.jpg.
    CDownList Album(int n, const QString& into = QString()) {
        CDownList list;
        list.folder = into.isEmpty() ? folder() : into;
        for (int i = 1; i <= n; ++i) {
            list.urls << url("/pic/" + std::to_string(i) + ".jpg");
            list.names << QStringLiteral("%1.jpg").arg(i);
        }
        return list;
    }

    Session session;
    RecordingJobObserver observer;
};

TEST_F(Manager, RunsAtMostTheThreadSettingAtOnce) {
    struct Case {
        int pictures, threads, expectedMax;
    } cases[] = {{3, 5, 3}, {20, 3, 3}, {30, 15, 15}, {4, 1, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.pictures << " pictures, " << c.threads << " threads");
        ConcurrencyProbe probe(c.expectedMax);
        site.get("/pic/*", probe.handler(jpegBytes(2000)));
        site.clearRequests();
        QTemporaryDir caseDir;
        const CDownList list = Album(c.pictures, caseDir.path() + u'/');
        const DownloadOutcome outcome = DownloadManager(list, Params(c.threads), session, observer);
        EXPECT_EQ(probe.maxInFlight(), c.expectedMax);
        EXPECT_EQ(site.countOf("/pic/*"), c.pictures);
        EXPECT_EQ(outcome.done, c.pictures);
        EXPECT_EQ(outcome.saved, c.pictures);
        EXPECT_FALSE(outcome.stopped);
        EXPECT_EQ(outcome.workersStarted, c.expectedMax);
        EXPECT_EQ(filesBelow(caseDir.path()).size(), c.pictures);
        EXPECT_FALSE(session.downloadsRunning.load());
    }
}

TEST_F(Manager, OneThreadRestsTwoSecondsBeforeEachFurtherPicture) {
    site.get("/pic/*", [](const httplib::Request&, httplib::Response& res) {
        res.set_content(jpegBytes(100), "image/jpeg");
    });
    DownloadManager(Album(4), Params(1), session, observer);
    EXPECT_EQ(pauses.sleeps(), (QList<qint64>{2000, 2000, 2000}));

    RecordingPacer fresh;
    ScopedPacer scope(fresh);
    DownloadManager(Album(4), Params(2), session, observer);
    EXPECT_TRUE(fresh.sleeps().isEmpty());
}

TEST_F(Manager, ShowsEachNewDoneCountUpToTheTotal) {
    site.get("/pic/*", [](const httplib::Request&, httplib::Response& res) {
        res.set_content(jpegBytes(100), "image/jpeg");
    });
    site.get("/pic/2.jpg", FakeSite::status(404, ""));
    const DownloadOutcome outcome = DownloadManager(Album(5), Params(3), session, observer);
    const QStringList lines = observer.eventsWith(QStringLiteral("progress:"));
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_EQ(lines.last(), QStringLiteral("5/5"));
    int previous = 0;
    for (const QString& line : lines) {
        const int done = line.section(u'/', 0, 0).toInt();
        EXPECT_GT(done, previous) << line.toStdString();
        previous = done;
    }
    // A failed picture counts as done but not as saved.
    EXPECT_EQ(outcome.done, 5);
    EXPECT_EQ(outcome.saved, 4);
    // The bytes are those of the pictures saved so far.
    const std::vector<qint64> bytes = observer.progressBytes();
    ASSERT_EQ(bytes.size(), size_t(lines.size()));
    EXPECT_TRUE(std::is_sorted(bytes.begin(), bytes.end()));
    EXPECT_EQ(bytes.back(), 4 * qint64(jpegBytes(100).size()));
}

TEST(ManagerText, ProgressLine) {
    EXPECT_EQ(ProgressText(3, 20), QStringLiteral("已下载3/20......"));
}

TEST_F(Manager, NothingToDoStartsNothing) {
    const DownloadOutcome outcome = DownloadManager(CDownList{}, Params(5), session, observer);
    EXPECT_EQ(outcome.workersStarted, 0);
    EXPECT_TRUE(observer.events().isEmpty());
    EXPECT_TRUE(site.requests().empty());
}

// A stop ends the transfers in flight (they would otherwise stall for the
// whole time-out), starts no further picture, and leaves no file at all.
TEST_F(Manager, StopEndsTransfersInFlightAndLeavesNoFile) {
    std::mutex mutex;
    int arrived = 0;
    const FakeSite::Handler stall = site.stall(50000);
    site.get("/pic/*", [&](const httplib::Request& req, httplib::Response& res) {
        {
            std::lock_guard lock(mutex);
            if (++arrived == 5)
                session.stopFlag = true;
        }
        stall(req, res);
    });
    DownloadParams params = Params(5);
    params.timeoutSeconds = 60;
    const DownloadOutcome outcome = DownloadManager(Album(12), params, session, observer);
    EXPECT_TRUE(outcome.stopped);
    EXPECT_EQ(outcome.saved, 0);
    EXPECT_EQ(site.countOf("/pic/*"), 5);
    EXPECT_TRUE(filesBelow(dir.path()).isEmpty())
        << filesBelow(dir.path()).join(u' ').toStdString();
    EXPECT_FALSE(session.downloadsRunning.load());
}

} // namespace
} // namespace phodex::test
