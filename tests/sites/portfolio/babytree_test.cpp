// SPDX-License-Identifier: MIT
#include "adapters/portfolio/portfolioadapters.h"
#include "core/catalogue.h"
#include "portfoliosite.h"

namespace phodex::test {
namespace {

const std::string kHomeHost = "home.babytree.com";
const std::string kMainHost = "www.babytree.com";
constexpr Category kBabytree = Category::Babytree;

class BabytreeTest : public PortfolioSiteTest {
protected:
    // The older user pages: album lists, albums and photo pages all come
    // from one script, told apart by "view".
    void serveOlderPages() {
        site.route("GET", kMainHost, "/user/showuser.php",
                   [](const httplib::Request& req, httplib::Response& res) {
                       const std::string view = req.get_param_value("view");
                       const std::string pg = req.get_param_value("pg");
                       std::string body;
                       if (view == "album_list" && pg == "1")
                           body = Fixture("babytree/older-albums-1.html");
                       else if (view == "album_list" && pg == "2")
                           body = Fixture("babytree/older-albums-2.html");
                       else if (view == "album" && req.get_param_value("album_id") == "21")
                           body = Fixture("babytree/older-album.html");
                       else if (view == "photo" && req.get_param_value("show") == "big" &&
                                req.get_param_value("photo_id") == "31")
                           body = "<img src=\"https://pic.babytreeimg.com/b/31.jpg\">";
                       else if (view == "photo")
                           body = "<p>no picture</p>";
                       res.status = body.empty() ? 404 : 200;
                       res.set_content(body, "text/html");
                   });
    }
    void runPicturesOfSubType(int albumIndex) {
        const int subType = session.subType.load();
        const SiteRow* row = table.rowFor(kBabytree, subType);
        ASSERT_NE(row, nullptr);
        runPictures(table.picture(row->pictureOps.at(0)), albumIndex, subType);
    }
};

TEST_F(BabytreeTest, ListsAUsersAlbumsFromTheHomePagesScript) {
    servePagesBy(
        kHomeHost, "/xiaoming/photo/list", "pg",
        {{"1", Fixture("babytree/albums-1.html")}, {"2", Fixture("babytree/albums-2.html")}});
    dispatch(kBabytree, u"https://home.babytree.com/xiaoming/photo/list?pg=4"_s);

    EXPECT_EQ(targetsAsked(kHomeHost),
              (std::vector<std::string>{"/xiaoming/photo/list?pg=1", "/xiaoming/photo/list?pg=2"}));
    EXPECT_TRUE(targetsAsked(kMainHost).empty());
    EXPECT_EQ(session.subType.load(), SubType::BabytreeAlbums);
    EXPECT_EQ(session.ownerFolder(), u"小明妈妈"_s);
    EXPECT_EQ(session.textSlot(TextSlot::First), u"xiaoming"_s);
    // Only the album list's own script: no friend's album.
    EXPECT_EQ(albumNames(), (QStringList{u"宝宝"_s, u"满月"_s, u"旅行"_s}));
    const auto albums = session.albums.snapshot();
    ASSERT_EQ(albums.size(), 3u);
    EXPECT_EQ(albums[0].key, u"https://home.babytree.com/xiaoming/album/11"_s);
    EXPECT_EQ(albums[0].cover, u"https://pic.babytreeimg.com/c/11.jpg"_s);
    EXPECT_EQ(albums[0].photoCount, 24);
    EXPECT_EQ(albums[1].key, u"/xiaoming/album/12"_s);
    EXPECT_EQ(albums[1].cover, QString());
    EXPECT_EQ(albums[2].photoCount, 7);
}

TEST_F(BabytreeTest, ReadsAnAlbumsFeedUntilItRunsDryTakingEachPhotosBigPicture) {
    servePagesBy(
        kHomeHost, "/xiaoming/albumAjax/11", "pg",
        {{"1",
          R"({"list":[{"href":"https:\/\/home.babytree.com\/xiaoming\/photo\/901",)"
          R"("img":"https:\/\/pic.babytreeimg.com\/s\/901.jpg","title":"\u7b2c\u4e00"},)"
          R"({"href":"\/xiaoming\/photo\/902","img":"https:\/\/pic.babytreeimg.com\/s\/902.jpg",)"
          R"("title":"b"}]})"},
         {"2", R"({"list":[{"href":"\/xiaoming\/photo\/903","img":"https:\/\/pic.babytreeimg.com)"
               R"(\/s\/903.jpg","title":"c"}]})"},
         {"3", R"({"list":[]})"}});
    servePage(kHomeHost, "/xiaoming/photo/901",
              R"({"photo":{"big":{"url":"https:\/\/pic.babytreeimg.com\/b\/901.jpg"}}})");
    servePage(kHomeHost, "/xiaoming/photo/902", R"({"photo":{"big":{}}})");
    servePage(kHomeHost, "/xiaoming/photo/903",
              R"({"photo":{"big":{"url":"https:\/\/pic.babytreeimg.com\/b\/903.jpg"}}})");
    AlbumInfo album;
    album.key = u"https://home.babytree.com/xiaoming/album/11"_s;
    runPictures(BabytreeListPhotos, addAlbum(album));

    EXPECT_EQ(targetsAsked(kHomeHost),
              (std::vector<std::string>{
                  "/xiaoming/albumAjax/11?format=json&pg=1", "/xiaoming/photo/901",
                  "/xiaoming/photo/902", "/xiaoming/albumAjax/11?format=json&pg=2",
                  "/xiaoming/photo/903", "/xiaoming/albumAjax/11?format=json&pg=3"}));
    // A photo page without a big picture leaves the list's picture.
    EXPECT_EQ(urls(), (QStringList{u"https://pic.babytreeimg.com/b/901.jpg"_s,
                                   u"https://pic.babytreeimg.com/s/902.jpg"_s,
                                   u"https://pic.babytreeimg.com/b/903.jpg"_s}));
    ASSERT_EQ(names().size(), 3);
    EXPECT_TRUE(names()[0].startsWith(u"第一"_s)) << names()[0].toStdString();
}

TEST_F(BabytreeTest, AUserWithoutAlbumsOnTheHomePagesIsListedAndReadFromTheOlderPages) {
    servePagesBy(kHomeHost, "/ximu/photo/list", "pg",
                 {{"1", "<html><title>西木的相册</title><p>还没有相册</p></html>"}});
    serveOlderPages();
    dispatch(kBabytree, u"https://home.babytree.com/ximu/"_s);

    EXPECT_EQ(session.subType.load(), SubType::BabytreeFallback);
    EXPECT_EQ(targetsAsked(kMainHost),
              (std::vector<std::string>{
                  "/user/showuser.php?uid=uximu&tab=photo&view=album_list&order=&pg=1",
                  "/user/showuser.php?uid=uximu&tab=photo&view=album_list&order=&pg=2"}));
    EXPECT_EQ(session.ownerFolder(), u"西木"_s);
    EXPECT_EQ(albumNames(), (QStringList{u"春游"_s, u"生日"_s, u"公园"_s}));
    const auto albums = session.albums.snapshot();
    ASSERT_EQ(albums.size(), 3u);
    EXPECT_EQ(albums[0].key, u"/user/showuser.php?uid=uximu&tab=photo&view=album&album_id=21"_s);
    EXPECT_EQ(albums[0].cover, u"https://pic.babytreeimg.com/c/21.jpg"_s);
    EXPECT_EQ(albums[0].photoCount, 9);

    site.clearRequests();
    runPicturesOfSubType(0);
    EXPECT_EQ(targetsAsked(kMainHost),
              (std::vector<std::string>{
                  "/user/showuser.php?uid=uximu&tab=photo&view=album&album_id=21&pg=1",
                  "/user/showuser.php?uid=uximu&view=photo&photo_id=31&show=big",
                  "/user/showuser.php?uid=uximu&view=photo&photo_id=32&show=big"}));
    EXPECT_EQ(urls(), (QStringList{u"https://pic.babytreeimg.com/b/31.jpg"_s,
                                   u"https://pic.babytreeimg.com/s/32.jpg"_s}));
    ASSERT_EQ(names().size(), 2);
    EXPECT_TRUE(names()[1].startsWith(u"第二张"_s)) << names()[1].toStdString();
}

} // namespace
} // namespace phodex::test
