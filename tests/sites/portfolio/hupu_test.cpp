// SPDX-License-Identifier: MIT
#include "adapters/portfolio/portfolioadapters.h"
#include "core/albumrow.h"
#include "portfoliosite.h"

namespace phodex::test {
namespace {

const std::string kMemberHost = "my.hupu.com";
constexpr Category kHupu = Category::Hupu;
const QString kLogInFirst = QStringLiteral("请先在登录菜单里登录虎扑帐号");

class HupuTest : public PortfolioSiteTest {};

TEST_F(HupuTest, ListsAMembersAlbumsPageByPageWithinTheAlbumList) {
    servePage(kMemberHost, "/xiaoming/photo-1", Fixture("hupu/albums-1.html"));
    servePage(kMemberHost, "/xiaoming/photo-2", Fixture("hupu/albums-2.html"));
    dispatch(kHupu, u"https://my.hupu.com/xiaoming/photo?tab=all"_s);

    EXPECT_EQ(targetsAsked(kMemberHost),
              (std::vector<std::string>{"/xiaoming/photo-1", "/xiaoming/photo-2"}));
    EXPECT_EQ(session.ownerFolder(), u"xiaoming"_s);
    // A password album is named by its prompt when its link has no title.
    EXPECT_EQ(albumNames(), (QStringList{u"湖人 主场"_s, u"密码相册"_s, u"球鞋"_s}));
    const auto albums = session.albums.snapshot();
    ASSERT_EQ(albums.size(), 3u);
    // Links with and without the host, with and without a page part, name
    // the same kind of album path.
    EXPECT_EQ(albums[0].key, u"xiaoming/photo/a101"_s);
    EXPECT_EQ(albums[1].key, u"xiaoming/photo/a102"_s);
    EXPECT_EQ(albums[2].key, u"xiaoming/photo/a103"_s);
    EXPECT_EQ(albums[0].cover, u"https://i1.hupucdn.com/c/101.jpg"_s);
    EXPECT_EQ(albums[0].photoCount, 12);
    EXPECT_EQ(albums[1].photoCount, 3);
    EXPECT_EQ(albums[2].photoCount, -1);
    // The album behind a password prompt is marked so in the grid.
    const QStringList remarks = {u""_s, u"加密相册"_s, u""_s};
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(AlbumRowTextsFor(albums[i], i + 1).remark, remarks[i]) << i;
    EXPECT_EQ(albums[1].flags, kAlbumEncrypted);
    EXPECT_TRUE(prompt.informations().isEmpty());
}

TEST_F(HupuTest, APageUnderMaintenanceEndsTheListingAndTheUserIsAskedToLogIn) {
    servePage(kMemberHost, "/xiaoming/photo-1",
              "<html>当前页面正在维护中<ul class=\"album_list\"><li><a href=\"/xiaoming/photo/"
              "a1.html\" title=\"x\"></a></li></ul><a id=\"j_next\">");
    servePage(kMemberHost, "/xiaoming/photo-2", Fixture("hupu/albums-2.html"));
    dispatch(kHupu, u"https://my.hupu.com/xiaoming"_s);

    EXPECT_EQ(targetsAsked(kMemberHost), (std::vector<std::string>{"/xiaoming/photo-1"}));
    EXPECT_TRUE(albumNames().isEmpty());
    ASSERT_EQ(prompt.informations().size(), 1);
    EXPECT_TRUE(prompt.informations()[0].startsWith(kLogInFirst));
}

TEST_F(HupuTest, AnAlbumsAddressListsThatAlbumAlone) {
    servePage(kMemberHost, "/xiaoming/photo/a101-2.html", Fixture("hupu/album.html"));
    dispatch(kHupu, u"https://my.hupu.com/xiaoming/photo/a101-2.html"_s);

    EXPECT_EQ(session.ownerFolder(), u"xiaoming"_s);
    const auto albums = session.albums.snapshot();
    ASSERT_EQ(albums.size(), 1u);
    EXPECT_EQ(albums[0].name, u"湖人 主场"_s);
    EXPECT_EQ(albums[0].key, u"xiaoming/photo/a101"_s);
    EXPECT_EQ(albums[0].cover, u"https://i1.hupucdn.com/c/101.jpg"_s);
    EXPECT_EQ(albums[0].photoCount, 12);
}

TEST_F(HupuTest, AnAlbumPageUnderMaintenanceListsNothing) {
    servePage(kMemberHost, "/xiaoming/photo/a101.html",
              "<html>当前页面正在维护中<div class=\"albumlist\"><img src=\"c.jpg\" alt=\"a\">");
    dispatch(kHupu, u"https://my.hupu.com/xiaoming/photo/a101.html"_s);
    EXPECT_TRUE(albumNames().isEmpty());
    EXPECT_EQ(prompt.informations().size(), 1);
}

TEST_F(HupuTest, ReadsTheAlbumsPagesAsBigPicturesOverPlainHttp) {
    servePage(kMemberHost, "/xiaoming/photo/a101-1.html", Fixture("hupu/photos-1.html"));
    servePage(kMemberHost, "/xiaoming/photo/a101-2.html", Fixture("hupu/photos-2.html"));
    AlbumInfo album;
    album.name = u"湖人 主场"_s;
    album.key = u"xiaoming/photo/a101"_s;
    runPictures(HupuListPhotos, addAlbum(album));

    EXPECT_EQ(targetsAsked(kMemberHost), (std::vector<std::string>{"/xiaoming/photo/a101-1.html",
                                                                   "/xiaoming/photo/a101-2.html"}));
    // The "small" folder is a folder, not the picture's size.
    EXPECT_EQ(urls(), (QStringList{u"http://i1.hupucdn.com/small/2024/p1big.jpg"_s,
                                   u"http://i1.hupucdn.com/small/2024/p2.big.png"_s,
                                   u"http://i1.hupucdn.com/2024/p3.jpg"_s}));
    ASSERT_EQ(names().size(), 3);
    EXPECT_TRUE(names()[0].startsWith(u"入场"_s)) << names()[0].toStdString();
    EXPECT_TRUE(names()[2].startsWith(u"庆祝"_s)) << names()[2].toStdString();
}

// A page without the album's picture list shows only the site's own images
// (navigation, the password form); a wrong password is said once and the
// album ends there.
TEST_F(HupuTest, APhotoPageWithoutThePictureListAddsNoPicture) {
    const struct {
        const char* fixture;
        const char* key;
        QStringList informations;
    } cases[] = {
        {.fixture = "hupu/photos-password.html",
         .key = "xiaoming/photo/a102",
         .informations = {u"请先在登录窗口里输入密码后，再下载"_s}},
        {.fixture = "hupu/photos-gone.html", .key = "xiaoming/photo/a104", .informations = {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fixture);
        const std::string page = std::string("/") + c.key;
        servePage(kMemberHost, page + "-1.html", Fixture(c.fixture));
        servePage(kMemberHost, page + "-2.html", Fixture("hupu/photos-2.html"));
        site.clearRequests();
        const qsizetype before = prompt.informations().size();
        AlbumInfo album;
        album.name = u"密码相册"_s;
        album.key = QString::fromLatin1(c.key);
        album.flags = kAlbumEncrypted;
        runPictures(HupuListPhotos, addAlbum(album));

        EXPECT_TRUE(urls().isEmpty()) << urls().join(u' ').toStdString();
        EXPECT_EQ(targetsAsked(kMemberHost), std::vector<std::string>{page + "-1.html"});
        EXPECT_EQ(prompt.informations().mid(before), c.informations);
    }
}

TEST_F(HupuTest, AnAlbumKeyCannotLeaveTheMembersPaths) {
    servePage(kMemberHost, "/xiaoming/photo/a1?x=1-1.html",
              "<ul class=\"albumlist_list\"><li><img src=\"https://i1.hupucdn.com/q.jpg\"></li>");
    AlbumInfo album;
    album.key = u"xiaoming/photo/a1?x=1"_s;
    runPictures(HupuListPhotos, addAlbum(album));
    EXPECT_EQ(targetsAsked(kMemberHost),
              (std::vector<std::string>{"/xiaoming/photo/a1%3Fx%3D1-1.html"}));
    EXPECT_EQ(urls(), (QStringList{u"http://i1.hupucdn.com/q.jpg"_s}));
}

} // namespace
} // namespace phodex::test
