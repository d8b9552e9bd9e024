// SPDX-License-Identifier: MIT
#include "adapters/yupoo/yupooadapters.h"
#include "core/catalogue.h"
#include "yupoosite.h"

#include <QRegularExpression>

namespace phodex::test {
namespace {

const QString kAlbumsAddress = u"http://www.yupoo.com/photos/xiaowang/albums/"_s;
const QString kClassicAlbumKey = u"http://www.yupoo.com/photos/xiaowang/albums/101/"_s;
const std::string kClassicAlbumPath = "/photos/xiaowang/albums/101/";

// The classic pages: album lists, "detail" album pages and zoom pages.
class YupooClassicTest : public YupooSiteTest {
protected:
    void SetUp() override {
        YupooSiteTest::SetUp();
        // Every zoom page names the original of its picture.
        site.route("GET", kClassicHost, "/photos/xiaowang/*",
                   [](const httplib::Request& req, httplib::Response& res) {
                       const QRegularExpressionMatch id =
                           QRegularExpression(u"^/photos/xiaowang/(\\d+)/zoom/original/$"_s)
                               .match(QString::fromStdString(req.path));
                       if (!id.hasMatch()) {
                           res.status = 404;
                           return;
                       }
                       const std::string page =
                           QString::fromStdString(Fixture("yupoo/classic-zoom.html"))
                               .replace(u"PICTURE"_s, u"http://pic.yupoo.com/xiaowang/p"_s +
                                                          id.captured(1) + u"/original.jpg"_s)
                               .toStdString();
                       res.set_content(page, "text/html; charset=utf-8");
                   });
    }
    void serveAlbumPages(const std::string& page1, const std::string& page2) {
        servePage(kClassicHost, kClassicAlbumPath + "page1/", page1);
        servePage(kClassicHost, kClassicAlbumPath + "page2/", page2);
        servePage(kClassicHost, kClassicAlbumPath + "page3/",
                  Fixture("yupoo/classic-list-empty.html"));
    }
    int addSpring(qint32 flags = 0) {
        AlbumInfo album;
        album.name = u"春天"_s;
        album.key = kClassicAlbumKey;
        album.flags = flags;
        return addAlbum(album);
    }
    int zoomPagesAsked() const { return site.countOf("/photos/xiaowang/900*"); }
};

TEST_F(YupooClassicTest, ListsTheAlbumPagesUntilOneHoldsNoAlbum) {
    for (int page = 1; page <= 3; ++page)
        servePage(kClassicHost, "/photos/xiaowang/albums/page" + std::to_string(page) + "/",
                  Fixture("yupoo/classic-list-" + std::to_string(page) + ".html"));
    servePage(kClassicHost, "/photos/xiaowang/albums/page4/",
              Fixture("yupoo/classic-list-empty.html"));
    dispatch(Category::Yupoo, u"https://www.yupoo.com/photos/xiaowang/collections/page2/"_s);

    EXPECT_EQ(targetsAsked(kClassicHost),
              (std::vector<std::string>{
                  "/photos/xiaowang/albums/page1/", "/photos/xiaowang/albums/page2/",
                  "/photos/xiaowang/albums/page3/", "/photos/xiaowang/albums/page4/"}));
    EXPECT_EQ(session.subType.load(), SubType::YupooClassic);
    EXPECT_EQ(session.ownerFolder(), u"小王"_s);
    const auto albums = session.albums.snapshot();
    ASSERT_EQ(albums.size(), 4u);
    // A long alt text keeps its last 34 characters, without its closing quote.
    EXPECT_EQ(albumNames(),
              (QStringList{u"相册：2012年春天去杭州西湖边上拍的樱花、柳树、断桥和雷峰塔的照片"_s,
                           u"私人收藏"_s, u"猫"_s, u"旧照片"_s}));
    EXPECT_EQ(albums[0].key, kClassicAlbumKey);
    EXPECT_EQ(albums[2].key, u"http://www.yupoo.com/photos/xiaowang/albums/103/"_s);
    EXPECT_EQ(albums[0].cover, u"http://pic.yupoo.com/xiaowang/c101/square.jpg"_s);
    EXPECT_EQ(albums[1].cover, u"http://www.yupoo.com/images/default_set_photo.gif"_s);
    EXPECT_EQ((std::vector<int>{albums[0].photoCount, albums[1].photoCount, albums[2].photoCount,
                                albums[3].photoCount}),
              (std::vector<int>{3, 5, 7, 2}));
    EXPECT_EQ((std::vector<qint32>{albums[0].flags, albums[1].flags, albums[2].flags}),
              (std::vector<qint32>{0, kAlbumEncrypted, 0}));
    for (const ReceivedRequest& request : site.requests()) {
        EXPECT_EQ(Header(request, "Cookie"), kBrowserCookies);
        EXPECT_EQ(Header(request, "Referer"),
                  u"http://www.yupoo.com"_s + QString::fromStdString(request.target));
    }
    EXPECT_EQ(browser.cookieAddresses(), QStringList(4, kAlbumsAddress));
}

TEST_F(YupooClassicTest, AnAlbumsAddressListsThatAlbumFromItsPage) {
    servePage(kClassicHost, kClassicAlbumPath, Fixture("yupoo/classic-album-1.html"));
    dispatch(Category::Yupoo, u"http://www.yupoo.com/photos/xiaowang/albums/101/?from=home"_s);

    EXPECT_EQ(targetsAsked(kClassicHost), std::vector<std::string>{kClassicAlbumPath});
    EXPECT_EQ(session.ownerFolder(), u"小王"_s);
    const auto albums = session.albums.snapshot();
    ASSERT_EQ(albums.size(), 1u);
    EXPECT_EQ(albums[0].name, u"春天"_s);
    EXPECT_EQ(albums[0].key, kClassicAlbumKey);
    EXPECT_EQ(albums[0].photoCount, 3);
    EXPECT_EQ(Header(site.requests().at(0), "Referer"), u"http://www.yupoo.com"_s);
    EXPECT_EQ(Header(site.requests().at(0), "Cookie"), kBrowserCookies);
}

TEST_F(YupooClassicTest, OriginalsComeFromTheZoomPagesAndLargePicturesFromTheAlbumPage) {
    serveAlbumPages(Fixture("yupoo/classic-album-1.html"), Fixture("yupoo/classic-album-2.html"));
    const struct {
        bool large;
        QStringList urls;
        int zoomPages;
    } cases[] = {
        {.large = true,
         .urls = {u"http://pic.yupoo.com/xiaowang/p9001/big.jpg"_s,
                  u"http://pic.yupoo.com/xiaowang/p9002/big.jpg"_s,
                  u"http://pic.yupoo.com/xiaowang/p9003/big.jpg"_s},
         .zoomPages = 0},
        {.large = false,
         .urls = {u"http://pic.yupoo.com/xiaowang/p9001/original.jpg"_s,
                  u"http://pic.yupoo.com/xiaowang/p9002/original.jpg"_s,
                  u"http://pic.yupoo.com/xiaowang/p9003/original.jpg"_s},
         .zoomPages = 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.large);
        session.albums.clear();
        runYupooPictures(YupooClassicListPhotos, addSpring(), c.large);

        EXPECT_EQ(urls(), c.urls);
        EXPECT_EQ(zoomPagesAsked(), c.zoomPages);
        EXPECT_EQ(site.countOf(kClassicAlbumPath + "page1/"), 1);
        EXPECT_EQ(site.lastRequestTo(kClassicAlbumPath + "page2/")->target,
                  kClassicAlbumPath + "page2/?style=detail");
        // Named by the title, else the description, else the album.
        ASSERT_EQ(names().size(), 3);
        EXPECT_TRUE(names()[0].startsWith(u"樱花"_s)) << names()[0].toStdString();
        EXPECT_TRUE(names()[1].startsWith(u"柳树"_s)) << names()[1].toStdString();
        EXPECT_TRUE(names()[2].startsWith(u"春天"_s)) << names()[2].toStdString();
        EXPECT_EQ(downList.headers, QStringList(3, u"Referer: "_s + kClassicAlbumKey));
        EXPECT_EQ(descriptionFile(u"春天"_s), Utf16WithMark(u"杭州西湖\r\n2012年4月"_s));
    }
    // Album pages with the browser's cookies, zoom pages with the shared jar.
    const auto zoom = site.lastRequestTo("/photos/xiaowang/9001/zoom/original/");
    ASSERT_TRUE(zoom.has_value());
    EXPECT_EQ(Header(*zoom, "Cookie"), u""_s);
    EXPECT_EQ(Header(*zoom, "Referer"),
              u"http://www.yupoo.com/photos/xiaowang/9001/zoom/original/"_s);
    EXPECT_EQ(Header(*site.lastRequestTo(kClassicAlbumPath + "page1/"), "Cookie"), kBrowserCookies);
}

TEST_F(YupooClassicTest, AZoomPageRefusingOriginalsEndsTheAlbumWithAMessage) {
    serveAlbumPages(Fixture("yupoo/classic-album-1.html"), Fixture("yupoo/classic-album-2.html"));
    servePage(kClassicHost, "/photos/xiaowang/9002/zoom/original/",
              Fixture("yupoo/classic-zoom-refused.html"));
    runYupooPictures(YupooClassicListPhotos, addSpring(), false);

    EXPECT_EQ(urls(), QStringList{u"http://pic.yupoo.com/xiaowang/p9001/original.jpg"_s});
    EXPECT_EQ(prompt.informations(),
              QStringList{u"请先在登录菜单里登录你的又拍帐号,登录时勾上下次自动登录"_s});
    EXPECT_EQ(site.countOf(kClassicAlbumPath + "page2/"), 0);
}

TEST_F(YupooClassicTest, APasswordAlbumAnsweredNoFetchesNothingMore) {
    serveAlbumPages(Fixture("yupoo/classic-album-password.html"),
                    Fixture("yupoo/classic-album-2.html"));
    prompt.queueAnswer(false);
    runYupooPictures(YupooClassicListPhotos, addSpring(kAlbumEncrypted), false);

    EXPECT_EQ(prompt.questions(), QStringList{u"加密相册,是否输入密码"_s});
    EXPECT_EQ(targetsAsked(kClassicHost),
              std::vector<std::string>{kClassicAlbumPath + "page1/?style=detail"});
    EXPECT_TRUE(urls().isEmpty());
    EXPECT_TRUE(FilesBelow(saveDir.path()).isEmpty());
}

TEST_F(YupooClassicTest, AVideoAlbumIsListedOnItsOwnHostWithItsOwnCells) {
    const std::string path = "/photos/xiaowang/albums/";
    servePage("v.yupoo.com", path + "page1/",
              "<title>小王的相册</title><div id=\"albumsList\"><li class=\"set-case\"><a "
              "href=\"/photos/xiaowang/albums/7/\"><img src=\"http://pic.yupoo.com/v7.jpg\" "
              "alt=\"视频\" /></a><b>1</b></li></div>");
    servePage("v.yupoo.com", path + "page2/", Fixture("yupoo/classic-list-empty.html"));
    servePage("v.yupoo.com", path + "7/page1/",
              "<td class=\"Photo\"><script>photos['77']={title:'片头'};</script><img "
              "src=\"http://pic.yupoo.com/xiaowang/v77/small.jpg\"></td>");
    servePage("v.yupoo.com", path + "7/page2/", Fixture("yupoo/classic-list-empty.html"));
    list(YupooClassicListAlbums, u"http://v.yupoo.com/photos/xiaowang/albums/"_s);
    const auto albums = session.albums.snapshot();
    ASSERT_EQ(albums.size(), 1u);
    EXPECT_EQ(albums[0].key, u"http://v.yupoo.com/photos/xiaowang/albums/7/"_s);

    runYupooPictures(YupooClassicListPhotos, 0, true);
    EXPECT_EQ(urls(), QStringList{u"http://pic.yupoo.com/xiaowang/v77/big.jpg"_s});
}

} // namespace
} // namespace phodex::test
