// SPDX-License-Identifier: MIT
#include "adapters/qzone/qzoneadapters.h"
#include "adapters/qzone/qzonetoken.h"
#include "jobs/addpicture.h"
#include "qqsite.h"

#include <QFile>

namespace phodex::test {
namespace {

constexpr int kTrip = 0;
constexpr int kFamily = 1;
constexpr int kLocked = 2;

class QzonePhotosTest : public QqSiteTest {
protected:
    // The owner's albums listed as the list job does, so that the route
    // values are where the photo operations look for them.
    void listOwner() {
        logIn();
        serveQzone();
        runList(QzoneListAlbums, kOwner);
        ASSERT_EQ(session.albums.count(), 4);
        site.clearRequests();
        session.setAddressText(kOwner);
    }
    QStringList names() const { return downList.names; }
};

const QString kRaw1 = u"https://b1.photo.store.qq.com/psb?/V10trip/p1/b/dRaw1"_s;
const QString kPre1 = u"https://a1.qpic.cn/psb?/V10trip/p1/b/dPre1"_s;
const QString kRawStore2 = u"https://r.photo.store.qq.com/psb?/V10trip/p2/r/dRaw2"_s;
const QString kPre2 = u"https://a1.qpic.cn/psb?/V10trip/p2/b/dPre2"_s;
// Its raw address is missing: the large one stands in, "/psbe?/" mended.
const QString kUrl3 = u"https://b1.photo.store.qq.com/psb?/V10trip/p3/b/dUrl3"_s;
const QString kPre3 = u"https://a1.qpic.cn/psb?/V10trip/p3/b/dPre3"_s;

TEST_F(QzonePhotosTest, AskForTheAlbumsPhotosAndHandOverEachWithItsPreviewAsFallback) {
    listOwner();
    runPictures(QzoneListPhotos, kTrip);

    const auto requests = site.requestsTo(kPhotoListPath);
    ASSERT_EQ(requests.size(), 1u); // the album's three photos came with the first page
    const ReceivedRequest& r = requests[0];
    EXPECT_EQ(r.host, kProxyHost);
    EXPECT_EQ(Param(r, u"topicId"_s), u"V10trip"_s);
    EXPECT_EQ(r.target.find("albumid="), std::string::npos);
    EXPECT_EQ(Param(r, u"hostUin"_s), kOwner);
    EXPECT_EQ(Param(r, u"idcNum"_s), u"13"_s);
    EXPECT_EQ(Param(r, u"uin"_s), u"12345"_s);
    EXPECT_EQ(Param(r, u"pageStart"_s), u"0"_s);
    EXPECT_EQ(Param(r, u"pageNum"_s), u"400"_s);
    EXPECT_EQ(Param(r, u"g_tk"_s), QString::number(QzoneToken(u"pskey-abc"_s)));
    EXPECT_EQ(Header(r, "Referer"), u"https://user.qzone.qq.com/12345"_s);
    EXPECT_EQ(Header(r, "Accept-Encoding"), u"gzip, deflate"_s);

    EXPECT_EQ(urls(), (QStringList{kRaw1 + u"\r\n"_s + kPre1, kRawStore2 + u"\r\n"_s + kPre2,
                                   kUrl3 + u"\r\n"_s + kPre3}));
    EXPECT_EQ(pauses.sleeps(), (QList<qint64>{4200}));
}

struct TitleCase {
    int mode;
    QStringList names;
};

TEST_F(QzonePhotosTest, TheTitleComesFromTheNameOrFromTheDescriptionFirst) {
    listOwner();
    const TitleCase cases[] = {
        {1, {u"IMG_0001.jpg"_s, u"IMG_0002.jpg"_s, u"山顶.jpg"_s}},
        {0, {u"海边的日落.jpg"_s, u"IMG_0002.jpg"_s, u"山顶.jpg"_s}},
    };
    for (const TitleCase& c : cases) {
        SCOPED_TRACE(c.mode);
        extension.qzoneTitleMode = c.mode;
        runPictures(QzoneListPhotos, kTrip);
        EXPECT_EQ(names(), c.names);
    }
}

TEST_F(QzonePhotosTest, TheLargePictureSwitchTakesTheUrlAddress) {
    listOwner();
    extension.qzoneLargePictures = 1;
    runPictures(QzoneListPhotos, kTrip);
    EXPECT_EQ(
        urls(),
        (QStringList{u"https://b1.photo.store.qq.com/psb?/V10trip/p1/b/dUrl1"_s + u"\r\n"_s + kPre1,
                     u"https://r.photo.store.qq.com/psb?/V10trip/p2/r/dUrl2"_s + u"\r\n"_s + kPre2,
                     kUrl3 + u"\r\n"_s + kPre3}));
}

// The walk ends when the album's count is reached, whatever else is served.
TEST_F(QzonePhotosTest, AnAlbumWhoseCountIsZeroAsksNothing) {
    listOwner();
    AlbumInfo empty = session.albums.At(kTrip);
    empty.name = u"空相册"_s;
    empty.photoCount = 0;
    runPictures(QzoneListPhotos, addAlbum(empty));
    EXPECT_EQ(site.countOf(kPhotoListPath), 0);
    EXPECT_TRUE(urls().isEmpty());
}

struct PasswordCase {
    int album;
    bool answer;
    int questions;
    QStringList logins;
    int requests;
    int pictures;
};

// The password question is asked only for a protected album, once; a yes
// opens the login window on the album's page and asks for the same page again.
TEST_F(QzonePhotosTest, AProtectedAlbumOffersItsPasswordOnce) {
    listOwner();
    const PasswordCase cases[] = {
        {kLocked, true, 1, {u"https://user.qzone.qq.com/12345/photo/V10locked"_s}, 2, 1},
        {kLocked, false, 1, {}, 1, 0},
        {kFamily, true, 0, {}, 1, 0},
    };
    for (const PasswordCase& c : cases) {
        SCOPED_TRACE(c.album * 10 + c.answer);
        bool loggedIn = false;
        site.route("GET", kProxyHost, kPhotoListPath,
                   [&loggedIn](const httplib::Request&, httplib::Response& res) {
                       res.set_content(Fixture(loggedIn ? "qzone/photos-family.jsonp"
                                                        : "qzone/photos-refused.jsonp"),
                                       "application/javascript");
                   });
        ScriptedUserPrompt scripted(c.answer);
        LoginBrowser logins;
        logins.onLogin = [&loggedIn](const QString&) { loggedIn = true; };
        JobEnv caseEnv{session, table, observer, scripted, logins, keys, shell};
        site.clearRequests();
        RecordingPacer casePauses;
        ScopedPacer scope(casePauses);
        session.downState = kDownRunning;
        DownloadJobContext ctx(caseEnv, Category::Qq, 0, session.settings(), extension,
                               saveDir.path() + u'/', QString());
        ctx.beginAlbum(c.album);
        QzoneListPhotos(ctx, c.album);
        downList = ctx.downList();
        session.downState = kDownIdle;

        EXPECT_EQ(scripted.questions().size(), c.questions);
        if (c.questions) {
            EXPECT_EQ(scripted.questions()[0], u"加密相册，是否输入密码？"_s);
        }
        EXPECT_EQ(logins.logins(), c.logins);
        const auto requests = site.requestsTo(kPhotoListPath);
        ASSERT_EQ(int(requests.size()), c.requests);
        for (const ReceivedRequest& r : requests)
            EXPECT_EQ(Param(r, u"pageStart"_s), u"0"_s);
        EXPECT_EQ(urls().size(), c.pictures);
        EXPECT_EQ(casePauses.sleeps().contains(3000), c.answer && c.questions);
    }
}

TEST_F(QzonePhotosTest, TheOlderServiceViewsAProtectedAlbumAtOnce) {
    listOwner();
    serve("sznu.photo.qq.com", "/cgi-bin/common/cgi_view_album_v2",
          Fixture("qzone/photos-v2.jsonp"));
    runPictures(QzoneListPhotosV2, kLocked);

    const auto views = site.requestsTo("/cgi-bin/common/cgi_view_album_v2");
    ASSERT_EQ(views.size(), 1u);
    EXPECT_FALSE(views[0].https);
    EXPECT_EQ(views[0].host, "sznu.photo.qq.com");
    EXPECT_EQ(Param(views[0], u"albumId"_s), u"V10locked"_s);
    EXPECT_EQ(Param(views[0], u"uin"_s), u"0012345"_s);
    EXPECT_EQ(Param(views[0], u"g_tk"_s), QString::number(QzoneToken(u"@skey-xyz"_s)));
    EXPECT_EQ(site.countOf("/fcgi-bin/cgi_list_photo"), 0);
    EXPECT_EQ(urls(), QStringList{u"https://b1.photo.store.qq.com/psb?/V10locked/p1/r/dOrigin1\r\n"
                                  u"https://a1.qpic.cn/psb?/V10locked/p1/b/dPre1"_s});
}

// "Q2.txt" in the work folder keeps protected albums on the paged list; an
// empty list then still gets one try on the view-album service.
TEST_F(QzonePhotosTest, TheOlderServiceFallsBackFromItsListToTheView) {
    listOwner();
    QFile marker(session.workDir + u"Q2.txt"_s);
    ASSERT_TRUE(marker.open(QIODevice::WriteOnly));
    marker.close();
    serve("szplist.photo.qq.com", "/fcgi-bin/cgi_list_photo", Fixture("qzone/photos-empty.jsonp"));
    serve("sznu.photo.qq.com", "/cgi-bin/common/cgi_view_album_v2",
          Fixture("qzone/photos-v2.jsonp"));
    session.setTextSlot(TextSlot::Second, u"szplist.photo.qq.com"_s);
    runPictures(QzoneListPhotosV2, kLocked);

    const auto lists = site.requestsTo("/fcgi-bin/cgi_list_photo");
    ASSERT_EQ(lists.size(), 1u);
    EXPECT_EQ(lists[0].host, "szplist.photo.qq.com");
    EXPECT_EQ(Param(lists[0], u"topicId"_s), u"V10locked"_s);
    EXPECT_EQ(Param(lists[0], u"pageNum"_s), u"500"_s);
    EXPECT_EQ(site.countOf("/cgi-bin/common/cgi_view_album_v2"), 1);
    EXPECT_EQ(urls().size(), 1);
}

TEST_F(QzonePhotosTest, TheOlderServiceLeavesThePostsAlone) {
    listOwner();
    AlbumInfo posts;
    posts.name = u"说说里的图片"_s;
    posts.cover = u"123"_s;
    runPictures(QzoneListPhotosV2, addAlbum(posts));
    EXPECT_TRUE(site.requests().empty());
}

// An id written with a query's own characters stays one value.
TEST_F(QzonePhotosTest, AnAlbumIdIsOneQueryValue) {
    logIn();
    serveQzone();
    site.route(
        "GET", kProxyHost, kAlbumListPath, [](const httplib::Request& req, httplib::Response& res) {
            res.set_content(req.get_param_value("pageStart") == "0"
                                ? std::string(R"(shine5_Callback({"data" : {"list" : [)"
                                              R"({"id" : "V1&topicId=x#y", "name" : "怪", )"
                                              R"("pre" : "", "priv" : 1, "total" : 1, }]}});)")
                                : Fixture("qzone/albums-end.jsonp"),
                            "application/javascript");
        });
    runList(QzoneListAlbums, kOwner);
    ASSERT_EQ(session.albums.count(), 1);
    EXPECT_EQ(session.albums.At(0).key, u"idcNum=13&hostUin=12345&albumid=V1%26topicId%3Dx%23y"_s);
    site.clearRequests();
    runPictures(QzoneListPhotos, 0);
    const auto requests = site.requestsTo(kPhotoListPath);
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(Param(requests[0], u"topicId"_s), u"V1&topicId=x#y"_s);
}

} // namespace
} // namespace phodex::test
