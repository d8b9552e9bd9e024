// SPDX-License-Identifier: MIT
// Closing the window while a listing waits on the network or on a pacing
// pause: the window goes at once and the job ends with it.
#include "windowfixture.h"

#include "net/fetch.h"
#include "net/pacer.h"

#include <QElapsedTimer>

namespace phodex::test {
namespace {

constexpr Category kBusyListType = categoryAt(kCategoryCount + 3);
constexpr ListOp kBusyListOp = "BusyListAlbums";

class CloseWhileBusy : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        table.addRow(SiteRow{kBusyListType,
                             {kAnyOtherSubType},
                             QStringLiteral("Busy site"),
                             QStringLiteral("an album"),
                             {kBusyListOp},
                             {},
                             QString()});
        site.route("GET", "", "/stall", site.stall());
    }
    void TearDown() override {
        setPacer(&pauses);
        WindowTest::TearDown();
    }

    // Starts a listing whose operation runs `operation`, and waits until it runs.
    void ListWhile(std::function<void()> operation) {
        table.setList(kBusyListOp, [this, operation](ListContext&, const QString&) {
            entered = true;
            operation();
        });
        StartWindow();
        // The waits below are the real ones, as a user meets them.
        setPacer(nullptr);
        SelectCategory(kBusyListType);
        TypeAddress(QString::fromStdString(site.httpUrl("/")));
        Button(Control::GetList)->click();
        ASSERT_TRUE(WaitFor([this] { return entered.load(); }));
    }

    // Closes the window; the time the close took.
    qint64 CloseWindow() {
        QElapsedTimer timer;
        timer.start();
        window->close();
        return timer.elapsed();
    }

    std::atomic<bool> entered{false};
};

TEST_F(CloseWhileBusy, DuringAStalledPageFetchWithRetries) {
    const std::string address = site.httpUrl("/stall");
    ListWhile([address] {
        CUrlRequest request(QString::fromStdString(address), QString(), 60000);
        request.attempts = 3;
        request.pauseSeconds = 5;
        CUrlResponse response;
        Fetch(response, request, 0);
    });
    ASSERT_TRUE(WaitFor([this] { return site.countOf("/stall") == 1; }));
    // Far below the read time-out and the pauses a stalled page costs today.
    EXPECT_LT(CloseWindow(), 5000);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(session.listState.load(), kListIdle);
    EXPECT_EQ(site.countOf("/stall"), 1) << "no attempt after the close";
}

TEST_F(CloseWhileBusy, DuringAPacingPause) {
    ListWhile([] { pacer().sleepMs(60000); });
    EXPECT_LT(CloseWindow(), 5000);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(session.listState.load(), kListIdle);
}

} // namespace
} // namespace phodex::test
