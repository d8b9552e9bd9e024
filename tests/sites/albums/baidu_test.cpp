// SPDX-License-Identifier: MIT
#include "adapters/albums/albumadapters.h"
#include "sites/portfolio/portfoliosite.h"

namespace phodex::test {
namespace {

const std::string kAlbumHost = "xiangce.baidu.com";
constexpr Category kBaidu = Category::Baidu;
const std::string kEmptyList = R"({"errno":0,"data":{"picture_list":[]}})";

using BaiduTest = PortfolioSiteTest;

TEST_F(BaiduTest, ListsTheUserPagesAlbumsThenTheServicesUntilItRepeatsItself) {
    servePage(kAlbumHost, "/u/alice", Fixture("baidu/user.html"));
    // The service answers an album it already named with the same list.
    servePagesBy(kAlbumHost, "/album/list/alice", "album_sign",
                 {{"s2", Fixture("baidu/albums.json")}, {"s3", Fixture("baidu/albums.json")}});
    dispatch(kBaidu, u"https://xiangce.baidu.com/u/alice?from=x"_s);

    EXPECT_EQ(session.ownerFolder(), u"alice"_s);
    EXPECT_EQ(paramsAsked("/album/list/alice", "album_sign"),
              (std::vector<std::string>{"s2", "s3"}));
    // Albums without a sign, and what the page holds past its end, are none.
    EXPECT_EQ(albumNames(), (QStringList{u"西湖"_s, u"Plain"_s, u"古镇"_s}));
    const auto albums = session.albums.snapshot();
    ASSERT_EQ(albums.size(), 3u);
    EXPECT_EQ(albums[0].key, u"s1"_s);
    EXPECT_EQ(albums[0].photoCount, 12);
    EXPECT_EQ(albums[0].cover, u"http://b.hiphotos.baidu.com/c1.jpg"_s);
    EXPECT_EQ(albums[1].photoCount, 0);
    EXPECT_EQ(albums[2].key, u"s3"_s);
    EXPECT_EQ(albums[2].photoCount, 7);
    EXPECT_EQ(albums[2].cover, u"http://b.hiphotos.baidu.com/c3.jpg"_s);
}

TEST_F(BaiduTest, ReadsAnAlbumAsOriginalsPageByPageUntilAPageHasNoPicture) {
    servePagesBy(kAlbumHost, "/picture/album/list/s1", "pn",
                 {{"0", Fixture("baidu/photos.json")}, {"2", kEmptyList}});
    AlbumInfo album;
    album.name = u"西湖"_s;
    album.key = u"s1"_s;
    album.photoCount = 2;
    runPictures(BaiduListPhotos, addAlbum(album));

    EXPECT_EQ(paramsAsked("/picture/album/list/s1", "pn"), (std::vector<std::string>{"0", "2"}));
    // Only the scaled copy's folders are replaced; an address in another
    // layout is kept.
    EXPECT_EQ(urls(), (QStringList{u"http://b.hiphotos.baidu.com/album/pic/item/p1.jpg"_s,
                                   u"http://c.hiphotos.baidu.com/other/p2.jpg"_s}));
    const QStringList files = names();
    ASSERT_EQ(files.size(), 2);
    EXPECT_TRUE(files[0].contains(u"断桥"_s)) << files[0].toStdString();
    EXPECT_TRUE(files[1].contains(u"西湖"_s)) << files[1].toStdString();
    EXPECT_TRUE(prompt.questions().isEmpty());
}

// Only a page the site really sent can say the album is private: a page
// that is missing, never arrived or came empty ends the album without a
// question.
TEST_F(BaiduTest, AMissingOrBrokenAlbumPageAsksNothing) {
    site.route("GET", kAlbumHost, "/picture/album/list/broken", site.resetMidBody());
    servePage(kAlbumHost, "/picture/album/list/empty", "");
    for (const char* key : {"missing", "broken", "empty"}) {
        SCOPED_TRACE(key);
        AlbumInfo album;
        album.name = u"私密"_s;
        album.key = QString::fromLatin1(key);
        album.photoCount = 5;
        runPictures(BaiduListPhotos, addAlbum(album));
        EXPECT_TRUE(urls().isEmpty());
    }
    EXPECT_EQ(site.requestsTo("/picture/album/list/missing").size(), 1u);
    EXPECT_GE(site.requestsTo("/picture/album/list/broken").size(), 1u);
    EXPECT_EQ(site.requestsTo("/picture/album/list/empty").size(), 1u);
    EXPECT_TRUE(prompt.questions().isEmpty());
    EXPECT_TRUE(browser.logins().isEmpty());
}

TEST_F(BaiduTest, AnAlbumThatShowsNothingOffersTheLoginOnceAndIsReadAgain) {
    const struct {
        int photoCount;
        bool answer;
        qsizetype questions;
        qsizetype logins;
        size_t requests;
    } cases[] = {
        {5, false, 1, 0, 1},
        {5, true, 1, 1, 2},
        {0, true, 0, 0, 1},
    };
    servePagesBy(kAlbumHost, "/picture/album/list/s9", "pn", {{"0", kEmptyList}});
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.photoCount << " " << c.answer);
        const qsizetype questionsBefore = prompt.questions().size();
        const qsizetype loginsBefore = browser.logins().size();
        site.clearRequests();
        prompt.queueAnswer(c.answer);
        AlbumInfo album;
        album.name = u"私密"_s;
        album.key = u"s9"_s;
        album.photoCount = c.photoCount;
        runPictures(BaiduListPhotos, addAlbum(album));

        EXPECT_EQ(prompt.questions().size() - questionsBefore, c.questions);
        EXPECT_EQ(browser.logins().size() - loginsBefore, c.logins);
        if (c.logins > 0) {
            EXPECT_EQ(browser.logins().back(),
                      u"https://xiangce.baidu.com/picture/album/list/s9"_s);
        }
        EXPECT_EQ(site.requestsTo("/picture/album/list/s9").size(), c.requests);
        EXPECT_TRUE(urls().isEmpty());
    }
}

} // namespace
} // namespace phodex::test
