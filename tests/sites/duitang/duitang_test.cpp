// SPDX-License-Identifier: MIT
#include "adapters/duitang/duitangadapters.h"
#include "core/catalogue.h"
#include "sites/portfolio/portfoliosite.h"
#include "sites/clirunner.h"

#include <QTemporaryDir>

namespace phodex::test {
namespace {

const std::string kSiteHost = "www.duitang.com";
const std::string kPictureHost = "c-ssl.duitang.com";
const std::string kAlbumListPath = "/album/list/*";
const std::string kBlogListPath = "/napi/blog/list/by_album/";
constexpr Category kDuitang = Category::HuabanDuitang;

class DuitangTest : public PortfolioSiteTest {
protected:
    void SetUp() override {
        PortfolioSiteTest::SetUp();
        site.route(
            "GET", kSiteHost, kAlbumListPath,
            [](const httplib::Request& req, httplib::Response& res) {
                const std::string page = req.path.substr(std::string("/album/list/").size(), 1);
                res.set_content(Fixture("duitang/albums-" + page + ".json"), "application/json");
            });
        servePagesBy(
            kSiteHost, kBlogListPath, "start",
            {{"0", Fixture("duitang/photos-0.json")}, {"24", Fixture("duitang/photos-24.json")}});
        site.route("GET", kPictureHost, "/uploads/*",
                   [](const httplib::Request& req, httplib::Response& res) {
                       res.set_content(PictureBody(req.target), "image/jpeg");
                   });
    }
    int addSpring() {
        AlbumInfo album;
        album.name = u"春天"_s;
        album.key = u"81000"_s;
        return addAlbum(album);
    }
    std::vector<ReceivedRequest> requestsTo(const std::string& path) const {
        return site.requestsTo(path);
    }
};

TEST_F(DuitangTest, AnAlbumsAddressListsItFromItsPageWithTheOwnerAfterTheHeadersMarker) {
    servePage(kSiteHost, "/album/", Fixture("duitang/album.html"));
    session.setTextSlot(TextSlot::First, u"left by an earlier listing"_s);
    dispatch(kDuitang, u"https://www.duitang.com/album/?id=81000#top"_s);

    EXPECT_EQ(targetsAsked(kSiteHost), std::vector<std::string>{"/album/?id=81000"});
    // The viewer's own link comes before the marker; the owner's after it.
    EXPECT_EQ(session.ownerFolder(), u"堆糖_777"_s);
    EXPECT_EQ(session.subType.load(), SubType::DuitangAlbums);
    const auto albums = session.albums.snapshot();
    ASSERT_EQ(albums.size(), 1u);
    EXPECT_EQ(albums[0].name, u"春天"_s);
    EXPECT_EQ(albums[0].key, u"81000"_s);
    EXPECT_EQ(albums[0].photoCount, 12);
    EXPECT_TRUE(albums[0].cover.isEmpty());
    EXPECT_EQ(pauses.sleeps(), QList<qint64>{2000});
}

TEST_F(DuitangTest, AUsersAlbumsComePageByPageFromTheAlbumService) {
    servePage(kSiteHost, "/people/", Fixture("duitang/people.html"));
    // What a single album's listing left in the slot is not this user's album.
    session.setTextSlot(TextSlot::First, QString::fromStdString(Fixture("duitang/album.html")));
    const qint64 start = pauses.nowMs();
    dispatch(kDuitang, u"https://www.duitang.com/people/?user_id=777"_s);

    EXPECT_EQ(session.ownerFolder(), u"堆糖_777"_s);
    const auto albums = session.albums.snapshot();
    ASSERT_EQ(albums.size(), 26u);
    EXPECT_EQ(albums[0].name, u"春天"_s);
    EXPECT_EQ(albums[0].key, u"81000"_s);
    EXPECT_EQ(albums[0].photoCount, 10);
    EXPECT_EQ(albums[0].cover,
              u"https://c-ssl.duitang.com/uploads/item/2019/c81000.thumb.224_0.jpg"_s);
    EXPECT_EQ(albums[25].name, u"音乐"_s);
    EXPECT_EQ(albums[25].key, u"81025"_s);
    EXPECT_EQ(albums[25].photoCount, 35);
    // Paced before every page; "_" is the seconds of the request followed by "0000".
    EXPECT_EQ(pauses.sleeps(), (QList<qint64>{1500, 1500, 1500}));
    const auto pages = requestsTo(kAlbumListPath);
    ASSERT_EQ(pages.size(), 3u);
    for (size_t i = 0; i < pages.size(); ++i) {
        EXPECT_EQ(pages[i].path, "/album/list/" + std::to_string(i + 1) + "/24/");
        EXPECT_EQ(Param(pages[i], u"user_id"_s), u"777"_s);
        EXPECT_EQ(Param(pages[i], u"_"_s),
                  QString::number((start + 1500 * qint64(i + 1)) / 1000) + u"0000"_s);
        EXPECT_EQ(Header(pages[i], "Referer"), u"http://www.duitang.com/people/?user_id=777"_s);
    }
}

TEST_F(DuitangTest, AnAlbumsPicturesComeFromTheBlogServiceInFullSize) {
    const qint64 now = pauses.nowMs();
    runPictures(DuitangListPhotos, addSpring());

    EXPECT_EQ(urls(), (QStringList{u"https://c-ssl.duitang.com/uploads/item/201904/01/a1.jpg"_s,
                                   u"https://c-ssl.duitang.com/uploads/item/201904/01/a2.png"_s,
                                   u"https://c-ssl.duitang.com/uploads/item/201904/02/b1.jpeg"_s}));
    ASSERT_EQ(names().size(), 3);
    EXPECT_TRUE(names()[1].startsWith(u"桃花 & 梨花"_s)) << names()[1].toStdString();
    EXPECT_EQ(downList.headers, QStringList(3, QString()));
    EXPECT_EQ(pauses.sleeps(), (QList<qint64>{2500, 2500}));
    const auto pages = requestsTo(kBlogListPath);
    ASSERT_EQ(pages.size(), 2u);
    // The seconds of the first page, then a counter from the clock that
    // grows by one a page.
    const QString seconds = QString::number(now / 1000);
    const QString first = Param(pages[0], u"_"_s);
    ASSERT_EQ(first.size(), seconds.size() + 3) << first.toStdString();
    EXPECT_TRUE(first.startsWith(seconds));
    const int tick = first.right(3).toInt();
    EXPECT_LT(tick, 800);
    EXPECT_EQ(Param(pages[1], u"_"_s), seconds + QString::asprintf("%03d", tick + 1));
    for (size_t i = 0; i < pages.size(); ++i) {
        EXPECT_TRUE(pages[i].https);
        EXPECT_EQ(Param(pages[i], u"album_id"_s), u"81000"_s);
        EXPECT_EQ(Param(pages[i], u"start"_s), QString::number(24 * i));
        EXPECT_EQ(Param(pages[i], u"limit"_s), u"24"_s);
        EXPECT_EQ(Param(pages[i], u"include_fields"_s),
                  u"top_comments,is_root,source_link,buyable,root_id,status,like_count,sender,"
                  u"reply_count"_s);
        EXPECT_EQ(Header(pages[i], "Referer"), u"http://www.duitang.com/album/?id=81000"_s);
    }
}

// A service that keeps saying there is more while repeating its page.
TEST_F(DuitangTest, ABlogServiceRepeatingItsPageEndsTheAlbum) {
    servePagesBy(
        kSiteHost, kBlogListPath, "start",
        {{"0", Fixture("duitang/photos-0.json")}, {"24", Fixture("duitang/photos-0.json")}});
    runPictures(DuitangListPhotos, addSpring());
    EXPECT_EQ(urls().size(), 2);
    EXPECT_EQ(requestsTo(kBlogListPath).size(), 2u);
}

TEST_F(DuitangTest, TheCommandLineDownloadsAnAlbumAndAUsersAlbums) {
    servePage(kSiteHost, "/album/", Fixture("duitang/album.html"));
    servePage(kSiteHost, "/people/", Fixture("duitang/people.html"));
    const CliRun one = RunCli(
        site, workDir.path(),
        {u"download"_s, u"https://www.duitang.com/album/?id=81000"_s, u"--save"_s, saveDir.path()});
    EXPECT_EQ(one.exitCode, 0) << one.err.toStdString();
    // The pictures are JPEG whatever their addresses say; each album folder
    // holds the marker of its download.
    const auto album = [](const QString& folder) {
        return QStringList{folder + u"pic.korvo"_s, folder + u"柳树.jpg"_s,
                           folder + u"桃花 & 梨花.jpg"_s, folder + u"樱花.jpg"_s};
    };
    const QStringList spring = album(u"堆糖_777/春天/"_s);
    EXPECT_EQ(FilesBelow(saveDir.path()), spring);

    // Every album of the user has the same pictures here: the folders tell them apart.
    const QTemporaryDir userSave;
    const CliRun all = RunCli(site, workDir.path(),
                              {u"download"_s, u"https://www.duitang.com/people/?user_id=777"_s,
                               u"--albums"_s, u"1-2"_s, u"--save"_s, userSave.path()});
    EXPECT_EQ(all.exitCode, 0) << all.err.toStdString();
    EXPECT_EQ(FilesBelow(userSave.path()), album(u"堆糖_777/夏天/"_s) + spring);
}

} // namespace
} // namespace phodex::test
