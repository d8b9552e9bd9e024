// SPDX-License-Identifier: MIT
#include "adapters/renren/renrenadapters.h"
#include "sites/portfolio/portfoliosite.h"

namespace phodex::test {
namespace {

const std::string kPhotoHost = "photo.renren.com";
const std::string kPublicHost = "page.renren.com";
const std::string kTravelPages = "/photo/222333444/album-1001/bypage/ajax/v7";
constexpr Category kRenren = Category::Renren;

class RenrenTest : public PortfolioSiteTest {
protected:
    void serveTravelPages() {
        servePagesBy(kPhotoHost, kTravelPages, "page",
                     {{"1", Fixture("renren/photos-v7-1.json")},
                      {"2", Fixture("renren/photos-v7-2.json")},
                      {"3", Fixture("renren/photos-v7-empty.json")}});
    }
    int addTravel(qint32 flags = 0) {
        AlbumInfo album;
        album.name = u"旅行"_s;
        album.key = u"https://photo.renren.com/photo/222333444/album-1001/"_s;
        album.photoCount = 3;
        album.flags = flags;
        return addAlbum(album);
    }
};

TEST_F(RenrenTest, ListsAUsersAlbumsInTheCurrentLayoutWithoutTheApplicationsAlbum) {
    servePage(kPhotoHost, "/photo/222333444/albumlist/v7", Fixture("renren/albumlist-v7.html"));
    dispatch(kRenren, u"https://www.renren.com/222333444/profile?ref=x"_s);

    const auto asked = site.lastRequestTo("/photo/222333444/albumlist/v7");
    ASSERT_TRUE(asked.has_value());
    EXPECT_EQ(Param(*asked, u"showAll"_s), u"1"_s);
    EXPECT_EQ(session.ownerFolder(), u"张三"_s);
    EXPECT_EQ(albumNames(), (QStringList{u"旅行"_s, u"家人"_s}));
    const auto albums = session.albums.snapshot();
    ASSERT_EQ(albums.size(), 2u);
    EXPECT_EQ(albums[0].key, u"https://photo.renren.com/photo/222333444/album-1001/"_s);
    EXPECT_EQ(albums[0].cover, u"http://fmn.rrimg.com/fmn01/head/c1.jpg"_s);
    EXPECT_EQ(albums[0].photoCount, 3);
    EXPECT_EQ(albums[1].key, u"https://photo.renren.com/photo/222333444/album-1003/"_s);
    EXPECT_EQ(albums[1].photoCount, 1);
    // The classic list is not asked for once the current one found albums.
    EXPECT_EQ(site.countOf("/photo/222333444/album/relatives"), 0);
}

TEST_F(RenrenTest, AUserTheCurrentLayoutShowsNothingIsListedInTheClassicOne) {
    servePage(kPhotoHost, "/photo/555666777/album/relatives", Fixture("renren/relatives.html"));
    servePage(kPhotoHost, "/photo/555666777/ajax", Fixture("renren/relatives-async.html"));
    dispatch(kRenren, u"https://www.renren.com/555666777"_s);

    EXPECT_EQ(site.countOf("/photo/555666777/albumlist/v7"), 1);
    const auto whole = site.lastRequestTo("/photo/555666777/ajax");
    ASSERT_TRUE(whole.has_value());
    EXPECT_EQ(Param(*whole, u"limit"_s), u"500"_s);
    // The owner's albums fit on one page: it is the last one.
    EXPECT_EQ(site.countOf("/photo/555666777/album/relatives/ajax"), 0);
    EXPECT_EQ(session.ownerFolder(), u"李四"_s);
    EXPECT_EQ(albumNames(), (QStringList{u"毕业"_s, u"头像相册"_s, u"加密相册"_s}));
    const auto albums = session.albums.snapshot();
    ASSERT_EQ(albums.size(), 3u);
    EXPECT_EQ(albums[0].key, u"https://photo.renren.com/photo/555666777/album-2001"_s);
    EXPECT_EQ(albums[0].cover, u"http://fmn.rrimg.com/k1.jpg"_s);
    EXPECT_EQ(albums[0].photoCount, 6);
    EXPECT_EQ(albums[0].flags & kAlbumEncrypted, 0);
    EXPECT_EQ(albums[1].flags & kAlbumEncrypted, 0);
    EXPECT_EQ(albums[2].flags & kAlbumEncrypted, kAlbumEncrypted);
}

TEST_F(RenrenTest, ListsAPublicPagesAlbumsWhilePagesOfferTheNextOne) {
    servePagesBy(kPublicHost, "/600000001/album", "curpage",
                 {{"1", Fixture("renren/public-1.html")}, {"2", Fixture("renren/public-2.html")}});
    dispatch(kRenren, u"https://page.renren.com/600000001/album?ref=hot"_s);

    EXPECT_EQ(paramsAsked("/600000001/album", "curpage"), (std::vector<std::string>{"1", "2"}));
    EXPECT_EQ(session.ownerFolder(), u"北京旅游"_s);
    EXPECT_EQ(albumNames(), (QStringList{u"长城"_s, u"故宫"_s, u"颐和园"_s}));
    const auto albums = session.albums.snapshot();
    ASSERT_EQ(albums.size(), 3u);
    EXPECT_EQ(albums[0].key, u"https://photo.renren.com/photo/600000001/album-7001/"_s);
    EXPECT_EQ(albums[0].cover, u"http://fmn.rrimg.com/fmn03/cover/pc1.jpg"_s);
    EXPECT_EQ(albums[0].photoCount, 2);
    EXPECT_EQ(albums[2].photoCount, 4);
    EXPECT_EQ(site.countOf("/photo/600000001/albumlist/v7"), 0);
}

TEST_F(RenrenTest, AnAlbumAddressListsThatAlbumInEitherLayout) {
    const struct {
        const char* name;
        QString address;
        std::string path;
        std::string fixture;
        QString owner;
        QString album;
        QString key;
        int count;
    } cases[] = {
        {.name = "current layout",
         .address = u"https://photo.renren.com/photo/222333444/album-1001/v7?frommyphoto#top"_s,
         .path = "/photo/222333444/album-1001/v7",
         .fixture = "renren/album-v7.html",
         .owner = u"张三"_s,
         .album = u"旅行"_s,
         .key = u"https://photo.renren.com/photo/222333444/album-1001"_s,
         .count = 3},
        {.name = "classic layout",
         .address = u"https://photo.renren.com/photo/555666777/album-2001?ref=feed"_s,
         .path = "/photo/555666777/album-2001",
         .fixture = "renren/album-classic.html",
         .owner = u"李四"_s,
         .album = u"毕业"_s,
         .key = u"https://photo.renren.com/photo/555666777/album-2001"_s,
         .count = 6},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        servePage(kPhotoHost, c.path, Fixture(c.fixture));
        dispatch(kRenren, c.address);

        EXPECT_EQ(site.countOf(c.path), 1);
        EXPECT_EQ(session.ownerFolder(), c.owner);
        EXPECT_EQ(albumNames(), QStringList{c.album});
        const auto albums = session.albums.snapshot();
        ASSERT_EQ(albums.size(), 1u);
        EXPECT_EQ(albums[0].key, c.key);
        EXPECT_EQ(albums[0].photoCount, c.count);
    }
}

TEST_F(RenrenTest, ReadsAnAlbumsAjaxPagesEachPictureWithItsPageAsReferer) {
    serveTravelPages();
    runPictures(RenrenListPhotos, addTravel());

    EXPECT_EQ(paramsAsked(kTravelPages, "page"), (std::vector<std::string>{"1", "2", "3"}));
    EXPECT_EQ(paramsAsked(kTravelPages, "pageSize"), (std::vector<std::string>{"40", "40", "40"}));
    EXPECT_EQ(urls(), (QStringList{u"http://fmn.rrimg.com/fmn02/large/p1.jpg"_s,
                                   u"http://fmn.rrimg.com/fmn02/large/p2.jpg"_s,
                                   u"http://fmn.rrimg.com/fmn02/large/p3.jpg"_s}));
    const QString page = u"Referer: https://photo.renren.com"_s +
                         QString::fromStdString(kTravelPages) + u"?page=%1&pageSize=40"_s;
    EXPECT_EQ(downList.headers, (QStringList{page.arg(1), page.arg(1), page.arg(2)}));
    const QStringList files = names();
    ASSERT_EQ(files.size(), 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(files[i].startsWith(QString::number(i + 1))) << files[i].toStdString();
}

TEST_F(RenrenTest, AnEncryptedAlbumAsksForItsPasswordFirst) {
    const struct {
        const char* name;
        PictureOperation operation;
        bool answer;
        const char* login;
        std::string pages; // the path the album's pictures are asked at
        bool readsPages;
        qsizetype pictures;
    } cases[] = {
        {.name = "current list, yes",
         .operation = RenrenListPhotos,
         .answer = true,
         .login = "https://photo.renren.com/photo/222333444/album-1001/",
         .pages = kTravelPages,
         .readsPages = true,
         .pictures = 3},
        {.name = "current list, no: read all the same",
         .operation = RenrenListPhotos,
         .answer = false,
         .login = nullptr,
         .pages = kTravelPages,
         .readsPages = true,
         .pictures = 3},
        {.name = "classic list, yes",
         .operation = RenrenListPhotos2,
         .answer = true,
         .login = "https://photo.renren.com/photo/222333444/album-1001/private",
         .pages = "/photo/222333444/album-1001/bypage/ajax",
         .readsPages = true,
         .pictures = 0},
        {.name = "classic list, no: the album ends",
         .operation = RenrenListPhotos2,
         .answer = false,
         .login = nullptr,
         .pages = "/photo/222333444/album-1001/bypage/ajax",
         .readsPages = false,
         .pictures = 0},
    };
    serveTravelPages();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        site.clearRequests();
        const qsizetype loginsBefore = browser.logins().size();
        prompt.queueAnswer(c.answer);
        runPictures(c.operation, addTravel(kAlbumEncrypted));

        ASSERT_FALSE(prompt.questions().isEmpty());
        EXPECT_EQ(prompt.questions().back(), u"加密相册,是否输入密码"_s);
        if (c.login) {
            ASSERT_EQ(browser.logins().size(), loginsBefore + 1);
            EXPECT_EQ(browser.logins().back(), QString::fromLatin1(c.login));
        } else {
            EXPECT_EQ(browser.logins().size(), loginsBefore);
        }
        EXPECT_EQ(site.countOf(c.pages) > 0, c.readsPages);
        EXPECT_EQ(urls().size(), c.pictures);
    }
}

// The album's own picture list counts down to position 1; a list that never
// gets there ends once it brings nothing new.
TEST_F(RenrenTest, ReadsAnAlbumsOwnPictureListDownToTheFirstPosition) {
    const struct {
        const char* name;
        std::string reply;
        size_t requests;
        QStringList urls;
    } cases[] = {
        {.name = "down to position 1",
         .reply = Fixture("renren/photo-list-whole.json"),
         .requests = 1,
         .urls = {u"http://fmn.rrimg.com/xlarge/x3.jpg"_s, u"http://fmn.rrimg.com/large/l2.jpg"_s,
                  u"http://fmn.rrimg.com/xlarge/x1.jpg"_s}},
        {.name = "never reaching it",
         .reply = Fixture("renren/photo-list-short.json"),
         .requests = 2,
         .urls = {u"http://fmn.rrimg.com/xlarge/x3.jpg"_s, u"http://fmn.rrimg.com/large/l2.jpg"_s}},
    };
    const std::string list = "/photo/555666777/photo-9003/ajax";
    servePage(kPhotoHost, "/photo/555666777/album-2001", Fixture("renren/album-classic-list.html"));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        site.clearRequests();
        servePage(kPhotoHost, list, c.reply);
        AlbumInfo album;
        album.name = u"毕业"_s;
        album.key = u"https://photo.renren.com/photo/555666777/album-2001"_s;
        const int index = addAlbum(album);
        runPictures(RenrenListPhotos3, index);

        EXPECT_EQ(site.requestsTo(list).size(), c.requests);
        EXPECT_EQ(urls(), c.urls);
        const QString link =
            u"Referer: https://photo.renren.com/photo/555666777/photo-9003/ajax?psource=3"_s;
        EXPECT_EQ(downList.headers, QStringList(c.urls.size(), link));
        // The album takes the name its page gives it, and so do the pictures
        // without a title of their own.
        EXPECT_EQ(session.albums.At(index).name.left(4), u"毕业典礼"_s);
        ASSERT_EQ(names().size(), c.urls.size());
        EXPECT_TRUE(names()[0].contains(u"合影"_s)) << names()[0].toStdString();
        EXPECT_TRUE(names()[1].contains(u"毕业典礼"_s)) << names()[1].toStdString();
    }
}

TEST_F(RenrenTest, ListsASiteStationsTagMonthByMonthEachPostAnAlbum) {
    const std::string zhan = "zhan.renren.com";
    servePage(zhan, "/travelnotes", Fixture("renren/zhan-site.html"));
    servePage(zhan, "/archive", Fixture("renren/zhan-archive.html"));
    site.route("GET", zhan, "/archive/archiveByTime",
               [](const httplib::Request& req, httplib::Response& res) {
                   const std::string month = req.get_param_value("month");
                   const bool first = req.get_param_value("page") == "0";
                   res.set_content(first ? Fixture("renren/zhan-" + month + ".json")
                                         : Fixture("renren/zhan-empty.json"),
                                   "application/json");
               });
    dispatch(kRenren, u"https://zhan.renren.com/travelnotes?tagId=88&from=nav"_s);

    EXPECT_EQ(session.ownerFolder(), u"旅行笔记"_s);
    EXPECT_EQ(session.subFolder(), u"美食"_s);
    EXPECT_EQ(paramsAsked("/archive/archiveByTime", "month"),
              (std::vector<std::string>{"2014-05", "2014-05", "2014-04", "2014-04"}));
    for (const auto& request : site.requestsTo("/archive/archiveByTime")) {
        EXPECT_EQ(Param(request, u"site_id"_s), u"12345"_s);
        EXPECT_EQ(Param(request, u"tag_id"_s), u"88"_s);
    }
    EXPECT_EQ(albumNames(), (QStringList{u"糖醋排骨"_s, u"小笼包"_s, u"粽子"_s}));
    const auto albums = session.albums.snapshot();
    ASSERT_EQ(albums.size(), 3u);
    EXPECT_EQ(albums[0].key, u"https://zhan.renren.com/travelnotes?gid=3001&ajax=true"_s);
    EXPECT_TRUE(prompt.informations().isEmpty());
}

TEST_F(RenrenTest, APostGivesItsFirstPictureWithThePostAsReferer) {
    servePage("zhan.renren.com", "/travelnotes", Fixture("renren/zhan-post.html"));
    AlbumInfo album;
    album.name = u"糖醋排骨"_s;
    album.key = u"https://zhan.renren.com/travelnotes?gid=3001&ajax=true"_s;
    runPictures(RenrenZhanListPhotos, addAlbum(album), 10);

    EXPECT_EQ(urls(), QStringList{u"http://fmn.rrimg.com/zhan/3001.jpg"_s});
    EXPECT_EQ(downList.headers,
              QStringList{u"Referer: https://zhan.renren.com/travelnotes?gid=3001&ajax=true"_s});
    ASSERT_EQ(names().size(), 1);
    EXPECT_TRUE(names()[0].contains(u"糖醋排骨"_s)) << names()[0].toStdString();
}

} // namespace
} // namespace phodex::test
