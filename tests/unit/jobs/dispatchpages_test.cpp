// SPDX-License-Identifier: MIT
#include "dispatchfixture.h"

#include "adapters/qzone/shuoshuo.h"

namespace phodex::test {
namespace {

void Page(FakeSite& site, const std::string& host, const std::string& path, std::string body) {
    site.route("GET", host, path, FakeSite::status(200, std::move(body)));
}

TEST_F(DispatchTest, ATiebaPostIsListedAsItsThreadPhotoPage) {
    Page(site, "tieba.baidu.com", "/p/123",
         "<html><a href=\"//tieba.baidu.com/f?kw=abc\">abc吧</a></html>");
    finds["TiebaListThread"] = 1;

    const ListJobResult result = runList("https://tieba.baidu.com/p/123?pn=2", Category::Baidu);

    EXPECT_EQ(calls(),
              (std::vector<OpCall>{
                  {"TiebaListThread", "https://tieba.baidu.com/photo/p?kw=abc&fp=1&tid=123"}}))
        << Describe(calls());
    EXPECT_EQ(site.countOf("/p/123"), 1);
    EXPECT_EQ(session.textSlot(TextSlot::First), "abc");
    EXPECT_EQ(session.ownerFolder(), "abc/");
    EXPECT_EQ(session.subType.load(), 2);
    EXPECT_TRUE(result.startAtOnce);
}

TEST_F(DispatchTest, APageTheDispatchCannotReadEndsItWithoutMessage) {
    site.route("GET", "tieba.baidu.com", "/p/123", site.resetMidBody());
    site.route("GET", "www.duitang.com", "/album/", site.resetMidBody());

    runList("https://tieba.baidu.com/p/123", Category::Baidu);
    runList("https://www.duitang.com/album/?id=9", Category::HuabanDuitang);

    EXPECT_TRUE(calls().empty()) << Describe(calls());
    EXPECT_TRUE(prompt.informations().isEmpty());
    EXPECT_EQ(observer.eventsWith("status:").last(), "获取相册列表完成，共0个");
}

TEST_F(DispatchTest, ABaiduAddressWithoutUserPartTakesTheUserFromItsPage) {
    Page(site, "photo.baidu.com", "/someone", "<a href=\"/profile/someone\">me</a>");
    runList("https://photo.baidu.com/someone", Category::Baidu);
    EXPECT_EQ(calls(), (std::vector<OpCall>{{"BaiduListAlbums", "someone"}})) << Describe(calls());
    EXPECT_EQ(session.subType.load(), 0);
}

TEST_F(DispatchTest, ARenrenNameIsTurnedIntoItsIdByTheOwnersPage) {
    Page(site, "www.renren.com", "/someone", "var x = {pid: '111'}; profile_owner = 222;");
    Page(site, "page.renren.com", "/acme", "var x = {pid: '333'};");
    finds["RenrenListAlbumsV7"] = 1;
    finds["RenrenListAlbumsPublic"] = 1;

    runList("http://www.renren.com/someone", Category::Renren);
    runList("http://page.renren.com/acme/album", Category::Renren);

    EXPECT_EQ(calls(), (std::vector<OpCall>{{"RenrenListAlbumsV7", "222"},
                                            {"RenrenListAlbumsPublic", "333"}}))
        << Describe(calls());
}

TEST_F(DispatchTest, ADuitangAlbumIsListedFromItsOwnerAndStartsAtOnce) {
    Page(site, "www.duitang.com", "/album/",
         "<a user_id=\"7\">x</a><div class=\"dt-header-btm\"><a "
         "href=\"/people/?user_id=42\">me</a>");

    const ListJobResult result =
        runList("https://www.duitang.com/album/?id=9", Category::HuabanDuitang);

    EXPECT_EQ(calls(), (std::vector<OpCall>{{"DuitangListAlbums", "42"}})) << Describe(calls());
    EXPECT_EQ(session.ownerFolder(), "堆糖_42/");
    EXPECT_EQ(session.textSlot(TextSlot::Second), "9");
    EXPECT_TRUE(session.textSlot(TextSlot::First).contains("dt-header-btm"));
    EXPECT_EQ(session.subType.load(), 0);
    EXPECT_TRUE(result.startAtOnce);
    EXPECT_EQ(downloadPresses, 1);
}

TEST_F(DispatchTest, ADuitangPageWithoutUserSaysSo) {
    Page(site, "www.duitang.com", "/people/", "<div class=\"dt-header-btm\">nobody</div>");
    const ListJobResult result =
        runList("https://www.duitang.com/people/?id=x", Category::HuabanDuitang);
    EXPECT_TRUE(calls().empty());
    ASSERT_EQ(prompt.informations().size(), 1);
    EXPECT_TRUE(prompt.informations()[0].contains('\n'));
    EXPECT_FALSE(prompt.informations()[0].contains('^'));
    EXPECT_FALSE(result.startAtOnce);
}

TEST_F(DispatchTest, QqZoneAlbumsAreFollowedByTheShuoshuoPseudoAlbum) {
    finds["QzoneListAlbums"] = 2;
    runList("12345", Category::Qq, 0);

    ASSERT_EQ(session.albums.count(), 3);
    const AlbumInfo posts = session.albums.At(2);
    EXPECT_EQ(posts.name, "说说里的图片");
    EXPECT_EQ(posts.cover, "123");
    EXPECT_EQ(posts.photoCount, -1);
    EXPECT_EQ(posts.flags, 0);
    EXPECT_EQ(posts.key, "https://h5.qzone.qq.com/proxy/domain/taotao.qq.com/cgi-bin/"
                         "emotion_cgi_msglist_v6?uin=12345&inCharset=utf-8&outCharset=utf-8"
                         "&hostUin=12345&notice=0&sort=0");
    EXPECT_EQ(observer.addedIndices(), (std::vector<int>{0, 1, 2}));
}

TEST_F(DispatchTest, WithNoQqZoneAlbumThePseudoAlbumNeedsCtrlHeld) {
    runList("12345", Category::Qq, 0);
    EXPECT_EQ(session.albums.count(), 0);

    keys.setCtrlHeld(true);
    runList("12345", Category::Qq, 0);
    EXPECT_EQ(albumNames(), QStringList{"说说里的图片"});
    EXPECT_EQ(prompt.informations().size(), 2); // the empty-list message both times
}

} // namespace
} // namespace phodex::test
