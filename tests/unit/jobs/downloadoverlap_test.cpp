// SPDX-License-Identifier: MIT
// The download job lists the next album while the current one downloads:
// what each album gets, and what the window shows, stay as when the albums
// are taken one after the other; a stop ends both.
#include "downloadjobfixture.h"

#include "download/manager.h"
#include "jobs/downloadjobmarker.h"
#include "support/eventually.h"

#include <QDirIterator>

#include <atomic>

namespace phodex::test {
namespace {

using DownloadOverlap = DownloadJobTest;

const std::vector<std::pair<std::string, std::vector<TestPicture>>> kAlbums = {
    {"One", {{"1.jpg", "one-1"}, {"2.jpg", "one-2"}, {"3.jpg", "one-3"}}},
    {"Two", {{"4.jpg", "two-1"}, {"5.jpg", "two-2"}, {"6.jpg", "two-3"}}},
    {"Three", {{"7.jpg", "three-1"}}},
};

// The lines of one album as the job shows them when it lists the album at
// its turn: the last progress line only, since the manager may skip counts.
QStringList AlbumLines(int k, int n, int pictures) {
    QStringList lines{QStringLiteral("status:正在下载第%1/%2个图集").arg(k).arg(n),
                      QStringLiteral("detail:......")};
    for (int i = 1; i <= pictures; ++i)
        lines << QStringLiteral("detail:已获取到%1张图片信息").arg(i);
    lines << QStringLiteral("detail:已开始下载图片")
          << QStringLiteral("progress:%1/%1").arg(pictures);
    return lines;
}

QStringList ShownLines(const QStringList& events) {
    QStringList lines;
    for (const QString& event : events) {
        if (event.startsWith(QStringLiteral("status:")) ||
            event.startsWith(QStringLiteral("detail:")))
            lines << event;
        else if (event.startsWith(QStringLiteral("progress:"))) {
            const QStringList counts = event.mid(9).split(u'/');
            if (counts.size() == 2 && counts[0] == counts[1])
                lines << event;
        }
    }
    return lines;
}

QStringList PartFilesUnder(const QString& folder) {
    QStringList parts;
    QDirIterator it(folder, {QStringLiteral("*.part")}, QDir::Files | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        parts << it.next();
    return parts;
}

// With several download threads the next album is listed while the first
// one's pictures are still on their way; with one thread it is listed only
// after them. Either way each album gets its own pictures, title file and
// marker, and the window shows the albums one after the other as before.
TEST_F(DownloadOverlap, PerAlbumStepsStayInOrderWhetherTheNextAlbumIsListedAheadOrNot) {
    struct Case {
        const char* name;
        int threads;
        bool listedAhead;
    };
    for (const Case& c : {Case{.name = "five threads", .threads = 5, .listedAhead = true},
                          Case{.name = "one thread", .threads = 1, .listedAhead = false}}) {
        SCOPED_TRACE(c.name);
        QTemporaryDir into;
        SetOptions(kOptionTitleFile);
        session.updateSettings([&](SettingsRecord& record) {
            record.downloadFor(kPhotoSiteListType).threads = std::uint16_t(c.threads);
            return true;
        });
        ServeOwner(kAlbums);
        ListOwner();
        // The first album's pictures answer once the second album's page was
        // asked for, or at once when it was not asked for yet.
        std::atomic<bool> secondListedMeanwhile{false}, thirdListedMeanwhile{false};
        site.get("/p/*", [&](const httplib::Request& req, httplib::Response& res) {
            const std::string file = req.path.substr(3);
            if (file <= "3.jpg") {
                if (c.listedAhead)
                    Eventually([&] { return site.countOf("/album/a2") > 0; });
                if (site.countOf("/album/a2") > 0)
                    secondListedMeanwhile = true;
                if (site.countOf("/album/a3") > 0)
                    thirdListedMeanwhile = true;
            }
            res.set_content(PictureBytes(file), "image/jpeg");
        });
        const int before = int(observer.events().size());

        const DownloadJobResult result = Download({0, 1, 2}, into.path());
        EXPECT_EQ(result.pictures, 7);
        EXPECT_EQ(result.saved, 7);
        EXPECT_FALSE(result.stopped);
        EXPECT_EQ(secondListedMeanwhile.load(), c.listedAhead);
        EXPECT_FALSE(thirdListedMeanwhile.load()) << "at most one album is listed ahead";

        QStringList expected = AlbumLines(1, 3, 3) + AlbumLines(2, 3, 3) + AlbumLines(3, 3, 1);
        expected << QStringLiteral("status:下载完毕") << QStringLiteral("detail:");
        EXPECT_EQ(ShownLines(observer.events().mid(before)), expected);

        for (const auto& [name, pictures] : kAlbums) {
            const QString album = QString::fromStdString(name);
            const QString folder = into.path() + QStringLiteral("/tester/") + album + u'/';
            QStringList files{QStringLiteral("pic.korvo"), album + QStringLiteral(".txt")};
            QString titles;
            for (const TestPicture& picture : pictures) {
                files << QString::fromStdString(picture.title) + QStringLiteral(".jpg");
                titles += QString::fromStdString(picture.title) + QStringLiteral("\r\n");
            }
            files.sort();
            EXPECT_EQ(FilesIn(folder), files) << name;
            EXPECT_EQ(ReadAlbumMarker(folder), PictureAddress(pictures.front().file)) << name;
            EXPECT_EQ(ReadFile(folder + album + QStringLiteral(".txt")), Utf16Le(titles, true))
                << name;
        }
        site.clearRequests();
    }
}

// A stop while the first album downloads and the second is being listed:
// the first is not marked done, the second is neither downloaded nor asked
// about, the third is never listed, and no part file stays behind.
TEST_F(DownloadOverlap, StopDuringTheOverlapEndsBothAndMarksNothingDone) {
    std::vector<std::pair<std::string, std::vector<TestPicture>>> albums = kAlbums;
    albums[1].second.push_back({"8.jpg", "two-4"}); // a second page to be cut off
    ServeOwner(albums);
    ListOwner();
    session.updateSettings([](SettingsRecord& record) {
        record.downloadFor(kPhotoSiteListType).timeoutSeconds = 60;
        return true;
    });
    const FakeSite::Handler stall = site.stall(80000);
    site.get("/p/*", stall);
    // The second album's second page is asked for while the first album's
    // pictures are in flight; the stop comes before it is answered.
    site.get("/album/a2", [&](const httplib::Request& req, httplib::Response& res) {
        const int page = req.has_param("page") ? std::stoi(req.get_param_value("page")) : 1;
        if (page == 2) {
            Eventually([&] { return site.countOf("/p/*") >= 3; });
            RequestDownloadStop(session);
        }
        res.set_content(AlbumPage(albums[1].second, page), "text/html; charset=utf-8");
    });
    const int before = int(observer.events().size());

    const DownloadJobResult result = Download({0, 1, 2});
    EXPECT_TRUE(result.stopped);
    EXPECT_EQ(result.saved, 0);
    EXPECT_EQ(result.pictures, 3);
    EXPECT_EQ(site.countOf("/album/a2"), 2);
    EXPECT_EQ(site.countOf("/album/a3"), 0);
    for (const char* picture : {"/p/4.jpg", "/p/5.jpg", "/p/6.jpg", "/p/8.jpg"})
        EXPECT_EQ(site.countOf(picture), 0) << picture;
    EXPECT_TRUE(prompt.questions().isEmpty());
    for (const char* album : {"One", "Two"})
        EXPECT_FALSE(QFileInfo::exists(AlbumFolder(QString::fromLatin1(album)) + "pic.korvo"))
            << album;
    EXPECT_EQ(PartFilesUnder(saveDir.path()), QStringList());
    // Only the album that was downloading was shown.
    const QStringList shown = ShownLines(observer.events().mid(before));
    EXPECT_EQ(shown.filter(QStringLiteral("status:")),
              (QStringList{QStringLiteral("status:正在下载第1/3个图集"),
                           QStringLiteral("status:下载完毕")}));
    EXPECT_EQ(shown.filter(QStringLiteral("已获取到")).size(), 3);
}

// A stop leaves the job's stop flag up; the next job starts afresh.
TEST_F(DownloadOverlap, AJobAfterAStoppedOneListsAndDownloadsAgain) {
    ServeOwner(kAlbums);
    ListOwner();
    table.setPicture(kPhotoSitePictureOp, [this](PictureContext& ctx, int index) {
        QString first = PictureAddress("1.jpg");
        ctx.addPicture(first, QStringLiteral("one"), QString(), index);
        RequestDownloadStop(session);
    });
    EXPECT_TRUE(Download({0, 1}).stopped); // the prompt answers no: nothing downloaded
    table.setPicture(kPhotoSitePictureOp, [](PictureContext& ctx, int index) {
        PhotoSiteListPhotos(ctx, index, QStringLiteral("/album/"));
    });
    const DownloadJobResult again = Download({0, 1});
    EXPECT_FALSE(again.stopped);
    EXPECT_EQ(again.saved, 6);
    EXPECT_EQ(ReadAlbumMarker(AlbumFolder(QStringLiteral("Two"))), PictureAddress("4.jpg"));
}

} // namespace
} // namespace phodex::test
