// SPDX-License-Identifier: MIT
#include "adapters/gallery/galleryadapters.h"
#include "gallerysite.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QUrl>

#include <atomic>
#include <memory>

namespace phodex::test {
namespace {

const std::string kPocoHost = "www.poco.cn";
const std::string kWorksPath = "/v1_1/space/get_user_works_list";
const QString kUserCentre = u"https://www.poco.cn/user/user_center?user_id=173850"_s;

std::string Work(int id, const std::string& title) {
    return R"({"works_id":)" + std::to_string(id) + R"(,"title":")" + title +
           R"(","works_url":"https:\/\/www.poco.cn\/works\/detail?works_id=)" + std::to_string(id) +
           R"(","works_photo_count":)" + std::to_string(id * 2) +
           R"(,"user_avatar":"\/\/avatar.pocoimg.cn\/a.jpg"})";
}

std::string Reply(bool more, const std::string& works) {
    return R"({"code":0,"data":{"has_more":)" + std::string(more ? "true" : "false") +
           R"(,"list":[)" + works + "]}}";
}

// The request a works list body carries, as JSON.
QJsonObject RequestOf(const ReceivedRequest& r) {
    QString body = QString::fromStdString(r.body);
    EXPECT_TRUE(body.startsWith(u"req="_s)) << r.body;
    body = body.mid(4).section(u'&', 0, 0);
    return QJsonDocument::fromJson(QUrl::fromPercentEncoding(body.toUtf8()).toUtf8()).object();
}

class PocoTest : public GallerySiteTest {
protected:
    void serveReplies(std::vector<std::string> replies) {
        auto asked = std::make_shared<std::atomic<size_t>>(0);
        site.route("POST", kPocoHost, kWorksPath,
                   [=](const httplib::Request&, httplib::Response& res) {
                       const size_t n = std::min((*asked)++, replies.size() - 1);
                       res.set_content(replies[n], "application/json");
                   });
    }
};

TEST_F(PocoTest, ListsTheUsersWorksEighteenAtATimeWithSignedRequests) {
    serveReplies({Reply(true, Work(1, "\\u5c71") + "," + Work(2, "海")), Reply(true, Work(3, "云")),
                  Reply(false, Work(4, "雨"))});
    list(PocoListAlbums, u"173850"_s);

    const auto asked = site.requestsTo(kWorksPath);
    ASSERT_EQ(asked.size(), 3u);
    EXPECT_EQ(asked[0].body,
              "req=%7B%22version%22%3A%221.1.0%22%2C%22app_name%22%3A%22poco_photography_web%22"
              "%2C%22os_type%22%3A%22weixin%22%2C%22is_enc%22%3A0%2C%22env%22%3A%22prod%22%2C"
              "%22ctime%22%3A1518794347184%2C%22param%22%3A%7B%22user_id%22%3Anull%2C"
              "%22visited_user_id%22%3A173850%2C%22year%22%3A0%2C%22length%22%3A18%2C"
              "%22start%22%3A0%7D%2C%22sign_code%22%3A%2217cfde23ee1001c8be2%22%7D"
              "&host_port=https%3A%2F%2Fwww.poco.cn");
    const struct {
        int start;
        const char* sign;
    } pages[] = {
        {0, "17cfde23ee1001c8be2"}, {18, "2f04ce6eda6f0770bfd"}, {36, "c87c3832f515c36f891"}};
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(asked[i].method, "POST");
        EXPECT_EQ(Header(asked[i], "Referer"), kUserCentre);
        EXPECT_EQ(Header(asked[i], "Content-Type"),
                  u"application/x-www-form-urlencoded; charset=UTF-8"_s);
        const QJsonObject request = RequestOf(asked[i]);
        EXPECT_EQ(request[u"param"_s][u"start"_s].toInt(), pages[i].start);
        EXPECT_EQ(request[u"param"_s][u"visited_user_id"_s].toInt(), 173850);
        EXPECT_EQ(request[u"sign_code"_s].toString(), QString::fromLatin1(pages[i].sign));
    }
    EXPECT_EQ(pauses.sleeps(), (QList<qint64>{2000, 3000, 1000}));
    EXPECT_EQ(albumNames(), (QStringList{u"山"_s, u"海"_s, u"云"_s, u"雨"_s}));
    const auto albums = session.albums.snapshot();
    ASSERT_EQ(albums.size(), 4u);
    EXPECT_EQ(albums[0].key, u"https://www.poco.cn/works/detail?works_id=1"_s);
    EXPECT_EQ(albums[0].cover, u"http://avatar.pocoimg.cn/a.jpg"_s);
    EXPECT_EQ(albums[3].photoCount, 8);
    EXPECT_EQ(session.textSlot(TextSlot::First), u"173850"_s);
}

TEST_F(PocoTest, AUserIdThatIsNoNumberAsksNothing) {
    for (const QString& id : {u""_s, u"12,\"x\":1"_s, u"abc"_s}) {
        list(PocoListAlbums, id);
        EXPECT_TRUE(site.requests().empty()) << id.toStdString();
    }
}

TEST_F(PocoTest, AReplyWithoutWorksEndsTheListing) {
    serveReplies({Reply(true, "")});
    list(PocoListAlbums, u"173850"_s);
    EXPECT_EQ(site.countOf(kWorksPath), 1);
    EXPECT_TRUE(session.albums.isEmpty());
}

TEST_F(PocoTest, AWorksPicturesAreTheImagesOfItsBody) {
    servePage(kPocoHost, "/works/detail", Fixture("poco/work.html"));
    session.setTextSlot(TextSlot::First, u"173850"_s);
    AlbumInfo album;
    album.name = u"山"_s;
    album.key = u"https://www.poco.cn/works/detail?works_id=1"_s;
    runPictures(PocoListPhotos, addAlbum(album));

    const auto asked = site.requestsTo("/works/detail");
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(Header(asked[0], "Referer"), kUserCentre);
    EXPECT_EQ(urls(), (QStringList{u"https://img.pocoimg.cn/w/1.jpg"_s,
                                   u"https://img.pocoimg.cn/w/2.jpg"_s}));
    for (const QString& name : downList.names)
        EXPECT_TRUE(name.startsWith(u"山"_s)) << name.toStdString();
}

} // namespace
} // namespace phodex::test
