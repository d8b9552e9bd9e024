// SPDX-License-Identifier: MIT
#include "adapters/weibo/weiboadapters.h"
#include "weibosite.h"

#include <QUrlQuery>

namespace phodex::test {
namespace {

class WeiboAlbumsTest : public WeiboSiteTest {
protected:
    // Lists the address afresh, forgetting the albums and requests of a run before.
    void list(const QString& address) {
        session.albums.clear();
        site.clearRequests();
        runList(WeiboListAlbums, address);
    }
    void serveProfile(const std::string& body) { serve(kWeiboHost, kProfilePath, body); }
};

TEST_F(WeiboAlbumsTest, TheProfileNameIsTheIdOrTheCustomNameAfterTheHost) {
    const struct {
        QString address;
        QString name;
    } cases[] = {
        {u"https://weibo.com/u/1234567890?refer_flag=1005055013_&is_all=1#place"_s,
         u"1234567890"_s},
        {u"https://weibo.com/mingxiao#_loginLayer_1"_s, u"mingxiao"_s},
        {u"weibo.com/mingxiao?from=feed&loc=avatar"_s, u"mingxiao"_s},
        {u" https://www.weibo.com/u/1234567890/photos?from=page_100505 "_s, u"1234567890"_s},
        // An address in the query is not the profile's.
        {u"https://weibo.com/u/1234567890?refer=https://weibo.com/other"_s, u"1234567890"_s},
        {u"https://weibo.com/mingxiao?refer=https://s.weibo.com/u/999"_s, u"mingxiao"_s},
        // Whatever the name holds stays one query value.
        {u"https://weibo.com/a&custom=b c"_s, u"a&custom=b c"_s},
    };
    for (const auto& c : cases) {
        list(c.address);
        const auto asked = site.requestsTo(kProfilePath);
        ASSERT_EQ(asked.size(), 1u) << c.address.toStdString();
        EXPECT_EQ(Param(asked[0], u"custom"_s), c.name) << c.address.toStdString();
        EXPECT_EQ(QUrlQuery(QString::fromStdString(asked[0].target).section(u'?', 1))
                      .allQueryItemValues(u"custom"_s)
                      .size(),
                  1)
            << c.address.toStdString();
    }
}

TEST_F(WeiboAlbumsTest, AnAddressWithoutAProfileNameAsksNothing) {
    for (const QString& address : {u"https://weibo.com/"_s, u"https://weibo.com/?topnav=1"_s,
                                   u"weibo.com/#top"_s, u"https://weibo.com/u/ "_s}) {
        list(address);
        EXPECT_TRUE(site.requests().empty()) << address.toStdString();
        EXPECT_TRUE(session.albums.isEmpty());
    }
}

TEST_F(WeiboAlbumsTest, ListsEveryAlbumOfTheProfileFromOneRequest) {
    logInWeibo();
    list(u"https://weibo.com/u/1234567890"_s);

    const auto profile = site.requestsTo(kProfilePath);
    ASSERT_EQ(profile.size(), 1u);
    EXPECT_EQ(profile[0].host, kWeiboHost);
    EXPECT_TRUE(profile[0].https);
    // The login cookie goes out under the lower-case name the site's pages use.
    bool lowerCaseCookie = false;
    for (const auto& [name, value] : profile[0].headers)
        lowerCaseCookie |= name == "cookie" && value.find("SUB=_2A25login") != std::string::npos;
    EXPECT_TRUE(lowerCaseCookie);
    EXPECT_EQ(Header(profile[0], "Accept-Encoding"), u"gzip, deflate"_s);

    const auto albums = site.requestsTo(kAlbumsPath);
    ASSERT_EQ(albums.size(), 1u);
    EXPECT_EQ(albums[0].host, kWeiboPhotoHost);
    EXPECT_EQ(albums[0].target, "/albums/get_all?uid=1234567890&count=65535");

    // The album without an id is left out.
    EXPECT_EQ(albumNames(), (QStringList{u"微博配图"_s, u"旅行 Trip"_s, u"头像"_s}));
    const auto listed = session.albums.snapshot();
    ASSERT_EQ(listed.size(), 3u);
    EXPECT_EQ(listed[0].key, u"https://photo.weibo.com/photos/get_all?uid=1234567890&album_id="
                             u"3559800001&count=32&type=3&page="_s);
    EXPECT_EQ(listed[1].key, u"https://photo.weibo.com/photos/get_all?uid=1234567890&album_id="
                             u"3559800002&count=32&type=18&page="_s);
    EXPECT_EQ(listed[2].key, u"https://photo.weibo.com/photos/get_all?uid=1234567890&album_id="
                             u"a%20b%26c&count=32&type=0&page="_s);
    EXPECT_EQ(listed[0].cover, u"http://wx1.sinaimg.cn/thumb300/c1.jpg"_s);
    EXPECT_EQ(listed[2].cover, QString());
    EXPECT_EQ(listed[0].photoCount, 33);
    EXPECT_EQ(listed[1].photoCount, 5);
    EXPECT_EQ(listed[2].photoCount, 0);
    for (const AlbumInfo& album : listed)
        EXPECT_EQ(album.flags, 0);
    EXPECT_EQ(session.siteValues().value(kWeiboUidKey), kWeiboUid);
    // The escaped slash of the screen name does not make a folder level.
    EXPECT_EQ(session.ownerFolder(), u"小明Ming"_s);
}

TEST_F(WeiboAlbumsTest, TheOwnerFolderIsTheUserIdWithoutAUsableScreenName) {
    const struct {
        std::string profile;
        QString folder;
    } cases[] = {
        {R"({"ok":1,"data":{"user":{"id":1234567890,"idstr":"1234567890","verified":false}}})",
         kWeiboUid},
        {R"({"ok":1,"data":{"user":{"id":1234567890,"screen_name":"","verified":false}}})",
         kWeiboUid},
        {R"({"ok":1,"data":{"user":{"id":1234567890,"screen_name":"\/\/  ","verified":false}}})",
         kWeiboUid},
        {R"({"ok":1,"data":{"user":{"id": 1234567890 ,"screen_name":"A:B*C?","x":1}}})", u"ABC"_s},
    };
    for (const auto& c : cases) {
        session.setOwnerFolder(u"left over"_s);
        serveProfile(c.profile);
        list(u"https://weibo.com/u/1234567890"_s);
        EXPECT_EQ(session.ownerFolder(), c.folder) << c.profile;
        EXPECT_EQ(session.siteValues().value(kWeiboUidKey), kWeiboUid) << c.profile;
        EXPECT_EQ(session.albums.count(), 3) << c.profile;
    }
}

TEST_F(WeiboAlbumsTest, AProfileReplyWithoutAUserIdListsNothing) {
    for (const std::string& profile : {
             std::string(R"({"ok":0,"msg":"please log in"})"),
             std::string(R"({"ok":1,"data":{"user":{"id":"12&uid=99","screen_name":"x",}}})"),
             std::string(R"({"ok":1,"data":{"user":{"id":,"screen_name":"x"}}})"),
         }) {
        serveProfile(profile);
        list(u"https://weibo.com/u/1234567890"_s);
        EXPECT_EQ(site.countOf(kProfilePath), 1) << profile;
        EXPECT_EQ(site.countOf(kAlbumsPath), 0) << profile;
        EXPECT_TRUE(session.albums.isEmpty()) << profile;
    }
}

TEST_F(WeiboAlbumsTest, AStopRequestEndsTheListingAfterTheCurrentAlbum) {
    session.listState = kListStopRequested;
    ListJobContext ctx(env, Category::Sina, session.settings(), extension);
    WeiboListAlbums(ctx, u"https://weibo.com/u/1234567890"_s);
    EXPECT_EQ(albumNames(), (QStringList{u"微博配图"_s}));
}

} // namespace
} // namespace phodex::test
