// SPDX-License-Identifier: MIT
#include "adapters/gallery/galleryadapters.h"
#include "gallerysite.h"
#include "support/testfiles.h"
#include "text/codepage.h"

namespace phodex::test {
namespace {

const std::string kZolHost = "photo.zol.com.cn";
const std::string kProductHost = "detail.zol.com.cn";
const QString kProductPage = u"https://detail.zol.com.cn/1234/5678/pic.shtml"_s;

// One album page item as the photo pages write it.
std::string PhotoItem(int id, const std::string& src, const std::string& title) {
    return "<li id=\"pic_" + std::to_string(id) + "\"><a href=\"/xiaoming/photo/" +
           std::to_string(id) + ".html\"><img src=\"" + src + "\" title=\"" + title +
           "\"></a></li>\n";
}

// In GBK, as the site sends its pages.
std::string PhotoPage(const std::string& items, bool more) {
    const std::string page =
        "<html><body><ul>" + items + "</ul>" +
        (more ? "<a href=\"#\" class=\"nor\">下一页</a>" : "<span class=\"cur\">末页</span>") +
        "</body></html>";
    return ToGbk(QString::fromStdString(page)).toStdString();
}

class ZolTest : public GallerySiteTest {
protected:
    int addZolAlbum(const QString& key, const QString& name = u"旅行"_s) {
        AlbumInfo album;
        album.name = name;
        album.key = key;
        return addAlbum(album);
    }
    void listPhotos(const QString& key) {
        site.clearRequests();
        runPictures(ZolListPhotos, addZolAlbum(key));
    }
};

TEST_F(ZolTest, ListsTheUsersAlbumsPageByPageUntilNoPageLinksOn) {
    servePage(kZolHost, "/xiaoming/album_1.html", Fixture("zol/albums-1.html"));
    servePage(kZolHost, "/xiaoming/album_2.html", Fixture("zol/albums-2.html"));
    list(ZolListAlbums, u"xiaoming"_s);

    EXPECT_EQ(targetsAsked(kZolHost),
              (std::vector<std::string>{"/xiaoming/album_1.html", "/xiaoming/album_2.html"}));
    for (const ReceivedRequest& r : site.requests()) {
        EXPECT_TRUE(r.https);
        EXPECT_EQ(Header(r, "Accept-Encoding"), u"gzip, deflate"_s);
    }
    const auto albums = session.albums.snapshot();
    ASSERT_EQ(albums.size(), 3u);
    EXPECT_EQ(albumNames(), (QStringList{u"旅行 Trip"_s, u"家人"_s, u"空相册"_s}));
    EXPECT_EQ(albums[0].key, u"/xiaoming/album/101_"_s);
    EXPECT_EQ(albums[2].key, u"/xiaoming/album/103_"_s);
    EXPECT_EQ(albums[1].cover, u"https://i1.zol-img.com.cn/t_s120x90/g1/b.jpg"_s);
    EXPECT_EQ(albums[0].photoCount, 12);
    EXPECT_EQ(albums[1].photoCount, 3);
    EXPECT_EQ(albums[2].photoCount, 0);
    EXPECT_EQ(session.ownerFolder(), u"小明"_s);
    EXPECT_EQ(session.textSlot(TextSlot::First), u"xiaoming"_s);
}

TEST_F(ZolTest, AUserNameStaysOnePathSegment) {
    list(ZolListAlbums, u"a/../b?x=1"_s);
    EXPECT_EQ(targetsAsked(kZolHost),
              (std::vector<std::string>{"/a%2F..%2Fb%3Fx%3D1/album_1.html"}));
}

TEST_F(ZolTest, ASiteRepeatingAPageThatLinksOnEndsTheWalk) {
    site.route("GET", kZolHost, "/xiaoming/album_*",
               [](const httplib::Request&, httplib::Response& res) {
                   res.set_content(Fixture("zol/albums-1.html"), "text/html");
               });
    list(ZolListAlbums, u"xiaoming"_s);
    EXPECT_EQ(targetsAsked(kZolHost),
              (std::vector<std::string>{"/xiaoming/album_1.html", "/xiaoming/album_2.html"}));
    EXPECT_EQ(session.albums.count(), 2);
}

TEST_F(ZolTest, AStopRequestEndsTheListingAfterTheCurrentAlbum) {
    servePage(kZolHost, "/xiaoming/album_1.html", Fixture("zol/albums-1.html"));
    session.listState = kListStopRequested;
    ListJobContext ctx(env, Category::Zol, session.settings(), extension);
    ZolListAlbums(ctx, u"xiaoming"_s);
    EXPECT_EQ(albumNames(), (QStringList{u"旅行 Trip"_s}));
    EXPECT_EQ(site.countOf("/xiaoming/album_2.html"), 0);
}

TEST_F(ZolTest, ReadsTheAlbumsPagesUntilOneHasNoNextPageLink) {
    servePage(kZolHost, "/xiaoming/album/101_1.html",
              PhotoPage(PhotoItem(1, "https://i2.zol-img.com.cn/t_s120x90/g5/M00/a.jpg", "海边") +
                            PhotoItem(2, "https://i2.zol-img.com.cn/t_s800x600/g5/M00/b.jpg", ""),
                        true));
    servePage(
        kZolHost, "/xiaoming/album/101_2.html",
        PhotoPage(PhotoItem(3, "https://i2.zol-img.com.cn/g5/M00/c_120x90.jpg", "山"), false));
    listPhotos(u"/xiaoming/album/101_"_s);

    EXPECT_EQ(targetsAsked(kZolHost), (std::vector<std::string>{"/xiaoming/album/101_1.html",
                                                                "/xiaoming/album/101_2.html"}));
    EXPECT_EQ(urls(), (QStringList{u"https://i2.zol-img.com.cn/g5/M00/a.jpg"_s,
                                   u"https://i2.zol-img.com.cn/g5/M00/b.jpg"_s,
                                   u"https://i2.zol-img.com.cn/g5/M00/c.jpg"_s}));
    const QStringList names = downList.names;
    ASSERT_EQ(names.size(), 3);
    EXPECT_TRUE(names[0].startsWith(u"海边"_s)) << names[0].toStdString();
    EXPECT_TRUE(names[2].startsWith(u"山"_s)) << names[2].toStdString();
    for (const QString& headers : downList.headers)
        EXPECT_TRUE(headers.isEmpty());
}

TEST_F(ZolTest, ThumbnailAddressesLoseTheirSizeAndNothingElse) {
    const struct {
        std::string src;
        QString url;
    } cases[] = {
        {"https://i2.zol-img.com.cn/t_s120x90/g5/a.jpg", u"https://i2.zol-img.com.cn/g5/a.jpg"_s},
        {"http://i1.zol.com.cn/t_s1200x900c5/x/y_z.png", u"http://i1.zol.com.cn/x/y_z.png"_s},
        {"https://i2.zol-img.com.cn/g5/pic_120x90.jpg", u"https://i2.zol-img.com.cn/g5/pic.jpg"_s},
        // Underscores before the file name belong to the picture's place.
        {"https://img_a.zol-img.com.cn/my_photos/pic_120x90.jpg",
         u"https://img_a.zol-img.com.cn/my_photos/pic.jpg"_s},
        {"https://i2.zol-img.com.cn/my_photos/pic.jpg",
         u"https://i2.zol-img.com.cn/my_photos/pic.jpg"_s},
        {"https://i2.zol-img.com.cn/g5/pic_big", u"https://i2.zol-img.com.cn/g5/pic_big"_s},
    };
    for (const auto& c : cases) {
        servePage(kZolHost, "/u/album/1_1.html", PhotoPage(PhotoItem(1, c.src, "x"), false));
        listPhotos(u"/u/album/1_"_s);
        EXPECT_EQ(urls(), QStringList{c.url}) << c.src;
    }
}

TEST_F(ZolTest, APageWithoutPicturesEndsTheAlbum) {
    servePage(kZolHost, "/u/album/1_1.html", PhotoPage("", true));
    listPhotos(u"/u/album/1_"_s);
    EXPECT_EQ(targetsAsked(kZolHost), (std::vector<std::string>{"/u/album/1_1.html"}));
    EXPECT_TRUE(urls().isEmpty());
}

TEST_F(ZolTest, AProductPageIsOneAlbumWhosePicturesAreTakenFromThatPage) {
    servePage(kProductHost, "/1234/5678/pic.shtml", Fixture("zol/product.html"));
    list(ZolProductList, kProductPage);

    const auto albums = session.albums.snapshot();
    ASSERT_EQ(albums.size(), 1u);
    EXPECT_EQ(albums[0].name, u"小米 14 Pro全网通"_s);
    EXPECT_EQ(albums[0].key, kProductPage);
    EXPECT_EQ(albums[0].cover, QString());
    EXPECT_EQ(albums[0].photoCount, -1);
    EXPECT_EQ(session.ownerFolder(), u"Zol"_s);

    site.clearRequests();
    runPictures(ZolProductPhotos, 0, 1);
    // The pictures come from the page read when listing: nothing is asked again.
    EXPECT_TRUE(site.requests().empty());
    EXPECT_EQ(urls(), (QStringList{u"https://i0.zol-img.com.cn/product/1/a1.jpg"_s,
                                   u"https://i0.zol-img.com.cn/product/2/b1.jpg"_s,
                                   u"https://i0.zol-img.com.cn/product/2/b2.jpg"_s,
                                   u"https://i0.zol-img.com.cn/product/3/c1.jpg"_s}));
    const QStringList names = downList.names;
    ASSERT_EQ(names.size(), 4);
    const QString titles[] = {u"图片"_s, u"外观"_s, u"外观"_s, u"细节 Detail"_s};
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(names[i].startsWith(titles[i])) << names[i].toStdString();
}

TEST_F(ZolTest, AProductPageWithoutANameIsReportedAndListsNothing) {
    servePage(kProductHost, "/1234/5678/pic.shtml", "<html><body>nothing here</body></html>");
    list(ZolProductList, kProductPage);
    EXPECT_TRUE(session.albums.isEmpty());
    ASSERT_EQ(prompt.informations().size(), 1);
    EXPECT_FALSE(prompt.informations()[0].isEmpty());
}

TEST_F(ZolTest, AProductPageWithoutItsContentGoesToTheDiagnosticFile) {
    const QString page = u"<html><h1 class=\"page-title\">产品</h1>改版了</html>"_s;
    session.setTextSlot(TextSlot::First, page);
    runPictures(ZolProductPhotos, addZolAlbum(kProductPage, u"产品"_s), 1);
    EXPECT_TRUE(urls().isEmpty());
    EXPECT_EQ(ReadFile(session.workDir + u"log.err"_s), page.toUtf8());
    EXPECT_EQ(prompt.informations(),
              QStringList{u"获取信息出错(3),请将程序目录下的log.err文件发给作者,以便修改"_s});
}

} // namespace
} // namespace phodex::test
