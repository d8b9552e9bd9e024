// SPDX-License-Identifier: MIT
#include "adapters/portfolio/portfolioadapters.h"
#include "portfoliosite.h"

namespace phodex::test {
namespace {

const std::string kMokoHost = "www.moko.cc";
constexpr Category kMoko = Category::Moko;

class MokoTest : public PortfolioSiteTest {};

TEST_F(MokoTest, ListsEveryPostListOfAnOwnerPageByPage) {
    servePage(kMokoHost, "/post/xiaohong/list.html", Fixture("moko/owner.html"));
    servePage(kMokoHost, "/post/xiaohong/category/11/1.html", Fixture("moko/category11-1.html"));
    servePage(kMokoHost, "/post/xiaohong/category/11/2.html", Fixture("moko/category11-2.html"));
    servePage(kMokoHost, "/post/xiaohong/category/12/1.html", Fixture("moko/category12-1.html"));
    servePage(kMokoHost, "/post/xiaohong/category/12/2.html", Fixture("moko/category12-2.html"));
    dispatch(kMoko, u"https://www.moko.cc/xiaohong/"_s);

    // The category linked twice is read once; both ways of writing the
    // pager's arrow lead on, the "back" arrow does not.
    EXPECT_EQ(targetsAsked(kMokoHost),
              (std::vector<std::string>{
                  "/post/xiaohong/list.html", "/post/xiaohong/category/11/1.html",
                  "/post/xiaohong/category/11/2.html", "/post/xiaohong/category/12/1.html",
                  "/post/xiaohong/category/12/2.html"}));
    EXPECT_EQ(session.ownerFolder(), u"小红"_s);
    EXPECT_EQ(albumNames(), (QStringList{u"海边"_s, u"街头"_s, u"雪"_s, u"山"_s, u"湖"_s}));
    const auto albums = session.albums.snapshot();
    ASSERT_EQ(albums.size(), 5u);
    EXPECT_EQ(albums[0].key, u"/post/1001.html"_s);
    EXPECT_EQ(albums[0].cover, u"https://img.moko.cc/c/1001.jpg"_s);
    EXPECT_EQ(albums[0].photoCount, 12);
    // The second layout writes the count after the cover.
    EXPECT_EQ(albums[2].key, u"/post/1003.html"_s);
    EXPECT_EQ(albums[2].cover, u"https://img.moko.cc/c/1003.jpg"_s);
    EXPECT_EQ(albums[2].photoCount, 8);
}

TEST_F(MokoTest, APostListAddressIsReadAloneAndNamesTheOwnerByItsTitle) {
    servePage(kMokoHost, "/post/xiaohong/category/12/1.html", Fixture("moko/category12-1.html"));
    servePage(kMokoHost, "/post/xiaohong/category/12/2.html", Fixture("moko/category12-2.html"));
    dispatch(kMoko, u"https://www.moko.cc/post/xiaohong/category/12/5.html"_s);

    EXPECT_EQ(targetsAsked(kMokoHost),
              (std::vector<std::string>{"/post/xiaohong/category/12/1.html",
                                        "/post/xiaohong/category/12/2.html"}));
    EXPECT_EQ(session.ownerFolder(), u"xiaohong"_s);
    EXPECT_EQ(albumNames(), (QStringList{u"山"_s, u"湖"_s}));
}

TEST_F(MokoTest, ReadsAPostsPicturesUnderThePostsName) {
    servePage(kMokoHost, "/post/1001.html", Fixture("moko/post.html"));
    AlbumInfo album;
    album.name = u"海边"_s;
    album.key = u"/post/1001.html"_s;
    runPictures(MokoListPhotos, addAlbum(album));

    EXPECT_EQ(urls(), (QStringList{u"https://img.moko.cc/p/1001/1.jpg"_s,
                                   u"https://img.moko.cc/p/1001/2.jpg"_s}));
    ASSERT_EQ(names().size(), 2);
    EXPECT_TRUE(names()[0].startsWith(u"海边"_s)) << names()[0].toStdString();
}

} // namespace
} // namespace phodex::test
