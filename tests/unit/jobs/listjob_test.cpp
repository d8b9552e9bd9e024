// SPDX-License-Identifier: MIT
#include "listjobfixture.h"

#include "jobs/listjobcontext.h"
#include "settings/record.h"

#include <QFile>
#include <QRegularExpression>

#include <future>

namespace phodex::test {
namespace {

TestOwner Owner(int albums, int perPage = 3) {
    TestOwner owner{"Alice", {}, perPage, false};
    for (int i = 1; i <= albums; ++i)
        owner.albums.push_back({"a" + std::to_string(i), "Album " + std::to_string(i), i * 10});
    return owner;
}

TEST_F(ListJobTest, ListingFillsTheStoreShowsEachRowAndReportsTheCount) {
    TestOwner owner = Owner(7);
    owner.albums[2].count = -1;
    ServeTestSite(site, "alice", owner);

    const ListJobResult result = runList(TestSiteAddress("alice"));

    EXPECT_EQ(result.albumCount, 7);
    EXPECT_FALSE(result.startAtOnce);
    ASSERT_EQ(session.albums.count(), 7);
    const AlbumInfo third = session.albums.At(2);
    EXPECT_EQ(third.name, "Album 3");
    EXPECT_EQ(third.key, "/album/a3");
    EXPECT_EQ(third.cover, "http://pics.testsite.example/a3.jpg");
    EXPECT_EQ(third.photoCount, -1);
    EXPECT_EQ(third.listIndex, 2);
    EXPECT_EQ(session.albums.At(6).photoCount, 70);
    EXPECT_EQ(observer.addedIndices(), (std::vector<int>{0, 1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(site.countOf("/u/alice"), 3);

    EXPECT_EQ(observer.eventsWith("caption:"), (QStringList{"相册列表", "相册列表(共7个)"}));
    EXPECT_EQ(observer.eventsWith("status:"),
              (QStringList{"正在获取相册列表，请稍等...", "获取相册列表完成，共7个"}));
    EXPECT_EQ(observer.eventsWith("state:list:"), (QStringList{"1", "0"}));
    EXPECT_EQ(observer.events().first(), "cleared");
    EXPECT_EQ(session.listState.load(), kListIdle);
    EXPECT_EQ(session.ownerFolder(), "Alice/");
    EXPECT_TRUE(prompt.informations().isEmpty());
}

TEST_F(ListJobTest, AStopDuringTheListingKeepsTheAlbumsFoundSoFar) {
    ServeTestSite(site, "alice", Owner(9));
    observer.onAlbumAdded = [this](int index) {
        // The Get List button pressed again while the job runs.
        if (index == 3) {
            EXPECT_EQ(job.pressGetList({TestSiteAddress("alice"), kTestSiteListType}),
                      ListStart::StopRequested);
        }
    };

    ASSERT_EQ(job.pressGetList({TestSiteAddress("alice"), kTestSiteListType}), ListStart::Started);
    job.wait();

    EXPECT_EQ(albumNames(), (QStringList{"Album 1", "Album 2", "Album 3", "Album 4"}));
    EXPECT_EQ(site.countOf("/u/alice"), 2); // page 3 is never asked for
    EXPECT_EQ(observer.eventsWith("status:").last(), "获取相册列表完成，共4个");
    EXPECT_EQ(session.listState.load(), kListIdle);
    EXPECT_EQ(job.lastResult().albumCount, 4);
}

// An owner page that claims more albums than anyone has: the listing keeps the
// first ones, asks for no further page and says why the list ends there.
TEST_F(ListJobTest, AListOfTooManyAlbumsStopsAtTheCapAndSaysSo) {
    constexpr int cap = ListJobContext::kAlbumCap;
    ServeTestSite(site, "hoarder", Owner(cap + 5, 40000));

    const ListJobResult result = runList(TestSiteAddress("hoarder"));

    EXPECT_EQ(result.albumCount, cap);
    EXPECT_EQ(session.albums.At(cap - 1).name, QStringLiteral("Album %1").arg(cap));
    EXPECT_EQ(site.countOf("/u/hoarder"), 3);
    EXPECT_EQ(observer.eventsWith("detail:").last(), QStringLiteral("相册太多，只列出了前%1个").arg(cap));
    EXPECT_EQ(observer.eventsWith("status:").last(), QStringLiteral("获取相册列表完成，共%1个").arg(cap));
}

TEST_F(ListJobTest, TheButtonWorksFromTheJobsLastMessage) {
    ServeTestSite(site, "alice", Owner(2));
    ServeTestSite(site, "bob", Owner(1));
    int started = 0;
    std::promise<void> second;
    observer.onStateChanged = [&](JobKind, int state) {
        // The window starts the next job as soon as it sees the first one idle.
        if (state == kListIdle && ++started == 1) {
            EXPECT_EQ(job.pressGetList({TestSiteAddress("bob"), kTestSiteListType}),
                      ListStart::Started);
        } else if (state == kListIdle) {
            second.set_value();
        }
    };
    ASSERT_EQ(job.pressGetList({TestSiteAddress("alice"), kTestSiteListType}), ListStart::Started);
    ASSERT_EQ(second.get_future().wait_for(std::chrono::seconds(30)), std::future_status::ready);
    job.wait();
    EXPECT_EQ(albumNames(), QStringList{"Album 1"});
}

TEST_F(ListJobTest, ANewJobDropsTheAlbumsOfThePreviousOne) {
    ServeTestSite(site, "alice", Owner(4));
    ServeTestSite(site, "bob", Owner(2));
    runList(TestSiteAddress("alice"));
    runList(TestSiteAddress("bob"));
    EXPECT_EQ(albumNames(), (QStringList{"Album 1", "Album 2"}));
}

TEST_F(ListJobTest, AWalkThatRepeatsItsLastPageEnds) {
    TestOwner owner = Owner(5, 2);
    owner.repeatLastPage = true;
    ServeTestSite(site, "loop", owner);

    const ListJobResult result = runList(TestSiteAddress("loop"));

    EXPECT_EQ(result.albumCount, 5);
    // Pages 1 to 3 bring albums; page 4 repeats page 3 and ends the walk.
    EXPECT_EQ(site.countOf("/u/loop"), 4);
}

TEST_F(ListJobTest, SiteNamesAreCleanedAndMadeUnique) {
    TestOwner owner{"Alice", {}, 10, false};
    for (const char* name : {"Trip", "Trip", "a/b:c", "Trip (1)", "Trip", "&lt;Dog&gt;", "  "})
        owner.albums.push_back({"id" + std::to_string(owner.albums.size()), name, 1});
    ServeTestSite(site, "alice", owner);

    runList(TestSiteAddress("alice"));

    const QStringList names = albumNames();
    ASSERT_EQ(names.size(), 7);
    EXPECT_EQ(names.mid(0, 6),
              (QStringList{"Trip", "Trip (1)", "abc", "Trip (1) (1)", "Trip (2)", "Dog"}));
    // A name that cleans to nothing becomes a time stamp.
    EXPECT_TRUE(QRegularExpression("^\\d{14}$").match(names[6]).hasMatch())
        << names[6].toStdString();
}

TEST_F(ListJobTest, NamesAreCutTo120CharactersBeforeTheyAreMadeUnique) {
    const std::string common(120, 'x');
    TestOwner owner{"Alice", {{"1", common + "-first", 1}, {"2", common + "-second", 1}}, 3, false};
    ServeTestSite(site, "long", owner);

    runList(TestSiteAddress("long"));

    const QString cut = QString::fromStdString(common);
    EXPECT_EQ(albumNames(), (QStringList{cut, cut + " (1)"}));
}

TEST_F(ListJobTest, AnEmptyAddressAsksForOneAndLeavesTheWindowAlone) {
    const ListJobResult result = runList(QString());
    EXPECT_EQ(prompt.informations().size(), 1);
    EXPECT_TRUE(observer.eventsWith("caption:").isEmpty());
    EXPECT_TRUE(observer.eventsWith("status:").isEmpty());
    EXPECT_EQ(result.albumCount, 0);
    EXPECT_EQ(session.listState.load(), kListIdle);
    EXPECT_TRUE(site.requests().empty());
}

TEST_F(ListJobTest, AnAddressWithoutSchemeIsRefusedExceptForQq) {
    runList(QStringLiteral("album.testsite.example/u/alice"));
    ASSERT_EQ(prompt.informations().size(), 1);
    EXPECT_TRUE(prompt.informations()[0].contains("http://"));
    EXPECT_EQ(observer.eventsWith("status:").last(), "获取相册列表完成，共0个");
    EXPECT_TRUE(site.requests().empty());

    // A bare QQ number is what the QQ category expects.
    runList(QStringLiteral("12345"), Category::Qq, 0);
    EXPECT_EQ(prompt.informations().size(), 2);
    EXPECT_TRUE(prompt.informations()[1].startsWith("没有获取到相册"));
}

TEST_F(ListJobTest, NothingHappensBeforeStartUpHasFinished) {
    session.ready = false;
    EXPECT_EQ(job.pressGetList({TestSiteAddress("alice"), kTestSiteListType}), ListStart::NotReady);
    EXPECT_FALSE(job.run({TestSiteAddress("alice"), kTestSiteListType}).has_value());
    EXPECT_TRUE(observer.events().isEmpty());
}

TEST_F(ListJobTest, AnAddressThatFoundAlbumsGoesIntoTheHistoryOnce) {
    ServeTestSite(site, "alice", Owner(1));
    ServeTestSite(site, "ALICE", Owner(1));
    ServeTestSite(site, "empty", Owner(0));

    const QString address = TestSiteAddress("alice");
    EXPECT_TRUE(runList(address).addressRecorded);
    EXPECT_EQ(session.settings().recentAddresses[0], address);
    EXPECT_EQ(observer.eventsWith("recorded:"), QStringList{address});
    SettingsRecord saved;
    ASSERT_TRUE(LoadSettings(session.workDir, saved));
    EXPECT_EQ(saved.recentAddresses[0], address);

    // The same address in other letter case, and one that found nothing.
    EXPECT_FALSE(runList(TestSiteAddress("ALICE")).addressRecorded);
    EXPECT_FALSE(runList(TestSiteAddress("empty")).addressRecorded);
    EXPECT_EQ(RecentEntries(session.settings(), RecentList::Addresses), QStringList{address});
}

TEST_F(ListJobTest, AnAddressOf400CharactersIsNeverRecorded) {
    const std::string user(400, 'u');
    ServeTestSite(site, user, Owner(1));
    const ListJobResult result = runList(TestSiteAddress(user));
    EXPECT_EQ(result.albumCount, 1);
    EXPECT_FALSE(result.addressRecorded);
    EXPECT_FALSE(QFile::exists(session.workDir + kSettingsFileName));
}

} // namespace
} // namespace phodex::test
