// SPDX-License-Identifier: MIT
#include "adapters/gallery/galleryadapters.h"
#include "gallerysite.h"

#include <atomic>
#include <memory>

namespace phodex::test {
namespace {

const std::string kBlogHost = "blog.sina.com.cn";
const std::string kPhotoBlogHost = "photo.blog.sina.com.cn";
const std::string kCategoryPath = "/category/u/1234567890/s/1";
const QString kCategory = u"https://photo.blog.sina.com.cn/category/u/1234567890/s/1"_s;
const QString kArticleList = u"https://blog.sina.com.cn/s/articlelist_1234567890_0"_s;

class SinaTest : public GallerySiteTest {
protected:
    int addSinaAlbum(const QString& key, const QString& name) {
        AlbumInfo album;
        album.name = name;
        album.key = key;
        return addAlbum(album);
    }
    void servePhotoPages() {
        servePage(kPhotoBlogHost, kCategoryPath + "/page1", Fixture("sina/photos-1.html"));
        servePage(kPhotoBlogHost, kCategoryPath + "/page2", Fixture("sina/photos-2.html"));
    }
};

TEST_F(SinaTest, ListsThePhotoBlogsCategoriesOfTheBlogsOwner) {
    servePage(kBlogHost, "/u/1234567890", Fixture("sina/blog-home.html"));
    servePage(kPhotoBlogHost, "/services/ctg_list_ctg.php", Fixture("sina/categories.json"));
    list(SinaPhotoListAlbums, u"https://blog.sina.com.cn/u/1234567890"_s);

    const auto asked = site.requestsTo("/services/ctg_list_ctg.php");
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].target, "/services/ctg_list_ctg.php?format=gsonv&uid=1234567890");
    EXPECT_EQ(session.ownerFolder(), u"小明的博客"_s);
    EXPECT_EQ(session.textSlot(TextSlot::First), u"1234567890"_s);
    // The category without a name is left out.
    EXPECT_EQ(albumNames(), (QStringList{u"旅行"_s, u"家"_s}));
    const auto albums = session.albums.snapshot();
    ASSERT_EQ(albums.size(), 2u);
    EXPECT_EQ(albums[0].key, kCategory);
    EXPECT_EQ(albums[0].cover, u"http://s1.sinaimg.cn/bmiddle/c1.jpg"_s);
    EXPECT_EQ(albums[0].photoCount, 12);
    EXPECT_EQ(albums[1].photoCount, 3);
}

TEST_F(SinaTest, ReadsACategorysPagesWithOriginalAddressesPausingAfterEachPage) {
    servePhotoPages();
    runPictures(SinaPhotoListPhotos, addSinaAlbum(kCategory, u"旅行"_s));

    const auto asked = targetsAsked(kPhotoBlogHost);
    ASSERT_EQ(asked,
              (std::vector<std::string>{kCategoryPath + "/page1", kCategoryPath + "/page2"}));
    for (const ReceivedRequest& r : site.requests()) {
        EXPECT_EQ(Header(r, "Referer"),
                  u"https://photo.blog.sina.com.cn"_s + QString::fromStdString(r.target));
        EXPECT_EQ(Header(r, "Accept-Encoding"), u"gzip, deflate"_s);
    }
    // Only the entities go from the addresses, not every "amp" in them.
    EXPECT_EQ(urls(), (QStringList{u"http://s1.sinaimg.cn/orignal/a1.jpg?x=1&y=2"_s,
                                   u"http://s1.sinaimg.cn/orignal/camp.jpg"_s,
                                   u"http://s1.sinaimg.cn/orignal/a3.jpg"_s}));
    const QStringList names = downList.names;
    ASSERT_EQ(names.size(), 3);
    EXPECT_TRUE(names[0].startsWith(u"海边"_s)) << names[0].toStdString();
    EXPECT_TRUE(names[2].startsWith(u"山"_s)) << names[2].toStdString();
    EXPECT_EQ(pauses.sleeps(), (QList<qint64>{2000, 2000}));
}

// A page can show no picture and still link on (its pictures were
// deleted); only the same page again ends the walk there.
TEST_F(SinaTest, APageWithoutPicturesThatLinksOnEndsTheWalkOnlyWhenItRepeats) {
    const struct {
        const char* what;
        std::vector<std::string> pages; // page n+1's fixture; later pages as the last
        size_t asked;
        qsizetype pictures;
    } cases[] = {
        {.what = "in the middle",
         .pages = {"sina/photos-1.html", "sina/photos-none.html", "sina/photos-2.html"},
         .asked = 3,
         .pictures = 3},
        {.what = "repeated",
         .pages = {"sina/photos-1.html", "sina/photos-none.html"},
         .asked = 3,
         .pictures = 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        servePage(kPhotoBlogHost, kCategoryPath + "/page*", Fixture(c.pages.back()));
        for (size_t i = 0; i < c.pages.size(); ++i)
            servePage(kPhotoBlogHost, kCategoryPath + "/page" + std::to_string(i + 1),
                      Fixture(c.pages[i]));
        site.clearRequests();
        runPictures(SinaPhotoListPhotos, addSinaAlbum(kCategory, u"旅行"_s));
        EXPECT_EQ(targetsAsked(kPhotoBlogHost).size(), c.asked);
        EXPECT_EQ(urls().size(), c.pictures);
    }
}

TEST_F(SinaTest, AFailedCategoryPageIsAskedForAgainThreeTimesFourSecondsApart) {
    const struct {
        int failures;
        int requests;
        QList<qint64> sleeps;
        int pictures;
    } cases[] = {
        // Each failed fetch ends with the fetch's own second.
        {2, 3, {1000, 4000, 1000, 4000, 2000}, 1},
        {4, 4, {1000, 4000, 1000, 4000, 1000, 4000, 1000}, 0},
    };
    for (const auto& c : cases) {
        auto asked = std::make_shared<std::atomic<int>>(0);
        const FakeSite::Handler reset = site.resetMidBody();
        const std::string page = Fixture("sina/photos-2.html");
        site.route("GET", kPhotoBlogHost, kCategoryPath + "/page1",
                   [=, failures = c.failures](const httplib::Request& req, httplib::Response& res) {
                       if ((*asked)++ < failures)
                           reset(req, res);
                       else
                           res.set_content(page, "text/html");
                   });
        site.clearRequests();
        const qsizetype before = pauses.sleeps().size();
        runPictures(SinaPhotoListPhotos, addSinaAlbum(kCategory, u"旅行"_s));
        EXPECT_EQ(site.countOf(kCategoryPath + "/page1"), c.requests) << c.failures;
        EXPECT_EQ(pauses.sleeps().mid(before), c.sleeps) << c.failures;
        EXPECT_EQ(urls().size(), c.pictures) << c.failures;
    }
}

TEST_F(SinaTest, ListsTheBlogsArticlesPageByPage) {
    servePage(kBlogHost, "/s/articlelist_1234567890_0_1.html", Fixture("sina/articles-1.html"));
    servePage(kBlogHost, "/s/articlelist_1234567890_0_2.html", Fixture("sina/articles-2.html"));
    list(SinaBlogListArticles, kArticleList);

    EXPECT_EQ(targetsAsked(kBlogHost),
              (std::vector<std::string>{"/s/articlelist_1234567890_0_1.html",
                                        "/s/articlelist_1234567890_0_2.html"}));
    EXPECT_EQ(session.ownerFolder(), u"小明的博客"_s);
    // A link without a title is named by its text; one without either is left out.
    EXPECT_EQ(albumNames(), (QStringList{u"标题一"_s, u"标题二"_s, u"标题四"_s}));
    const auto albums = session.albums.snapshot();
    ASSERT_EQ(albums.size(), 3u);
    EXPECT_EQ(albums[1].key, u"https://blog.sina.com.cn/s/blog_a2.html"_s);
}

TEST_F(SinaTest, AnOlderBlogLayoutFoundOnPageOneIsKeptForTheLaterPages) {
    servePage(kBlogHost, "/s/articlelist_1234567890_0_1.html", Fixture("sina/linedot-1.html"));
    servePage(kBlogHost, "/s/articlelist_1234567890_0_2.html", Fixture("sina/linedot-2.html"));
    list(SinaBlogListArticles, kArticleList);
    EXPECT_EQ(session.ownerFolder(), u"老博客"_s);
    EXPECT_EQ(albumNames(), (QStringList{u"旧文一"_s, u"旧文二"_s, u"旧文三"_s}));
}

TEST_F(SinaTest, AnArticleGivesItsFirstPictureNamedByItsTitle) {
    const struct {
        std::string page;
        QString url;
        QString albumName;
    } cases[] = {
        // Five pictures, one of them not linked: the shown addresses count.
        {"sina/article-realsrc.html", u"http://s9.sinaimg.cn/orignal/001&690"_s, u"春天 的照片"_s},
        // Linked as often as shown: the links count (the sharing link after
        // the article is no part of it).
        {"sina/article-linked.html", u"http://album.sina.com.cn/pic/001"_s, u"夏天"_s},
        // No title: the album keeps the name it was listed with.
        {"sina/article-untitled.html", u"http://s9.sinaimg.cn/orignal/001&690"_s, u"原名"_s},
    };
    for (const auto& c : cases) {
        servePage(kBlogHost, "/s/blog_c.html", Fixture(c.page));
        session.albums.clear();
        const QString article = u"https://blog.sina.com.cn/s/blog_c.html"_s;
        const int index = addSinaAlbum(article, u"原名"_s);
        runPictures(SinaBlogListPhotos, index, 1);
        EXPECT_EQ(urls(), QStringList{c.url}) << c.page;
        EXPECT_EQ(downList.headers, QStringList{u"Referer: "_s + article}) << c.page;
        EXPECT_EQ(session.albums.At(index).name, c.albumName) << c.page;
        ASSERT_EQ(downList.names.size(), 1) << c.page;
        EXPECT_TRUE(downList.names[0].startsWith(c.albumName)) << downList.names[0].toStdString();
    }
}

} // namespace
} // namespace phodex::test
