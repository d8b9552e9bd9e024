// SPDX-License-Identifier: MIT
#include "adapters/portfolio/portfolioadapters.h"
#include "portfoliosite.h"

namespace phodex::test {
namespace {

const std::string kPconlineHost = "photo.pconline.com.cn";
constexpr Category kPconline = Category::Pconline;

class PconlineTest : public PortfolioSiteTest {};

TEST_F(PconlineTest, ListsAPhotoListFromItsFirstPageUntilNoPageLinksOn) {
    servePage(kPconlineHost, "/xiaoming/myphoto_p1_n15.html", Fixture("pconline/albums-1.html"));
    servePage(kPconlineHost, "/xiaoming/myphoto_p2_n15.html", Fixture("pconline/albums-2.html"));
    // The address of the list's third page.
    dispatch(kPconline, u"https://photo.pconline.com.cn/xiaoming/myphoto_p3_n15.html"_s);

    EXPECT_EQ(targetsAsked(kPconlineHost),
              (std::vector<std::string>{"/xiaoming/myphoto_p1_n15.html",
                                        "/xiaoming/myphoto_p2_n15.html"}));
    for (const ReceivedRequest& r : site.requests())
        EXPECT_EQ(Header(r, "Accept-Encoding"), u"gzip, deflate"_s);
    EXPECT_EQ(session.ownerFolder(), u"小明"_s);
    EXPECT_EQ(albumNames(), (QStringList{u"春天 花"_s, u"海边"_s, u"夜景"_s}));
    const auto albums = session.albums.snapshot();
    ASSERT_EQ(albums.size(), 3u);
    // Links without a scheme or host stay on the photo host.
    EXPECT_EQ(albums[0].key, u"http://photo.pconline.com.cn/xiaoming/photo/list_1001.html"_s);
    EXPECT_EQ(albums[1].key, u"https://photo.pconline.com.cn/xiaoming/photo/list_1002.html"_s);
    EXPECT_EQ(albums[2].key, u"https://photo.pconline.com.cn/xiaoming/photo/list_1003.html"_s);
    EXPECT_EQ(albums[0].cover, u"https://img.pconline.com.cn/c/1001.jpg"_s);
    EXPECT_EQ(albums[2].cover, u"https://img.pconline.com.cn/c/1003.jpg"_s);
}

TEST_F(PconlineTest, AUserAddressListsTheUsersPhotoListAndNamesTheOwnerFromItWhenThePageDoesNot) {
    // The user "photo": only the album's own "photo" folder becomes the list.
    servePage(kPconlineHost, "/photo/myphoto_p1_n15.html",
              "<title>相册</title><div class=\"picbox\"><a "
              "href=\"//photo.pconline.com.cn/photo/photo/9.html\" title=\"旧照\"></a></div>");
    dispatch(kPconline, u"https://my.pconline.com.cn/photo/"_s);

    EXPECT_EQ(targetsAsked(kPconlineHost),
              (std::vector<std::string>{"/photo/myphoto_p1_n15.html"}));
    EXPECT_EQ(session.ownerFolder(), u"photo"_s);
    const auto albums = session.albums.snapshot();
    ASSERT_EQ(albums.size(), 1u);
    EXPECT_EQ(albums[0].key, u"http://photo.pconline.com.cn/photo/photo/list_9.html"_s);
}

TEST_F(PconlineTest, APageWithoutAlbumsEndsTheListEvenWhenItLinksOn) {
    servePage(kPconlineHost, "/xiaoming/myphoto_p1_n15.html",
              "<title>【个人相册】小明_太平洋电脑网</title><a href=\"p2\">下一页</a>");
    servePage(kPconlineHost, "/xiaoming/myphoto_p2_n15.html", Fixture("pconline/albums-2.html"));
    list(PconlineListAlbums, u"https://photo.pconline.com.cn/xiaoming/myphoto_dk1stp_n15.html"_s);

    EXPECT_EQ(targetsAsked(kPconlineHost),
              (std::vector<std::string>{"/xiaoming/myphoto_p1_n15.html"}));
    EXPECT_TRUE(albumNames().isEmpty());
}

TEST_F(PconlineTest, ReadsTheAlbumsPicturesAtFullSizeNumberedAfterTheAlbum) {
    servePage(kPconlineHost, "/xiaoming/photo/list_1001.html", Fixture("pconline/photos.html"));
    AlbumInfo album;
    album.name = u"春天 花"_s;
    album.key = u"https://photo.pconline.com.cn/xiaoming/photo/list_1001.html"_s;
    runPictures(PconlineListPhotos, addAlbum(album));

    // Only the file name loses its thumbnail mark; what follows the photo
    // list on the page is not the album's.
    EXPECT_EQ(urls(), (QStringList{u"https://img.pconline.com.cn/images/photo_mthumb/2024/a1.jpg"_s,
                                   u"https://img.pconline.com.cn/images/2024/a2.png"_s,
                                   u"https://img.pconline.com.cn/images/2024/a3.jpg"_s}));
    const QStringList pictureNames = names();
    ASSERT_EQ(pictureNames.size(), 3);
    EXPECT_TRUE(pictureNames[0].startsWith(u"春天 花 (1)"_s)) << pictureNames[0].toStdString();
    EXPECT_TRUE(pictureNames[2].startsWith(u"春天 花 (3)"_s)) << pictureNames[2].toStdString();
}

TEST_F(PconlineTest, AnAlbumNameWithPlaceholdersIsTakenAsItIs) {
    servePage(kPconlineHost, "/u/photo/list_7.html",
              "<li class=\"picture\"><img src=\"https://img.pconline.com.cn/7.jpg\"></li>");
    AlbumInfo album;
    album.name = u"打折%2"_s;
    album.key = u"https://photo.pconline.com.cn/u/photo/list_7.html"_s;
    runPictures(PconlineListPhotos, addAlbum(album));

    ASSERT_EQ(names().size(), 1);
    EXPECT_TRUE(names()[0].startsWith(u"打折%2 (1)"_s)) << names()[0].toStdString();
}

} // namespace
} // namespace phodex::test
