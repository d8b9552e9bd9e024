// SPDX-License-Identifier: MIT
#include "adapters/qzone/qzoneadapters.h"
#include "adapters/qzone/qzonealbumpage.h"
#include "adapters/qzone/qzoneroute.h"
#include "adapters/qzone/qzonetoken.h"
#include "core/catalogue.h"
#include "jobs/listjob.h"
#include "qqsite.h"
#include "text/codepage.h"

namespace phodex::test {
namespace {

using QzoneAlbumsTest = QqSiteTest;

std::vector<int> PageStarts(const std::vector<ReceivedRequest>& requests) {
    std::vector<int> starts;
    for (const ReceivedRequest& r : requests)
        starts.push_back(Param(r, QStringLiteral("pageStart")).toInt());
    return starts;
}

TEST(QzoneRoute, TakesTheDefaultSectionAndRewritesItsHosts) {
    const QzoneRoute sz = ParseQzoneRoute(QString::fromStdString(Fixture("qzone/route.json")));
    EXPECT_EQ(sz.idcNum, 13);
    EXPECT_EQ(sz.viewHost, QStringLiteral("sznu.photo.qq.com"));
    EXPECT_EQ(sz.listHost, QStringLiteral("alist.photo.qq.com"));
    EXPECT_EQ(sz.photoHost, QStringLiteral("photo.qzone.qq.com"));
    EXPECT_TRUE(sz.rest.contains(QStringLiteral("szstatic")));

    const QzoneRoute xa = ParseQzoneRoute(QStringLiteral(
        R"({"idcno":"7","default":"xa","xa":{"nu":"xanu.photo.qq.com","p":"xanewp.photo.qq.com","s":"xa.photo.qq.com"}})"));
    EXPECT_EQ(xa.idcNum, 7);
    EXPECT_EQ(xa.listHost, QStringLiteral("xalist.photo.qq.com"));
    EXPECT_EQ(xa.photoHost, QStringLiteral("xa.photo.qzone.qq.com"));
}

// A route value that is not a bare host name would move the requests, with
// the viewer's token in them, to another site.
TEST(QzoneRoute, RefusesHostsThatAreNotPlainNames) {
    const QzoneRoute route = ParseQzoneRoute(QStringLiteral(
        R"({"idcno":"1","default":"sz","sz":{"nu":"evil.example/x?","p":"a@evil.example","s":"photo.qq.com:8080"}})"));
    EXPECT_EQ(route.viewHost, QString());
    EXPECT_EQ(route.listHost, QString());
    EXPECT_EQ(route.photoHost, QString());
}

TEST(QzonePrivacyFlags, FirstMatchingDigitWins) {
    const std::pair<const char*, qint32> cases[] = {
        {" 1", 0},
        {" 3", kAlbumPrivate},
        {" 4", kAlbumFriendsOnly},
        {" 6", kAlbumFriendsOnly},
        {" 5", kAlbumEncrypted},
        {" 35", kAlbumPrivate},
        {" 54", kAlbumFriendsOnly},
        {"", 0},
    };
    for (const auto& [priv, flags] : cases)
        EXPECT_EQ(QzonePrivacyFlags(QString::fromLatin1(priv)), flags) << priv;
}

TEST_F(QzoneAlbumsTest, ListsTheAlbumsInPagesOf48UntilAPageHasNone) {
    logIn();
    serveQzone();
    runList(QzoneListAlbums, kOwner);

    const auto route = site.requestsTo(kRoutePath);
    ASSERT_EQ(route.size(), 1u);
    EXPECT_TRUE(route[0].https);
    EXPECT_EQ(route[0].host, kUserHost);
    EXPECT_EQ(Param(route[0], QStringLiteral("UIN")), kOwner);
    EXPECT_EQ(Param(route[0], QStringLiteral("version")), QStringLiteral("2"));
    EXPECT_EQ(Header(route[0], "Referer"), QStringLiteral("https://user.qzone.qq.com/12345"));

    const auto pages = site.requestsTo(kAlbumListPath);
    EXPECT_EQ(PageStarts(pages), (std::vector<int>{0, 48, 96}));
    for (const ReceivedRequest& page : pages) {
        EXPECT_EQ(page.host, kProxyHost);
        EXPECT_EQ(Param(page, QStringLiteral("pageNum")), QStringLiteral("48"));
        EXPECT_EQ(Param(page, QStringLiteral("hostUin")), kOwner);
        EXPECT_EQ(Param(page, QStringLiteral("uin")), QStringLiteral("12345"));
        EXPECT_EQ(Param(page, QStringLiteral("idcNum")), QStringLiteral("13"));
        EXPECT_EQ(Param(page, QStringLiteral("g_tk")),
                  QString::number(QzoneToken(QStringLiteral("pskey-abc"))));
        EXPECT_EQ(Param(page, QStringLiteral("_")).size(), 18); // "0." and 16 decimals
    }

    // The nameless album of the first page is skipped, the second page read.
    EXPECT_EQ(albumNames(), (QStringList{u"旅行"_s, u"家人"_s, u"密码相册"_s, u"好友"_s}));
    const AlbumInfo trip = session.albums.At(0);
    EXPECT_EQ(trip.key, QStringLiteral("idcNum=13&hostUin=12345&albumid=V10trip"));
    EXPECT_EQ(trip.cover, QStringLiteral("https://a1.qpic.cn/psb?/V10trip/cover/a/dCover1"));
    EXPECT_EQ(trip.photoCount, 3);
    std::vector<qint32> flags;
    for (const AlbumInfo& album : session.albums.snapshot())
        flags.push_back(album.flags);
    EXPECT_EQ(flags, (std::vector<qint32>{0, kAlbumPrivate, kAlbumEncrypted, kAlbumFriendsOnly}));

    EXPECT_EQ(session.textSlot(TextSlot::First), QStringLiteral("sznu.photo.qq.com"));
    EXPECT_EQ(session.textSlot(TextSlot::Second), QStringLiteral("alist.photo.qq.com"));
    EXPECT_EQ(session.textSlot(TextSlot::Third), QStringLiteral("photo.qzone.qq.com"));
}

TEST_F(QzoneAlbumsTest, AStopAfterAnAlbumIssuesNoFurtherRequest) {
    logIn();
    serveQzone();
    observer.onAlbumAdded = [this](int index) {
        if (index == 2)
            session.listState = kListStopRequested;
    };
    runList(QzoneListAlbums, kOwner);
    EXPECT_EQ(albumNames(), (QStringList{u"旅行"_s, u"家人"_s, u"密码相册"_s}));
    EXPECT_EQ(PageStarts(site.requestsTo(kAlbumListPath)), (std::vector<int>{0, 48}));
}

// A service that keeps answering the same page whatever the start would
// otherwise be walked for ever.
TEST_F(QzoneAlbumsTest, APageThatRepeatsEndsTheWalk) {
    logIn();
    serveQzone();
    serve(kProxyHost, kAlbumListPath, Fixture("qzone/albums-0.jsonp"));
    runList(QzoneListAlbums, kOwner);
    EXPECT_EQ(albumNames(), (QStringList{u"旅行"_s, u"家人"_s}));
    EXPECT_EQ(PageStarts(site.requestsTo(kAlbumListPath)), (std::vector<int>{0, 48}));
}

struct RefusalCase {
    const char* fixture;
    bool answer;
    QStringList informations;
    int questions;
    QStringList logins;
};

TEST_F(QzoneAlbumsTest, ServerMessagesEndTheListingWithTheirOwnPrompt) {
    const RefusalCase cases[] = {
        {"qzone/albums-busy.jsonp", true, {u"您的操作过于频繁，请稍后再试"_s}, 0, {}},
        {"qzone/albums-refused.jsonp", true, {}, 1, {u"https://user.qzone.qq.com/12345"_s}},
        {"qzone/albums-refused.jsonp", false, {}, 1, {}},
    };
    for (const RefusalCase& c : cases) {
        SCOPED_TRACE(std::string(c.fixture) + (c.answer ? " yes" : " no"));
        ScriptedUserPrompt scripted(c.answer);
        LoginBrowser logins;
        JobEnv caseEnv{session, table, observer, scripted, logins, keys, shell};
        serveQzone();
        serve(kProxyHost, kAlbumListPath, Fixture(c.fixture));
        site.clearRequests();
        session.albums.clear();
        ListJobContext ctx(caseEnv, Category::Qq, session.settings(), extension);
        QzoneListAlbums(ctx, kOwner);
        EXPECT_EQ(scripted.informations(), c.informations);
        ASSERT_EQ(scripted.questions().size(), c.questions);
        if (c.questions) {
            EXPECT_EQ(scripted.questions()[0],
                      u"加密或非公开空间，是否进行身份验证?\n(验证成功后请重新获取相册列表)"_s);
        }
        EXPECT_EQ(logins.logins(), c.logins);
        EXPECT_EQ(site.countOf(kAlbumListPath), 1);
        EXPECT_TRUE(session.albums.isEmpty());
    }
}

TEST_F(QzoneAlbumsTest, AnUnreachableRouteServiceIsErrorOne) {
    serveQzone();
    site.route("GET", kUserHost, kRoutePath, site.resetMidBody(5000, 10));
    runList(QzoneListAlbums, kOwner);
    EXPECT_EQ(prompt.informations(), QStringList{u"QQ空间相册错误1"_s});
    EXPECT_EQ(site.countOf(kAlbumListPath), 0);
}

// The older service answers in the charset "V2编码" names: GBK by default.
TEST_F(QzoneAlbumsTest, TheOlderListAsksOnceWithTheSkeyTokenAndMovesTheListHost) {
    logIn();
    serveQzone();
    const QString reply = QString::fromStdString(Fixture("qzone/albums-0.jsonp"));
    const std::pair<std::uint8_t, QByteArray> charsets[] = {{kIniCharsetAnsi, ToGbk(reply)},
                                                            {kIniCharsetUtf8, reply.toUtf8()}};
    for (const auto& [charset, body] : charsets) {
        SCOPED_TRACE(int(charset));
        extension.qzoneV2Charset = charset;
        serve("alist.photo.qq.com", "/fcgi-bin/fcg_list_album_v2", body.toStdString());
        site.clearRequests();
        session.albums.clear();
        runList(QzoneListAlbumsV2, kOwner);

        const auto route = site.requestsTo(kRoutePath);
        ASSERT_EQ(route.size(), 1u);
        EXPECT_EQ(Header(route[0], "Accept-Encoding"), QStringLiteral("gzip, deflate"));
        const auto lists = site.requestsTo("/fcgi-bin/fcg_list_album_v2");
        ASSERT_EQ(lists.size(), 1u);
        EXPECT_FALSE(lists[0].https);
        EXPECT_EQ(lists[0].host, "alist.photo.qq.com");
        EXPECT_EQ(Param(lists[0], QStringLiteral("hostUin")), kOwner);
        EXPECT_EQ(Param(lists[0], QStringLiteral("g_tk")),
                  QString::number(QzoneToken(QStringLiteral("@skey-xyz"))));
        EXPECT_EQ(Header(lists[0], "Referer"), QStringLiteral("https://user.qzone.qq.com/12345"));
        EXPECT_EQ(albumNames(), (QStringList{u"旅行"_s, u"家人"_s}));
        EXPECT_EQ(session.albums.At(1).key,
                  QStringLiteral("idcNum=13&hostUin=12345&albumid=V10family"));
        EXPECT_EQ(session.textSlot(TextSlot::Second), QStringLiteral("szplist.photo.qq.com"));
    }
}

TEST_F(QzoneAlbumsTest, TheListJobFallsBackToTheOlderListThenAddsThePosts) {
    logIn();
    serveQzone();
    serve(kProxyHost, kAlbumListPath, Fixture("qzone/albums-end.jsonp"));
    serve("alist.photo.qq.com", "/fcgi-bin/fcg_list_album_v2",
          ToGbk(QString::fromStdString(Fixture("qzone/albums-48.jsonp"))).toStdString());
    ListJob job(env);
    ASSERT_TRUE(job.run(ListJobRequest{kOwner, Category::Qq, SubType::QzoneAlbums}).has_value());
    EXPECT_EQ(albumNames(), (QStringList{u"密码相册"_s, u"好友"_s, u"说说里的图片"_s}));
    EXPECT_EQ(session.albums.At(2).cover, u"123"_s);
    EXPECT_TRUE(prompt.informations().isEmpty());
}

// With no album at all, the posts album is offered only while Ctrl is held.
TEST_F(QzoneAlbumsTest, WithNothingListedOnlyCtrlAddsThePosts) {
    logIn();
    serveQzone();
    serve(kProxyHost, kAlbumListPath, Fixture("qzone/albums-end.jsonp"));
    serve("alist.photo.qq.com", "/fcgi-bin/fcg_list_album_v2", Fixture("qzone/albums-end.jsonp"));
    for (const bool ctrl : {false, true}) {
        SCOPED_TRACE(ctrl);
        keys.setCtrlHeld(ctrl);
        ListJob job(env);
        ASSERT_TRUE(
            job.run(ListJobRequest{kOwner, Category::Qq, SubType::QzoneAlbums}).has_value());
        EXPECT_EQ(albumNames(), ctrl ? QStringList{u"说说里的图片"_s} : QStringList{});
        EXPECT_TRUE(
            prompt.informations().value(ctrl ? 1 : 0).startsWith(u"没有获取到相册，原因如下"_s));
    }
}

} // namespace
} // namespace phodex::test
