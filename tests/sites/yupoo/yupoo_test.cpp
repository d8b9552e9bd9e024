// SPDX-License-Identifier: MIT
#include "adapters/yupoo/yupooadapters.h"
#include "core/catalogue.h"
#include "yupoosite.h"

namespace phodex::test {
namespace {

const QString kShop = u"http://xiaodian.x.yupoo.com/"_s;
const QString kAlbumKey = u"http://xiaodian.x.yupoo.com/albums/1001?uid=1"_s;
const std::string kAlbumPath = "/albums/1001";

// The current pages: an owner's gallery and album pages with small pictures.
class YupooCurrentTest : public YupooSiteTest {
protected:
    void serveGallery(const std::string& page1, const std::string& page2) {
        servePagesBy(kShopHost, "/", "page", {{"1", page1}, {"2", page2}});
    }
    void serveAlbum(const std::string& page1, const std::string& page2) {
        servePagesBy(kShopHost, kAlbumPath, "page", {{"1", page1}, {"2", page2}});
    }
    int addShopAlbum(qint32 flags = 0, const QString& key = kAlbumKey) {
        AlbumInfo album;
        album.name = u"春季新款 A01"_s;
        album.key = key;
        album.flags = flags;
        return addAlbum(album);
    }
};

TEST_F(YupooCurrentTest, ListsTheGalleryUpToThePageWhoseNextLinkIsDisabled) {
    serveGallery(Fixture("yupoo/gallery-1.html"), Fixture("yupoo/gallery-2.html"));
    dispatch(Category::Yupoo, u"https://xiaodian.x.yupoo.com/albums?tab=gallery&page=2"_s);

    EXPECT_EQ(targetsAsked(kShopHost),
              (std::vector<std::string>{"/?tab=gallery&page=1", "/?tab=gallery&page=2"}));
    EXPECT_EQ(session.subType.load(), SubType::YupooCurrent);
    EXPECT_EQ(session.ownerFolder(), u"小店 相册"_s);
    const auto albums = session.albums.snapshot();
    ASSERT_EQ(albums.size(), 3u);
    EXPECT_EQ(albumNames(), (QStringList{u"春季新款 A01"_s, u"会员专区"_s, u"夏季 B02"_s}));
    EXPECT_EQ(albums[0].key, kShop + u"albums/1001?uid=1&isSubCate=false&referrercate=0"_s);
    EXPECT_EQ(albums[2].key, u"http://x.yupoo.com/photos/xiaodian/albums/1003?uid=1"_s);
    EXPECT_EQ(albums[0].cover, u"http://photo.yupoo.com/xiaodian/c1001/medium.jpg"_s);
    EXPECT_EQ(albums[2].cover, u"https://photo.yupoo.com/xiaodian/c1003/medium.jpg"_s);
    EXPECT_EQ((std::vector<int>{albums[0].photoCount, albums[1].photoCount, albums[2].photoCount}),
              (std::vector<int>{3, 8, 24}));
    // The default cover is the one the site shows for a password album.
    EXPECT_EQ((std::vector<qint32>{albums[0].flags, albums[1].flags, albums[2].flags}),
              (std::vector<qint32>{0, kAlbumEncrypted, 0}));
    // Every page with the browser's cookies for the owner's home, and a second between pages.
    for (const ReceivedRequest& request : site.requests()) {
        EXPECT_EQ(Header(request, "Cookie"), kBrowserCookies);
        EXPECT_EQ(Header(request, "Referer"), u"http://"_s + QString::fromStdString(request.host) +
                                                  QString::fromStdString(request.target));
    }
    EXPECT_EQ(browser.cookieAddresses(), (QStringList{kShop, kShop}));
    EXPECT_EQ(pauses.sleeps(), (QList<qint64>{1000, 1000}));
}

TEST_F(YupooCurrentTest, AGalleryThatShowsItsFirstPageAgainEndsWithoutTheRepeat) {
    std::string endless = Fixture("yupoo/gallery-1.html");
    serveGallery(endless, endless);
    dispatch(Category::Yupoo, u"https://xiaodian.x.yupoo.com/albums"_s);

    EXPECT_EQ(targetsAsked(kShopHost),
              (std::vector<std::string>{"/?tab=gallery&page=1", "/?tab=gallery&page=2"}));
    EXPECT_EQ(albumNames(), (QStringList{u"春季新款 A01"_s, u"会员专区"_s}));
}

TEST_F(YupooCurrentTest, GalleryLinksBecomeAlbumAddresses) {
    const struct {
        const char* href;
        QString key;
    } cases[] = {
        {.href = "/albums/1?uid=1", .key = kShop + u"albums/1?uid=1"_s},
        {.href = "/photos/u", .key = u"http://x.yupoo.com/photos/u"_s},
        {.href = "//other.x.yupoo.com/albums/2?uid=1",
         .key = u"http://other.x.yupoo.com/albums/2?uid=1"_s},
        {.href = "https://xiaodian.x.yupoo.com/albums/3?uid=1",
         .key = u"https://xiaodian.x.yupoo.com/albums/3?uid=1"_s},
    };
    std::string page = "<html><h1 class=\"alert__title\">小店</h1><div>";
    for (const auto& c : cases)
        page += std::string("<div class=\"showindex__children\"><a title=\"t\" href=\"") + c.href +
                "\"><img src=\"//photo.yupoo.com/c.jpg\"></a></div>";
    page += "</div><a class=\"pagination__button pagination__disabled\" title=\"后一页\"></a>";
    serveGallery(page, page);
    dispatch(Category::Yupoo, u"https://xiaodian.x.yupoo.com/"_s);

    const auto albums = session.albums.snapshot();
    ASSERT_EQ(albums.size(), std::size(cases));
    for (size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(albums[i].key, cases[i].key) << cases[i].href;
    EXPECT_EQ(targetsAsked(kShopHost), std::vector<std::string>{"/?tab=gallery&page=1"});
}

TEST_F(YupooCurrentTest, AnAlbumsAddressListsThatAlbumFromItsPage) {
    servePage(kShopHost, kAlbumPath, Fixture("yupoo/album-1.html"));
    dispatch(Category::Yupoo, u"https://xiaodian.x.yupoo.com/albums/1001?uid=1&isSubCate=false"_s);

    EXPECT_EQ(targetsAsked(kShopHost), std::vector<std::string>{"/albums/1001?uid=1"});
    EXPECT_EQ(session.ownerFolder(), u"小店"_s);
    const auto albums = session.albums.snapshot();
    ASSERT_EQ(albums.size(), 1u);
    EXPECT_EQ(albums[0].name, u"春季新款 A01"_s);
    EXPECT_EQ(albums[0].key, kAlbumKey);
    EXPECT_EQ(albums[0].photoCount, -1);
    EXPECT_EQ(browser.cookieAddresses(),
              QStringList{u"http://xiaodian.x.yupoo.com/albums/1001?uid=1&isSubCate=false"_s});
    EXPECT_EQ(Header(site.requests().at(0), "Cookie"), kBrowserCookies);
}

TEST_F(YupooCurrentTest, PicturesInTheChosenSizeWithTheDescriptionBesideThem) {
    serveAlbum(Fixture("yupoo/album-1.html"), Fixture("yupoo/album-2.html"));
    const struct {
        bool large;
        QStringList urls;
    } cases[] = {
        {.large = true,
         .urls = {u"http://photo.yupoo.com/xiaodian/p5001/big.jpg"_s,
                  u"http://photo.yupoo.com/xiaodian/p5002/big.jpg"_s,
                  u"http://photo.yupoo.com/xiaodian/p5003/big.jpg"_s}},
        // The original where the page offers one.
        {.large = false,
         .urls = {u"http://photo.yupoo.com/xiaodian/p5001/b1c2d3.jpg"_s,
                  u"http://photo.yupoo.com/xiaodian/p5002/e4f5a6.jpg"_s,
                  u"http://photo.yupoo.com/xiaodian/p5003/big.jpg"_s}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.large);
        session.albums.clear();
        runYupooPictures(YupooListPhotos, addShopAlbum(), c.large);

        EXPECT_EQ(targetsAsked(kShopHost),
                  (std::vector<std::string>{"/albums/1001?uid=1&page=1&tab=min",
                                            "/albums/1001?uid=1&page=2&tab=min"}));
        EXPECT_EQ(urls(), c.urls);
        ASSERT_EQ(names().size(), 3);
        EXPECT_TRUE(names()[0].startsWith(u"A01 白色"_s)) << names()[0].toStdString();
        EXPECT_TRUE(names()[2].startsWith(u"A01 细节"_s)) << names()[2].toStdString();
        EXPECT_EQ(downList.headers, QStringList(3, u"Referer: "_s + kAlbumKey));
        EXPECT_EQ(browser.cookieAddresses().last(), kAlbumKey);
        for (const ReceivedRequest& request : site.requests()) {
            if (request.host == kShopHost) {
                EXPECT_EQ(Header(request, "Cookie"), kBrowserCookies);
            }
        }
        EXPECT_EQ(descriptionFile(u"春季新款 A01"_s),
                  Utf16WithMark(u"春季新款\r\n尺码 S-XL，支持退换"_s));
    }
}

TEST_F(YupooCurrentTest, AnAlbumAddressWithoutAQueryStartsOneForItsPages) {
    serveAlbum(Fixture("yupoo/album-2.html"), Fixture("yupoo/album-2.html"));
    runYupooPictures(YupooListPhotos, addShopAlbum(0, u"http://xiaodian.x.yupoo.com/albums/1001"_s),
                     true);
    EXPECT_EQ(targetsAsked(kShopHost), std::vector<std::string>{"/albums/1001?page=1&tab=min"});
    EXPECT_EQ(urls(), QStringList{u"http://photo.yupoo.com/xiaodian/p5003/big.jpg"_s});
}

// Past its last page the site shows a page again: the walk ends at the
// first page that brings nothing new, even without the disabled marker.
TEST_F(YupooCurrentTest, AnAlbumPageRepeatingTheLastEndsThePictures) {
    serveAlbum(Fixture("yupoo/album-1.html"), Fixture("yupoo/album-1.html"));
    runYupooPictures(YupooListPhotos, addShopAlbum(), true);
    EXPECT_EQ(targetsAsked(kShopHost),
              (std::vector<std::string>{"/albums/1001?uid=1&page=1&tab=min",
                                        "/albums/1001?uid=1&page=2&tab=min"}));
    EXPECT_EQ(urls().size(), 2);
}

TEST_F(YupooCurrentTest, APasswordAlbumAnsweredNoFetchesNothingMore) {
    serveAlbum(Fixture("yupoo/album-password.html"), Fixture("yupoo/album-2.html"));
    prompt.queueAnswer(false);
    runYupooPictures(YupooListPhotos, addShopAlbum(kAlbumEncrypted), true);

    EXPECT_EQ(prompt.questions(), QStringList{u"加密相册,是否输入密码"_s});
    EXPECT_EQ(targetsAsked(kShopHost),
              std::vector<std::string>{"/albums/1001?uid=1&page=1&tab=min"});
    EXPECT_TRUE(urls().isEmpty());
    EXPECT_TRUE(browser.logins().isEmpty());
    EXPECT_TRUE(FilesBelow(saveDir.path()).isEmpty());
}

TEST_F(YupooCurrentTest, APasswordGivenInTheLoginWindowOpensTheAlbum) {
    serveAlbum(Fixture("yupoo/album-password.html"), Fixture("yupoo/album-2.html"));
    browser.onLogin = [this](const QString&) {
        serveAlbum(Fixture("yupoo/album-1.html"), Fixture("yupoo/album-2.html"));
    };
    prompt.queueAnswer(true);
    runYupooPictures(YupooListPhotos, addShopAlbum(kAlbumEncrypted), true);

    EXPECT_EQ(browser.logins(), QStringList{kAlbumKey + u"&page=1&tab=min"_s});
    EXPECT_EQ(targetsAsked(kShopHost),
              (std::vector<std::string>{"/albums/1001?uid=1&page=1&tab=min",
                                        "/albums/1001?uid=1&page=1&tab=min",
                                        "/albums/1001?uid=1&page=2&tab=min"}));
    EXPECT_EQ(urls().size(), 3);
}

// Without the password flag the marker is the album's own text.
TEST_F(YupooCurrentTest, AnOpenAlbumIsNeverAskedForAPassword) {
    serveAlbum(Fixture("yupoo/album-password.html"), Fixture("yupoo/album-2.html"));
    runYupooPictures(YupooListPhotos, addShopAlbum(0), true);
    EXPECT_TRUE(prompt.questions().isEmpty());
    EXPECT_EQ(urls().first(), u"http://photo.yupoo.com/xiaodian/lock/big.jpg"_s);
}

} // namespace
} // namespace phodex::test
