// SPDX-License-Identifier: MIT
#include "adapters/qzone/qzoneadapters.h"
#include "qqsite.h"

namespace phodex::test {
namespace {

const std::string kAlbumService = "/asyn/gettopicalbum.php";

class TencentWeiboTest : public QqSiteTest {
protected:
    void serveWeibo() {
        serve("t.qq.com", "/app/qzphoto/demo", Fixture("tencentweibo/guest.html"));
        site.route("GET", "api.t.qq.com", kAlbumService,
                   [](const httplib::Request& req, httplib::Response& res) {
                       const std::string page = req.get_param_value("page");
                       const std::string kind =
                           req.get_param_value("op") == "1" ? "topics" : "photos";
                       const std::string name = page == "1" || page == "2"
                                                    ? "tencentweibo/" + kind + "-" + page + ".json"
                                                    : "tencentweibo/empty.json";
                       res.set_content(Fixture(name), "application/json");
                   });
        servePictures();
    }
    std::vector<ReceivedRequest> calls(const char* op) const {
        std::vector<ReceivedRequest> found;
        for (const ReceivedRequest& r : site.requestsTo(kAlbumService))
            if (Param(r, u"op"_s) == QLatin1String(op))
                found.push_back(r);
        return found;
    }
};

TEST_F(TencentWeiboTest, ListsTheTopicAlbumsPageByPage) {
    serveWeibo();
    runList(TencentWeiboListAlbums, u"demo"_s);

    const auto owner = site.requestsTo("/app/qzphoto/demo");
    ASSERT_EQ(owner.size(), 1u);
    EXPECT_EQ(owner[0].target, "/app/qzphoto/demo?preview");
    const auto pages = calls("1");
    ASSERT_EQ(pages.size(), 3u);
    for (size_t i = 0; i < pages.size(); ++i) {
        EXPECT_EQ(Param(pages[i], u"page"_s), QString::number(i + 1));
        EXPECT_EQ(Param(pages[i], u"uin"_s), u"987654"_s);
        EXPECT_EQ(Param(pages[i], u"n"_s), u"12"_s);
        EXPECT_EQ(Param(pages[i], u"apiHost"_s), u"https://api.t.qq.com"_s);
        EXPECT_EQ(Header(pages[i], "Referer"), u"https://api.t.qq.com/proxy.html"_s);
    }
    EXPECT_EQ(albumNames(), (QStringList{u"旅行"_s, u"视频"_s, u"天空"_s}));
    const auto albums = session.albums.snapshot();
    EXPECT_EQ(albums[0].key, u"1001"_s);
    EXPECT_EQ(albums[1].key, u"video"_s); // a type wins over the topic id
    EXPECT_EQ(albums[0].photoCount, 12);
    EXPECT_EQ(albums[0].cover, u"http://t1.qpic.cn/mblogpic/c1/240"_s);
    EXPECT_EQ(session.textSlot(TextSlot::First), u"987654"_s);
}

TEST_F(TencentWeiboTest, PhotosCarryTheContinuationFromTheSecondPageOn) {
    serveWeibo();
    session.setTextSlot(TextSlot::First, u"987654"_s);
    session.setTextSlot(TextSlot::Second, u"demo"_s);
    AlbumInfo topic;
    topic.name = u"旅行"_s;
    topic.key = u"1001"_s;
    runPictures(TencentWeiboListPhotos, addAlbum(topic), 2);

    EXPECT_EQ(urls(), (QStringList{u"http://t1.qpic.cn/mblogpic/p1/2000"_s,
                                   u"http://t1.qpic.cn/mblogpic/p2/2000"_s,
                                   u"http://t1.qpic.cn/mblogpic/p3/2000"_s}));
    // Tags and escapes leave the post text; an empty one takes the next text.
    EXPECT_EQ(downList.names,
              (QStringList{u"第一条 bold.jpg"_s, u"第一条 bold(1).jpg"_s, u"转发.jpg"_s}));
    const auto pages = calls("2");
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_EQ(Param(pages[0], u"topicid"_s), u"1001"_s);
    EXPECT_EQ(Param(pages[0], u"n"_s), u"24"_s);
    EXPECT_TRUE(Param(pages[0], u"time"_s).isEmpty());
    EXPECT_EQ(Param(pages[1], u"time"_s), u"1382325110"_s);
    EXPECT_EQ(Param(pages[1], u"u"_s), u"demo"_s);
    EXPECT_EQ(Param(pages[2], u"time"_s), u"1382325000"_s);
}

} // namespace
} // namespace phodex::test
