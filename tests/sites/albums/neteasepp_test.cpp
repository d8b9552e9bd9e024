// SPDX-License-Identifier: MIT
#include "adapters/albums/albumadapters.h"
#include "core/catalogue.h"
#include "sites/portfolio/portfoliosite.h"

namespace phodex::test {
namespace {

const std::string kOwnerHost = "lens.pp.163.com";
constexpr int kPhotoSets = SubType::NeteasePhotoSets;

class NeteasePpTest : public PortfolioSiteTest {};

TEST_F(NeteasePpTest, ListsTheOwnersSetsWithLinksReadOnTheOwnersHost) {
    servePage(kOwnerHost, "/", Fixture("neteasepp/owner.html"));
    dispatch(Category::Netease, u"http://lens.pp.163.com/"_s);

    EXPECT_EQ(session.subType.load(), kPhotoSets);
    EXPECT_EQ(targetsAsked(kOwnerHost), (std::vector<std::string>{"/"}));
    // The nickname holds a "/", which must not make a folder of its own.
    EXPECT_FALSE(session.ownerFolder().contains(u'/'));
    EXPECT_TRUE(session.ownerFolder().startsWith(u"镜头"_s));
    // A set without a link, and one whose link is a script, are no albums.
    EXPECT_EQ(albumNames(), (QStringList{u"西湖 春色"_s, u"古镇"_s, u"无数"_s}));
    const auto albums = session.albums.snapshot();
    ASSERT_EQ(albums.size(), 3u);
    EXPECT_EQ(albums[0].key, u"http://lens.pp.163.com/pp/11.html"_s);
    EXPECT_EQ(albums[1].key, u"http://lens.pp.163.com/pp/12.html"_s);
    EXPECT_EQ(albums[0].cover, u"http://img1.ph.126.net/c/11.jpg"_s);
    EXPECT_EQ(albums[1].cover, u"http://img2.ph.126.net/c/12.jpg"_s);
    EXPECT_EQ(albums[0].photoCount, 24);
    EXPECT_EQ(albums[1].photoCount, 3);
    EXPECT_EQ(albums[2].photoCount, -1);
}

TEST_F(NeteasePpTest, AnOwnerPageThatFailsListsNothing) {
    dispatch(Category::Netease, u"http://lens.pp.163.com/"_s);
    EXPECT_EQ(targetsAsked(kOwnerHost), (std::vector<std::string>{"/"}));
    EXPECT_TRUE(albumNames().isEmpty());
}

TEST_F(NeteasePpTest, ReadsOnlyTheSetsPictureListWithDescriptionsAsTitles) {
    servePage(kOwnerHost, "/pp/11.html", Fixture("neteasepp/set.html"));
    AlbumInfo album;
    album.name = u"西湖 春色"_s;
    album.key = u"http://lens.pp.163.com/pp/11.html"_s;
    runPictures(NeteasePpListPhotos, addAlbum(album), kPhotoSets);

    EXPECT_EQ(targetsAsked(kOwnerHost), (std::vector<std::string>{"/pp/11.html"}));
    // What the page names before the list and in the id list after it is no
    // picture of the set.
    EXPECT_EQ(urls(),
              (QStringList{u"http://img3.ph.126.net/p/1.jpg"_s, u"http://img4.ph.126.net/p/2.jpg"_s,
                           u"http://img3.ph.126.net/p/3.jpg"_s}));
    const QStringList files = names();
    ASSERT_EQ(files.size(), 3);
    EXPECT_TRUE(files[0].contains(u"断桥"_s)) << files[0].toStdString();
    EXPECT_TRUE(files[1].contains(u"西湖 春色"_s)) << files[1].toStdString();
    EXPECT_TRUE(files[2].contains(u"雷峰塔"_s)) << files[2].toStdString();
}

} // namespace
} // namespace phodex::test
