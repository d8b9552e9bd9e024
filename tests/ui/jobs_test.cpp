// SPDX-License-Identifier: MIT
#include "windowfixture.h"

#include "adapters/common/dispatchkit.h"
#include "settings/record.h"

#include <QDirIterator>
#include <QElapsedTimer>
#include <QProgressBar>

namespace phodex::test {
namespace {

std::vector<TestPicture> Pictures(const std::string& prefix, int count) {
    std::vector<TestPicture> pictures;
    for (int i = 1; i <= count; ++i) {
        const std::string name = prefix + std::to_string(i);
        pictures.push_back({name + ".jpg", name});
    }
    return pictures;
}

TEST_F(WindowTest, ListJobFillsTheGridAndTheCaptions) {
    ServeOwner({{"春天", Pictures("s", 2)},
                {"夏天", Pictures("x", 1)},
                {"秋天", {}},
                {"冬天", Pictures("d", 3)}});
    StartWindow();
    ListInWindow();
    EXPECT_EQ(GroupCaption(), QStringLiteral("相册列表(共4个)"));
    EXPECT_EQ(Text(Control::StatusLine), QStringLiteral("获取相册列表完成，共4个"));
    ASSERT_EQ(Model().rowCount(), 4);
    EXPECT_EQ(Model().rowTexts(0),
              (QStringList{QStringLiteral("0001"), QStringLiteral("春天"), QStringLiteral("   2"),
                           QString(), QString(), QString()}));
    EXPECT_EQ(Model().rowTexts(3).value(1), QStringLiteral("冬天"));
    EXPECT_TRUE(Button(Control::Download)->isEnabled());
    EXPECT_EQ(Button(Control::GetList)->text(), QStringLiteral("获取相册"));
    EXPECT_TRUE(CategoryBox()->isEnabled());
    // The address went into the history and the record.
    EXPECT_EQ(Address()->itemText(Address()->count() - 1), TestSiteAddress("tester"));
    SettingsRecord record;
    ASSERT_TRUE(LoadSettings(session.workDir, record));
    EXPECT_EQ(record.recentAddresses[0], TestSiteAddress("tester"));
}

TEST_F(WindowTest, DownloadWritesTheTickedAlbumsAndShowsProgress) {
    ServeOwner(
        {{"春天", Pictures("s", 2)}, {"夏天", Pictures("x", 1)}, {"冬天", Pictures("d", 3)}});
    StartWindow();
    SavePath()->setEditText(saveDir.path());
    ListInWindow();
    // Ticks are the grid's selection: the first and the third album.
    Grid()->selectionModel()->select(Model().index(0, 1), QItemSelectionModel::Select);
    Grid()->selectionModel()->select(Model().index(2, 2), QItemSelectionModel::Select);
    EXPECT_EQ(window->tickedAlbums(), (std::vector<int>{0, 2}));
    EXPECT_EQ(Model().data(Model().index(0, 0), Qt::CheckStateRole).toInt(), int(Qt::Checked));

    auto* progress = window->findChild<QProgressBar*>();
    ASSERT_NE(progress, nullptr);
    bool progressShown = false;
    QObject::connect(progress, &QProgressBar::valueChanged,
                     [&] { progressShown = progressShown || progress->isVisible(); });
    Button(Control::Download)->click();
    ASSERT_TRUE(WaitFor([this] { return Button(Control::Download)->text() == u"终止下载"; }));
    EXPECT_FALSE(Button(Control::GetList)->isEnabled());
    EXPECT_FALSE(SavePath()->isEnabled());
    WaitForDownloadEnd();
    EXPECT_EQ(Button(Control::Download)->text(), QStringLiteral("下载"));
    EXPECT_TRUE(Button(Control::GetList)->isEnabled());
    EXPECT_TRUE(progressShown);
    EXPECT_FALSE(progress->isVisible());
    EXPECT_EQ(FilesIn(AlbumFolder(QStringLiteral("春天"))).filter(QStringLiteral(".jpg")).size(),
              2);
    EXPECT_EQ(FilesIn(AlbumFolder(QStringLiteral("冬天"))).filter(QStringLiteral(".jpg")).size(),
              3);
    EXPECT_FALSE(QFileInfo::exists(AlbumFolder(QStringLiteral("夏天"))));
}

TEST_F(WindowTest, SecondGetListClickAsksTheListingToStop) {
    // The album page arrives slowly enough for a second click.
    site.get("/u/tester", site.slowDrip(std::string(400, ' '), 20, std::chrono::milliseconds(50)));
    StartWindow();
    SelectCategory(kPhotoSiteListType);
    TypeAddress(TestSiteAddress("tester"));
    Button(Control::GetList)->click();
    ASSERT_TRUE(WaitFor([this] { return Button(Control::GetList)->text() == u"终止获取"; }));
    EXPECT_FALSE(CategoryBox()->isEnabled());
    EXPECT_FALSE(Address()->isEnabled());
    EXPECT_FALSE(Button(Control::ThumbnailMode)->isEnabled());
    Button(Control::GetList)->click();
    EXPECT_EQ(session.listState.load(), kListStopRequested);
    ASSERT_TRUE(WaitFor([this] { return session.listState.load() == kListIdle; }));
    ASSERT_TRUE(WaitFor([this] { return Button(Control::GetList)->text() == u"获取相册"; }));
    EXPECT_TRUE(CategoryBox()->isEnabled());
}

TEST_F(WindowTest, SecondDownloadClickStopsTheDownload) {
    ServeOwner({{"慢", Pictures("m", 6)}});
    site.get("/p/*", site.slowDrip(std::string(2000, 'x'), 100, std::chrono::milliseconds(50)));
    StartWindow();
    SavePath()->setEditText(saveDir.path());
    ListInWindow();
    Button(Control::SelectAll)->click();
    EXPECT_EQ(window->tickedAlbums(), (std::vector<int>{0}));
    Button(Control::Download)->click();
    ASSERT_TRUE(WaitFor([this] { return Button(Control::Download)->text() == u"终止下载"; }));
    Button(Control::Download)->click();
    EXPECT_EQ(session.downState.load(), kDownStopRequested);
    WaitForDownloadEnd();
    EXPECT_TRUE(Button(Control::Download)->isEnabled());
    // A stopped album keeps no marker of a finished download.
    EXPECT_FALSE(
        QFileInfo::exists(AlbumFolder(QStringLiteral("慢")) + QStringLiteral("pic.korvo")));
}

// An address that names one album is downloaded as soon as it is listed.
TEST_F(WindowTest, SingleAlbumAddressStartsTheDownloadAtOnce) {
    ServeOwner({{"单个", Pictures("o", 2)}});
    const ListOp photoList = kTestSiteListOp;
    table.setList(photoList, [](ListContext& ctx, const QString& address) {
        TestSiteListAlbums(ctx, address);
        dispatch::StartAtOnceIfOne(ctx);
    });
    StartWindow();
    SavePath()->setEditText(saveDir.path());
    SelectCategory(kPhotoSiteListType);
    TypeAddress(TestSiteAddress("tester"));
    Button(Control::GetList)->click();
    WaitForDownloadEnd();
    EXPECT_EQ(window->tickedAlbums(), (std::vector<int>{0}));
    EXPECT_EQ(FilesIn(AlbumFolder(QStringLiteral("单个"))).filter(QStringLiteral(".jpg")).size(),
              2);
}

TEST_F(WindowTest, OpenButtonOpensTheTypedSaveFolder) {
    StartWindow();
    SavePath()->setEditText(QStringLiteral("/srv/pictures/"));
    Button(Control::OpenFolder)->click();
    EXPECT_EQ(shell.openedFolders(), QStringList{QStringLiteral("/srv/pictures/")});
}

TEST_F(WindowTest, ClosingWithJobsRunningStopsAndWaitsForThem) {
    ServeOwner({{"慢", Pictures("m", 4)}});
    site.get("/p/*", site.stall());
    StartWindow();
    SavePath()->setEditText(saveDir.path());
    ListInWindow();
    Button(Control::SelectAll)->click();
    Button(Control::Download)->click();
    ASSERT_TRUE(WaitFor([this] { return site.countOf("/p/*") > 0; }));
    QElapsedTimer closing;
    closing.start();
    window->close();
    // Generous: stalled transfers would otherwise hold the close for their time-out.
    EXPECT_LT(closing.elapsed(), 5000);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(session.downState.load(), kDownIdle);
    EXPECT_TRUE(dialogs.isShutDown());
    QDirIterator parts(saveDir.path(), {QStringLiteral("*.part")}, QDir::Files | QDir::Hidden,
                       QDirIterator::Subdirectories);
    EXPECT_FALSE(parts.hasNext()) << "a part file was left: " << parts.next().toStdString();
}

} // namespace
} // namespace phodex::test
