// SPDX-License-Identifier: MIT
#include "adapters/tieba/tiebaadapters.h"
#include "sites/portfolio/portfoliosite.h"

namespace phodex::test {
namespace {

const std::string kForumHost = "tieba.baidu.com";
const std::string kAlbumListPath = "/photo/g";
const std::string kPictureListPath = "/photo/g/bw/picture/list";
const std::string kGuidePath = "/photo/bw/picture/guide";
constexpr Category kBaidu = Category::Baidu;
// The forum 春天 as its addresses write it.
const QString kForum = u"%E6%98%A5%E5%A4%A9"_s;
const QString kThread =
    u"https://tieba.baidu.com/photo/p?kw=%E6%98%A5%E5%A4%A9&fp=1&tid=4500000001"_s;

class TiebaTest : public PortfolioSiteTest {
protected:
    int addForumAlbum(int photoCount) {
        AlbumInfo album;
        album.name = u"春天的花"_s;
        album.key = u"4500000001"_s;
        album.photoCount = photoCount;
        session.setTextSlot(TextSlot::First, kForum);
        return addAlbum(album);
    }
};

TEST_F(TiebaTest, ListsAForumsAlbumsPageByPageUntilAPageNamesNoNewAlbum) {
    const struct {
        const char* name;
        std::map<std::string, std::string> pages;
        std::vector<std::string> asked;
        QStringList albums;
    } cases[] = {
        {.name = "ends at an empty page",
         .pages = {{"1", Fixture("tieba/albums-1.json")},
                   {"2", Fixture("tieba/albums-2.json")},
                   {"3", Fixture("tieba/albums-empty.json")}},
         .asked = {"1", "2", "3"},
         .albums = {u"春天的花"_s, u"Snow & Ice"_s, u"古镇"_s}},
        // A number past the end answered with the first page again.
        {.name = "ends at a page that repeats one",
         .pages = {{"1", Fixture("tieba/albums-1.json")}, {"2", Fixture("tieba/albums-1.json")}},
         .asked = {"1", "2"},
         .albums = {u"春天的花"_s, u"Snow & Ice"_s}},
        {.name = "ends at a missing page",
         .pages = {{"1", Fixture("tieba/albums-1.json")}},
         .asked = {"1", "2"},
         .albums = {u"春天的花"_s, u"Snow & Ice"_s}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        servePagesBy(kForumHost, kAlbumListPath, "pn", c.pages);
        dispatch(kBaidu, u"https://tieba.baidu.com/f?kw="_s + kForum + u"&ie=utf-8"_s);

        EXPECT_EQ(paramsAsked(kAlbumListPath, "pn"), c.asked);
        EXPECT_EQ(albumNames(), c.albums);
    }
    for (const auto& request : site.requestsTo(kAlbumListPath)) {
        EXPECT_EQ(Param(request, u"kw"_s), u"春天"_s);
        EXPECT_EQ(Param(request, u"alt"_s), u"jview"_s);
        EXPECT_EQ(Param(request, u"rn"_s), u"30"_s);
        EXPECT_EQ(Param(request, u"cat_id"_s), u"all"_s);
    }
    EXPECT_EQ(session.ownerFolder(), u"春天"_s);
    EXPECT_EQ(session.textSlot(TextSlot::First), kForum);
    const auto albums = session.albums.snapshot();
    ASSERT_EQ(albums.size(), 2u);
    EXPECT_EQ(albums[0].key, u"4500000001"_s);
    EXPECT_EQ(albums[0].photoCount, 24);
    EXPECT_EQ(albums[0].cover, u"https://imgsa.baidu.com/forum/abpic/item/c1.jpg"_s);
    EXPECT_EQ(albums[1].key, u"4500000002"_s);
    EXPECT_EQ(albums[1].photoCount, 3);
}

TEST_F(TiebaTest, ReadsAnAlbumsPicturesPageByPageWithTheAlbumNameForThoseWithoutText) {
    servePagesBy(kForumHost, kPictureListPath, "pn",
                 {{"1", Fixture("tieba/photos-1.json")},
                  {"2", Fixture("tieba/photos-2.json")},
                  {"3", Fixture("tieba/photos-empty.json")}});
    runPictures(TiebaListPhotos, addForumAlbum(3), 1);

    EXPECT_EQ(paramsAsked(kPictureListPath, "pn"), (std::vector<std::string>{"1", "2", "3"}));
    for (const auto& request : site.requestsTo(kPictureListPath)) {
        EXPECT_EQ(Param(request, u"kw"_s), u"春天"_s);
        EXPECT_EQ(Param(request, u"tid"_s), u"4500000001"_s);
        EXPECT_EQ(Param(request, u"rn"_s), u"200"_s);
        EXPECT_EQ(Param(request, u"ps"_s), u"0"_s);
        EXPECT_EQ(Param(request, u"pe"_s), u"200"_s);
        EXPECT_EQ(Param(request, u"wall_type"_s), u"v"_s);
    }
    EXPECT_EQ(urls(), (QStringList{u"https://imgsrc.baidu.com/forum/pic/item/a1b2c3d4.jpg"_s,
                                   u"https://imgsrc.baidu.com/forum/pic/item/e5f6a7b8.jpg"_s,
                                   u"https://imgsrc.baidu.com/forum/pic/item/c9d0e1f2.jpg"_s}));
    const QStringList files = names();
    ASSERT_EQ(files.size(), 3);
    EXPECT_TRUE(files[0].contains(u"樱花"_s)) << files[0].toStdString();
    EXPECT_TRUE(files[1].contains(u"春天的花"_s)) << files[1].toStdString();
    EXPECT_TRUE(files[2].contains(u"梅花"_s)) << files[2].toStdString();
    EXPECT_TRUE(prompt.questions().isEmpty());
}

TEST_F(TiebaTest, AnAlbumThatShowsNothingOffersTheLoginOnceAndIsReadAgain) {
    const struct {
        int photoCount;
        bool answer;
        qsizetype questions;
        qsizetype logins;
        size_t requests;
    } cases[] = {
        {.photoCount = 5, .answer = false, .questions = 1, .logins = 0, .requests = 1},
        {.photoCount = 5, .answer = true, .questions = 1, .logins = 1, .requests = 2},
        {.photoCount = 0, .answer = true, .questions = 0, .logins = 0, .requests = 1},
    };
    servePagesBy(kForumHost, kPictureListPath, "pn", {{"1", Fixture("tieba/photos-empty.json")}});
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.photoCount << " " << c.answer);
        const qsizetype questionsBefore = prompt.questions().size();
        const qsizetype loginsBefore = browser.logins().size();
        site.clearRequests();
        prompt.queueAnswer(c.answer);
        runPictures(TiebaListPhotos, addForumAlbum(c.photoCount), 1);

        EXPECT_EQ(prompt.questions().size() - questionsBefore, c.questions);
        EXPECT_EQ(browser.logins().size() - loginsBefore, c.logins);
        if (c.logins > 0) {
            EXPECT_EQ(browser.logins().back(),
                      u"https://xiangce.baidu.com/picture/album/list/4500000001"_s);
        }
        EXPECT_EQ(site.requestsTo(kPictureListPath).size(), c.requests);
        EXPECT_TRUE(urls().isEmpty());
    }
}

TEST_F(TiebaTest, APostAddressListsItsThreadAsOneAlbumOfTheForum) {
    servePage(kForumHost, "/p/4500000001", Fixture("tieba/post.html"));
    servePage(kForumHost, "/photo/p", Fixture("tieba/thread.html"));
    dispatch(kBaidu, u"https://tieba.baidu.com/p/4500000001?pn=2"_s);

    const auto thread = site.lastRequestTo("/photo/p");
    ASSERT_TRUE(thread.has_value());
    EXPECT_EQ(Param(*thread, u"kw"_s), u"春天"_s);
    EXPECT_EQ(Param(*thread, u"tid"_s), u"4500000001"_s);
    EXPECT_EQ(albumNames(), QStringList{u"春天的花"_s});
    const auto albums = session.albums.snapshot();
    ASSERT_EQ(albums.size(), 1u);
    EXPECT_EQ(albums[0].key, u"https://tieba.baidu.com/photo/p?kw=%E6%98%A5%E5%A4%A9&ie=utf-8&fp=1"
                             u"&tid=4500000001"_s);
    EXPECT_EQ(session.ownerFolder(), u"春天"_s);
    EXPECT_EQ(session.textSlot(TextSlot::First), kForum);
}

TEST_F(TiebaTest, ReadsAThreadsPicturesByFollowingTheLastPictureSeen) {
    servePagesBy(kForumHost, kGuidePath, "pic_id",
                 {{"", Fixture("tieba/guide-start.json")},
                  {"p3cc", Fixture("tieba/guide-after-p3.json")},
                  {"p5ee", Fixture("tieba/guide-after-p5.json")}});
    AlbumInfo album;
    album.name = u"春天的花"_s;
    album.key = kThread;
    runPictures(TiebaListThreadPhotos, addAlbum(album), 2);

    EXPECT_EQ(paramsAsked(kGuidePath, "pic_id"), (std::vector<std::string>{"", "p3cc", "p5ee"}));
    for (const auto& request : site.requestsTo(kGuidePath)) {
        EXPECT_EQ(Param(request, u"kw"_s), u"春天"_s);
        EXPECT_EQ(Param(request, u"tid"_s), u"4500000001"_s);
        EXPECT_EQ(Param(request, u"see_lz"_s), u"1"_s);
        EXPECT_EQ(Param(request, u"next"_s), u"50"_s);
        EXPECT_EQ(Param(request, u"prev"_s), u"1"_s);
    }
    // The third picture has no watermarked address: it is asked for by id.
    EXPECT_EQ(urls(), (QStringList{u"http://imgsrc.baidu.com/forum/pic/item/p1aa.jpg"_s,
                                   u"http://imgsrc.baidu.com/forum/pic/item/p2bb.jpg"_s,
                                   u"https://imgsrc.baidu.com/forum/pic/item/p3cc.jpg"_s,
                                   u"http://imgsrc.baidu.com/forum/pic/item/p4dd.jpg"_s,
                                   u"http://imgsrc.baidu.com/forum/pic/item/p5ee.jpg"_s}));
    const QStringList files = names();
    ASSERT_EQ(files.size(), 5);
    const QStringList titles{u"第一张"_s, u"春天的花"_s, u"第三张"_s, u"春天的花"_s, u"最后"_s};
    for (int i = 0; i < 5; ++i)
        EXPECT_TRUE(files[i].contains(titles[i])) << files[i].toStdString();
}

// Replies that name no picture id bring the same pictures whatever is asked:
// the thread ends at the first reply with nothing new, each picture listed once.
TEST_F(TiebaTest, AThreadWhoseRepliesNameNoPictureIdEnds) {
    const struct {
        const char* name;
        std::string first;
        size_t requests;
        qsizetype pictures;
    } cases[] = {
        {.name = "no reply names an id",
         .first = Fixture("tieba/guide-no-ids.json"),
         .requests = 2,
         .pictures = 2},
        {.name = "the replies after the first name none",
         .first = Fixture("tieba/guide-start.json"),
         .requests = 3,
         .pictures = 5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        site.clearRequests();
        const std::string first = c.first;
        const std::string later = Fixture("tieba/guide-no-ids.json");
        site.route("GET", kForumHost, kGuidePath,
                   [first, later](const httplib::Request& req, httplib::Response& res) {
                       res.set_content(req.get_param_value("pic_id").empty() ? first : later,
                                       "application/json");
                   });
        AlbumInfo album;
        album.name = u"春天的花"_s;
        album.key = kThread;
        runPictures(TiebaListThreadPhotos, addAlbum(album), 2);

        EXPECT_EQ(site.requestsTo(kGuidePath).size(), c.requests);
        const QStringList listed = urls();
        EXPECT_EQ(listed.size(), c.pictures);
        EXPECT_EQ(QSet<QString>(listed.begin(), listed.end()).size(), c.pictures);
    }
}

} // namespace
} // namespace phodex::test
