// SPDX-License-Identifier: MIT
#include "adapters/qzone/qzoneadapters.h"
#include "adapters/qzone/qzonetoken.h"
#include "core/catalogue.h"
#include "jobs/downloadjob.h"
#include "jobs/listjob.h"
#include "net/cookiejar.h"
#include "qqsite.h"

#include <QDir>
#include <QNetworkCookie>

namespace phodex::test {
namespace {

const std::string kGroupAlbums = "/proxy/domain/u.photo.qzone.qq.com/cgi-bin/upp/qun_list_album_v2";
const std::string kGroupPhotos = "/proxy/domain/u.photo.qzone.qq.com/cgi-bin/upp/qun_list_photo_v2";
const QString kGroup = u"778899"_s;
const QString kPageToken = u"0f1e2d3c4b5a69788796a5b4c3d2e1f0"_s;

class QqGroupTest : public QqSiteTest {
protected:
    void logInToGroups() {
        logIn();
        QNetworkCookie guin("guin", "o012345");
        guin.setDomain(u".qq.com"_s);
        guin.setPath(u"/"_s);
        CookieJar::instance().insert(guin);
        session.siteValues().setValue(kQzonePageTokenKey, kPageToken);
    }
    void serveGroup() {
        site.route("GET", kProxyHost, kGroupAlbums,
                   [](const httplib::Request& req, httplib::Response& res) {
                       res.set_content(Fixture(req.get_param_value("start") == "0"
                                                   ? "qqgroup/albums-0.jsonp"
                                                   : "qqgroup/albums-end.jsonp"),
                                       "application/javascript");
                   });
        site.route("GET", kProxyHost, kGroupPhotos,
                   [](const httplib::Request& req, httplib::Response& res) {
                       res.set_content(req.get_param_value("start") == "0"
                                           ? Fixture("qqgroup/photos-gA1.jsonp")
                                           : std::string("shine4_Callback({\"code\":0})"),
                                       "application/javascript");
                   });
        servePictures();
    }
};

TEST_F(QqGroupTest, ListsTheGroupsAlbums36AtATimeAsTheViewer) {
    logInToGroups();
    serveGroup();
    runList(QqGroupListAlbums, kGroup);

    const auto requests = site.requestsTo(kGroupAlbums);
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(Param(requests[0], u"start"_s), u"0"_s);
    EXPECT_EQ(Param(requests[1], u"start"_s), u"36"_s);
    const ReceivedRequest& r = requests[0];
    EXPECT_EQ(Param(r, u"qunId"_s), kGroup);
    EXPECT_EQ(Param(r, u"uin"_s), u"12345"_s);
    EXPECT_EQ(Param(r, u"num"_s), u"36"_s);
    EXPECT_EQ(Param(r, u"qzonetoken"_s), kPageToken);
    EXPECT_EQ(Param(r, u"g_tk"_s), QString::number(QzoneToken(u"pskey-abc"_s)));
    EXPECT_EQ(Header(r, "Referer"),
              u"https://h5.qzone.qq.com/groupphoto/index?inqq=3&groupId=778899"_s);

    EXPECT_EQ(albumNames(), (QStringList{u"班级聚会"_s, u"毕业照"_s}));
    const AlbumInfo first = session.albums.At(0);
    EXPECT_EQ(first.key, u"qzonetoken="_s + kPageToken +
                             u"&qunId=778899&albumId=gA1&uin=12345&hostUin=12345&g_tk="_s +
                             QString::number(QzoneToken(u"pskey-abc"_s)));
    EXPECT_EQ(first.cover, u"https://a1.qpic.cn/qun/gA1/cover"_s);
    EXPECT_EQ(first.info, u"2015-01-01 10：00：00"_s);
    EXPECT_EQ(first.photoCount, 2);
    EXPECT_EQ(session.textSlot(TextSlot::First), u"12345"_s);
}

TEST_F(QqGroupTest, ANotLoggedInAnswerEndsTheListing) {
    logInToGroups();
    serve(kProxyHost, kGroupAlbums, Fixture("qqgroup/not-logged-in.jsonp"));
    runList(QqGroupListAlbums, kGroup);
    EXPECT_EQ(site.countOf(kGroupAlbums), 1);
    EXPECT_TRUE(session.albums.isEmpty());
}

TEST_F(QqGroupTest, PhotosTakeTheRawElseTheHdElseTheBigAddress) {
    logInToGroups();
    serveGroup();
    runList(QqGroupListAlbums, kGroup);
    site.clearRequests();
    runPictures(QqGroupListPhotos, 0, 1);

    EXPECT_EQ(urls(), (QStringList{u"https://a1.qpic.cn/qun/gA1/p1/raw"_s,
                                   u"https://a1.qpic.cn/qun/gA1/p2/b/800"_s,
                                   u"https://a1.qpic.cn/qun/gA1/p3/800?w=1"_s}));
    EXPECT_EQ(downList.names, (QStringList{u"合照1.jpg"_s, u"合照2.jpg"_s, u"合照3.jpg"_s}));
    const auto requests = site.requestsTo(kGroupPhotos);
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(Param(requests[0], u"albumId"_s), u"gA1"_s);
    EXPECT_EQ(Param(requests[0], u"qunId"_s), kGroup);
    EXPECT_EQ(Param(requests[0], u"num"_s), u"500"_s);
    EXPECT_EQ(Param(requests[1], u"start"_s), u"500"_s);
    EXPECT_EQ(Header(requests[0], "Referer"), u"https://qun.qq.com/group"_s);
}

// Escape ?5 of the folder names is the album's creation time, made fit for a
// folder name by the full-width colon.
TEST_F(QqGroupTest, TheCreationTimeNamesTheAlbumFolder) {
    logInToGroups();
    serveGroup();
    session.updateSettings([](SettingsRecord& record) {
        record.profileFor(Category::Qq).folderPrefix = u"?5 "_s;
        return true;
    });
    ListJob list(env);
    ASSERT_TRUE(list.run(ListJobRequest{kGroup, Category::Qq, SubType::QqGroupAlbums}).has_value());
    ASSERT_EQ(session.subType.load(), 1);
    DownloadJob download(env);
    const auto result = download.run(DownloadJobRequest{saveDir.path(), {0}});
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(result->saved, 3);
    const QDir album(saveDir.path() + u"/778899/2015-01-01 10：00：00 班级聚会"_s);
    EXPECT_EQ(album.entryList(QDir::Files, QDir::Name),
              (QStringList{u"pic.korvo"_s, u"合照1.jpg"_s, u"合照2.jpg"_s, u"合照3.jpg"_s}));
}

} // namespace
} // namespace phodex::test
