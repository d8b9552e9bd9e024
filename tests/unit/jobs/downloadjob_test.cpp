// SPDX-License-Identifier: MIT
// The download job over the test site family: albums into folders, the
// marker file and the skip rule, stops, list-only, fixes and the title file.
#include "downloadjobfixture.h"

#include "jobs/addpicture.h"
#include "jobs/downloadjobmarker.h"
#include "support/filesizelimit.h"

namespace phodex::test {
namespace {

const std::vector<TestPicture> kThree = {
    {"1.jpg", "first"}, {"2.jpg", "second"}, {"3.jpg", "third"}};

using DownloadJobs = DownloadJobTest;

TEST_F(DownloadJobs, TickedAlbumsGoIntoTheirFoldersUnderTheOwner) {
    ServeOwner(
        {{"Summer", kThree}, {"Skipped", {{"x.jpg", "x"}}}, {"Winter", {{"4.jpg", "snow"}}}});
    ListOwner();
    const DownloadJobResult result = Download({0, 2});
    EXPECT_TRUE(result.started);
    EXPECT_EQ(result.albums, 2);
    EXPECT_EQ(result.pictures, 4);
    EXPECT_EQ(result.saved, 4);
    EXPECT_FALSE(result.stopped);
    EXPECT_EQ(FilesIn(AlbumFolder(QStringLiteral("Summer"))),
              (QStringList{"first.jpg", "pic.korvo", "second.jpg", "third.jpg"}));
    EXPECT_EQ(ReadFile(AlbumFolder(QStringLiteral("Summer")) + "second.jpg"),
              QByteArray::fromStdString(PictureBytes("2.jpg")));
    EXPECT_EQ(FilesIn(AlbumFolder(QStringLiteral("Winter"))),
              (QStringList{"pic.korvo", "snow.jpg"}));
    EXPECT_FALSE(QFileInfo::exists(AlbumFolder(QStringLiteral("Skipped"))));
    EXPECT_EQ(site.countOf("/p/x.jpg"), 0);
    // Pictures are fetched with the header line the operation gave.
    EXPECT_EQ(site.lastRequestTo("/p/4.jpg")->header("Referer"), "http://album.testsite.example/");
    const QStringList status = observer.eventsWith(QStringLiteral("status:"));
    EXPECT_TRUE(status.contains(QStringLiteral("正在下载第1/2个图集")));
    EXPECT_TRUE(status.contains(QStringLiteral("正在下载第2/2个图集")));
    EXPECT_EQ(status.last(), QStringLiteral("下载完毕"));
    // Each album is announced by its place among the ticked ones and its name.
    EXPECT_EQ(observer.eventsWith(QStringLiteral("album:")),
              (QStringList{QStringLiteral("1/2:Summer"), QStringLiteral("2/2:Winter")}));
    EXPECT_EQ(observer.eventsWith(QStringLiteral("state:download:")),
              (QStringList{QStringLiteral("1"), QStringLiteral("0")}));
    EXPECT_EQ(result.folder, AlbumFolder(QStringLiteral("Winter")));
}

TEST_F(DownloadJobs, MarkerHoldsTheFirstAddressWithoutItsFallback) {
    ServeOwner({{"Album", {{"1.jpg", "one", "1b.jpg"}, {"2.jpg", "two"}}}});
    ListOwner();
    Download({0});
    const QString folder = AlbumFolder(QStringLiteral("Album"));
    EXPECT_EQ(ReadFile(folder + "pic.korvo"), Utf16Le(PictureAddress("1.jpg"), false));
    EXPECT_EQ(ReadAlbumMarker(folder), PictureAddress("1.jpg"));
}

// With the skip option an unchanged album adds nothing; an album with new
// pictures in front downloads only those.
TEST_F(DownloadJobs, SkipRuleStopsAtTheFirstPictureOfTheLastDownload) {
    SetOptions(kOptionSkipPrevious);
    ServeOwner({{"Album", {{"1.jpg", "one", "1b.jpg"}, {"2.jpg", "two"}}}});
    ListOwner();
    Download({0});
    const QString folder = AlbumFolder(QStringLiteral("Album"));
    const QByteArray marker = ReadFile(folder + "pic.korvo");

    site.clearRequests();
    const DownloadJobResult again = RunDownload({0});
    EXPECT_EQ(again.pictures, 0);
    EXPECT_EQ(site.countOf("/p/*"), 0);
    EXPECT_EQ(site.countOf("/album/a1"), 1); // listing stopped on the first page
    EXPECT_EQ(site.countOf("/album2/*"), 0); // no fallback operation after the skip
    EXPECT_EQ(ReadFile(folder + "pic.korvo"), marker);

    ServeAlbum("/album/a1", {{"0.jpg", "zero"}, {"1.jpg", "one", "1b.jpg"}, {"2.jpg", "two"}});
    site.clearRequests();
    const DownloadJobResult newer = Download({0});
    EXPECT_EQ(newer.pictures, 1);
    EXPECT_EQ(site.countOf("/p/0.jpg"), 1);
    EXPECT_EQ(site.countOf("/p/1.jpg"), 0);
    EXPECT_EQ(ReadAlbumMarker(folder), PictureAddress("0.jpg"));
}

TEST_F(DownloadJobs, FallbackOperationRunsOnlyWhileTheAlbumRunsAndFoundNothing) {
    ServeOwner({{"Empty", {}}, {"Stopped", {}}});
    ServeAlbum("/album2/a1", kThree);
    ServeAlbum("/album2/a2", kThree);
    ListOwner();
    // The first operation finds nothing: the second one fills the album, and
    // the folder is nested once.
    Download({0});
    EXPECT_EQ(FilesIn(AlbumFolder(QStringLiteral("Empty"))),
              (QStringList{"first.jpg", "pic.korvo", "second.jpg", "third.jpg"}));
    EXPECT_FALSE(QFileInfo::exists(AlbumFolder(QStringLiteral("Empty")) + "Empty"));

    // A stop during the first operation leaves the second one out.
    table.setPicture(kPhotoSitePictureOp,
                     [this](PictureContext&, int) { RequestDownloadStop(session); });
    site.clearRequests();
    const DownloadJobResult stopped = Download({1});
    EXPECT_TRUE(stopped.stopped);
    EXPECT_EQ(site.countOf("/album2/*"), 0);
}

// A stop while an album is being listed: the pictures found so far are
// downloaded only when the user says so, and the marker is not written.
TEST_F(DownloadJobs, StopWhileListingAsksOnceWhetherToDownloadWhatWasFound) {
    for (const bool answer : {false, true}) {
        SCOPED_TRACE(answer ? "yes" : "no");
        SetOptions(kOptionFixFormat);
        ServeOwner({{"Album", {{"1.jpg", "one"}, {"2.jpg", "two"}, {"3.jpg", "three"}}},
                    {"Next", kThree}});
        site.get("/p/2.jpg", [](const httplib::Request&, httplib::Response& res) {
            res.set_content("GIF89a picture", "image/gif");
        });
        ListOwner();
        table.setPicture(kPhotoSitePictureOp, [this](PictureContext& ctx, int index) {
            QString first = PictureAddress("1.jpg"), second = PictureAddress("2.jpg");
            ctx.addPicture(first, QStringLiteral("one"), QString(), index);
            ctx.addPicture(second, QStringLiteral("two"), QString(), index);
            RequestDownloadStop(session);
        });
        ScriptedUserPrompt answers(answer);
        JobEnv scripted{session, table, observer, answers, browser, keys, shell};
        DownloadJob job(scripted);
        QTemporaryDir into;
        site.clearRequests();
        ASSERT_EQ(job.pressDownload({into.path(), {0, 1}}), DownloadStart::Started);
        job.wait();
        const DownloadJobResult result = job.lastResult();
        EXPECT_EQ(answers.questions().size(), 1);
        EXPECT_TRUE(result.stopped);
        const QString folder = into.path() + QStringLiteral("/tester/Album/");
        EXPECT_FALSE(QFileInfo::exists(folder + "pic.korvo"));
        EXPECT_FALSE(QFileInfo::exists(into.path() + QStringLiteral("/tester/Next")));
        if (answer) {
            // Downloaded, and the format fix still ran on them.
            EXPECT_EQ(FilesIn(folder), (QStringList{"one.jpg", "two.gif"}));
            EXPECT_EQ(result.pictures, 2);
        } else {
            EXPECT_TRUE(FilesIn(folder).isEmpty());
            EXPECT_EQ(site.countOf("/p/*"), 0);
            EXPECT_EQ(result.pictures, 0);
        }
    }
}

// A stop during the downloads ends the transfers in flight and the job after
// the current album; no marker, no partial file.
TEST_F(DownloadJobs, StopDuringDownloadsEndsTheJobAfterTheAlbum) {
    ServeOwner({{"Album", kThree}, {"Next", kThree}});
    ListOwner();
    std::mutex mutex;
    int arrived = 0;
    const FakeSite::Handler stall = site.stall(80000);
    site.get("/p/*", [&](const httplib::Request& req, httplib::Response& res) {
        {
            std::lock_guard lock(mutex);
            if (++arrived == 3)
                RequestDownloadStop(session);
        }
        stall(req, res);
    });
    session.updateSettings([](SettingsRecord& record) {
        record.downloadFor(kPhotoSiteListType).timeoutSeconds = 60;
        return true;
    });
    const DownloadJobResult result = Download({0, 1});
    EXPECT_TRUE(result.stopped);
    EXPECT_EQ(result.saved, 0);
    // The next album may have been listed meanwhile, but nothing of it is fetched.
    EXPECT_EQ(site.countOf("/p/*"), 3);
    EXPECT_TRUE(FilesIn(AlbumFolder(QStringLiteral("Next"))).isEmpty());
    EXPECT_TRUE(FilesIn(AlbumFolder(QStringLiteral("Album"))).isEmpty())
        << FilesIn(AlbumFolder(QStringLiteral("Album"))).join(u' ').toStdString();
    EXPECT_EQ(observer.eventsWith(QStringLiteral("status:")).last(), QStringLiteral("下载完毕"));
}

TEST_F(DownloadJobs, ListOnlyWritesTheListFileAndDownloadsNothing) {
    SetOptions(kOptionListOnly | kOptionFixFormat | kOptionFixOrder);
    ServeOwner({{"相册", {{"1.jpg", "one", "1b.jpg"}, {"2.jpg", "two"}}}});
    ListOwner();
    const DownloadJobResult result = Download({0});
    EXPECT_EQ(result.pictures, 2);
    const QString folder = AlbumFolder(QStringLiteral("相册"));
    EXPECT_EQ(FilesIn(folder), QStringList{QStringLiteral("相册.lst")});
    const QByteArray expected = (PictureAddress("1.jpg") + "\r\n" + PictureAddress("1b.jpg") +
                                 "\r\n" + PictureAddress("2.jpg") + "\r\n")
                                    .toLatin1();
    EXPECT_EQ(ReadFile(folder + QStringLiteral("相册.lst")), expected);
    EXPECT_EQ(site.countOf("/p/*"), 0);
}

TEST_F(DownloadJobs, TitleFileHasOneLinePerPictureAndStartsAnewEachTime) {
    SetOptions(kOptionTitleFile);
    ServeOwner({{"Album", {{"1.jpg", "第一张"}, {"2.jpg", "two"}, {"3.jpg", "three"}}}});
    ListOwner();
    Download({0});
    RunDownload({0});
    const QString path = AlbumFolder(QStringLiteral("Album")) + "Album.txt";
    EXPECT_EQ(ReadFile(path), Utf16Le(QStringLiteral("第一张\r\ntwo\r\nthree\r\n"), true));
}

TEST_F(DownloadJobs, NamesDifferingInLetterCaseGetCounters) {
    ServeOwner(
        {{"Album", {{"1.jpg", "Cat"}, {"2.jpg", "cat"}, {"3.jpg", "CAT"}, {"4.png", "cat"}}}});
    ListOwner();
    Download({0});
    EXPECT_EQ(FilesIn(AlbumFolder(QStringLiteral("Album"))),
              (QStringList{"CAT(2).jpg", "Cat.jpg", "cat(1).jpg", "cat(3).jpg", "pic.korvo"}));
}

// Titles are site text: whatever they look like, the picture stays inside
// its album folder.
TEST_F(DownloadJobs, TitlesNeverLeaveTheAlbumFolder) {
    ServeOwner(
        {{"Album",
          {{"1.jpg", "C:\\Windows\\evil"}, {"2.jpg", "../../escape"}, {"3.jpg", "/etc/passwd"}}}});
    ListOwner();
    Download({0});
    EXPECT_EQ(FilesIn(AlbumFolder(QStringLiteral("Album"))),
              (QStringList{"CWindowsevil.jpg", "escape.jpg", "etcpasswd.jpg", "pic.korvo"}));
    EXPECT_EQ(QDir(saveDir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList{"tester"});
}

// A page that points pictures at the user's own machine (a printer's or a
// router's admin page on loopback) sends no request there.
TEST_F(DownloadJobs, PicturesOnThisMachineAreNotFetchedForASiteElsewhere) {
    site.page("/admin/*", "admin page");
    const std::string port = std::to_string(site.httpPort());
    ServeOwner({{"Album",
                 {{"1.jpg", "one"},
                  {"http://127.0.0.1:" + port + "/admin/a.jpg", "a"},
                  {"http://localhost:" + port + "/admin/b.jpg", "b"},
                  {"http://2130706433:" + port + "/admin/c.jpg", "c"},
                  {"2.jpg", "two"}}}});
    ListOwner();
    Download({0});
    EXPECT_EQ(FilesIn(AlbumFolder(QStringLiteral("Album"))),
              (QStringList{"one.jpg", "pic.korvo", "two.jpg"}));
    EXPECT_EQ(site.countOf("/admin/*"), 0);
}

// Pictures that could not be written (a full disk; here the file size limit)
// are not remembered as downloaded, and the albums after them, which would
// fail the same way, are left alone: once there is room, a download with the
// skip option fetches them all.
TEST_F(DownloadJobs, AFullDiskEndsTheJobAndLeavesItsAlbumToBeDownloadedAgain) {
    site.get("/p/big*", [](const httplib::Request& req, httplib::Response& res) {
        res.set_content(PictureBytes(req.path) + std::string(200 * 1024, 'b'), "image/jpeg");
    });
    ServeOwner(
        {{"Full", {{"big1.jpg", "one"}, {"big2.jpg", "two"}}}, {"Later", {{"5.jpg", "five"}}}});
    ListOwner();
    SetOptions(kOptionSkipPrevious);
    DownloadJobResult full;
    {
        const ScopedFileSizeLimit limit(100 * 1024);
        ASSERT_TRUE(limit.isSet());
        full = Download({0, 1});
    }

    EXPECT_FALSE(full.writeFailure.isEmpty());
    EXPECT_EQ(full.saved, 0);
    EXPECT_EQ(FilesIn(AlbumFolder(QStringLiteral("Full"))), QStringList{});
    EXPECT_EQ(site.countOf("/p/5.jpg"), 0);

    const DownloadJobResult again = Download({0, 1});
    EXPECT_TRUE(again.writeFailure.isEmpty());
    EXPECT_EQ(again.saved, 3);
    EXPECT_EQ(FilesIn(AlbumFolder(QStringLiteral("Full"))),
              (QStringList{"one.jpg", "pic.korvo", "two.jpg"}));
}

TEST_F(DownloadJobs, LongNamesFitTheFileSystemEvenUnderALongPath) {
    const std::string title(300, 'x');
    ServeOwner({{"Album", {{"1.jpg", title}, {"2.jpg", title}}}});
    ListOwner();
    QString deep = saveDir.path();
    for (int i = 0; i < 4; ++i)
        deep += u'/' + QString(70, QChar(u'd'));
    Download({0}, deep);
    QStringList files = FilesIn(deep + QStringLiteral("/tester/Album/"));
    files.removeOne(QStringLiteral("pic.korvo"));
    EXPECT_EQ(files, (QStringList{QString(248, QChar(u'x')) + "(1).jpg",
                                  QString(251, QChar(u'x')) + ".jpg"}));
}

TEST_F(DownloadJobs, SaveFolderThatCannotBeMadeEndsTheJobWithTheFailingLevel) {
    ServeOwner({{"Album", kThree}});
    ListOwner();
    QFile blocker(saveDir.filePath(QStringLiteral("file")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const DownloadJobResult result = Download({0}, saveDir.filePath(QStringLiteral("file/sub")));
    EXPECT_FALSE(result.started);
    // The failing level with the system's reason, then the site's hint.
    EXPECT_EQ(prompt.informations(),
              (QStringList{saveDir.filePath(QStringLiteral("file: ")) +
                               QString::fromLocal8Bit(std::strerror(ENOTDIR)),
                           QStringLiteral("请检测设置的保存路径是否有误")}));
    EXPECT_EQ(site.countOf("/album/*"), 0);

    const DownloadJobResult empty = Download({0}, QStringLiteral("  "));
    EXPECT_FALSE(empty.started);
    EXPECT_EQ(prompt.informations().last(), QStringLiteral("请先设置保存路径"));
}

TEST_F(DownloadJobs, OpensTheLastAlbumFolderWhenAskedAndSomethingWasFound) {
    SetOptions(kOptionOpenFolder);
    ServeOwner({{"One", kThree}, {"Two", kThree}, {"Empty", {}}});
    ListOwner();
    Download({2});
    EXPECT_TRUE(shell.openedFolders().isEmpty());
    Download({0, 1});
    EXPECT_EQ(shell.openedFolders(), QStringList{AlbumFolder(QStringLiteral("Two"))});
}

TEST_F(DownloadJobs, NoTickedAlbumOrNoPictureOperationIsReported) {
    ServeOwner({{"Album", kThree}});
    ListOwner();
    Download({});
    EXPECT_EQ(prompt.informations(), QStringList{QStringLiteral("请先勾选要下载的相册")});
    session.listType = categoryAt(kCategoryCount + 2); // a category without a row in the table
    Download({0, 0});
    EXPECT_EQ(prompt.informations().count(QStringLiteral("Error ListType Code.")), 2);
}

// The job works on the copies it took: settings changed meanwhile apply next time.
TEST_F(DownloadJobs, SettingsChangedDuringTheJobApplyToTheNextOne) {
    ServeOwner({{"Album", kThree}});
    ListOwner();
    table.setPicture(kPhotoSitePictureOp, [this](PictureContext& ctx, int index) {
        SetOptions(kOptionListOnly);
        PhotoSiteListPhotos(ctx, index, QStringLiteral("/album/"));
    });
    const DownloadJobResult result = Download({0});
    EXPECT_EQ(result.saved, 3);
    EXPECT_FALSE(QFileInfo::exists(AlbumFolder(QStringLiteral("Album")) + "Album.lst"));
}

TEST(PictureIntake, UniqueNamesCountUpAndStayWithinTheLimit) {
    const QStringList names{"a.jpg", "A(1).JPG", "b.png"};
    EXPECT_EQ(UniquePictureName("a", ".jpg", names), QStringLiteral("a(2).jpg"));
    EXPECT_EQ(UniquePictureName("b", ".jpg", names), QStringLiteral("b.jpg"));
    const QString stem(251, QChar(u'相')); // 753 bytes: the counter still fits after cutting
    const QString name = UniquePictureName(stem, ".jpg", {stem + ".jpg"});
    EXPECT_LE(name.toUtf8().size(), 255);
    EXPECT_TRUE(name.endsWith(QStringLiteral("(1).jpg")));
}

} // namespace
} // namespace phodex::test
