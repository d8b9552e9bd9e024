// SPDX-License-Identifier: MIT
#include "adapters/weibo/weiboadapters.h"
#include "core/catalogue.h"
#include "jobs/addpicture.h"
#include "weibosite.h"

#include <QRegularExpression>

namespace phodex::test {
namespace {

const std::string kAlbum = "3559800001";

std::string Pictures(const std::string& first, int count) {
    std::vector<std::string> photos;
    for (int i = 0; i < count; ++i)
        photos.push_back(OriginalPhoto(first + std::to_string(i) + ".jpg"));
    return PhotoPage(photos);
}

QString Original(const std::string& name) {
    return u"http://wx1.sinaimg.cn/large/"_s + QString::fromStdString(name);
}

class WeiboPhotosTest : public WeiboSiteTest {
protected:
    void walk(int photoCount, std::map<int, std::vector<std::string>> pages) {
        servePhotos(kAlbum, std::move(pages));
        runPictures(WeiboListPhotos, addWeiboAlbum(kAlbum, photoCount), 2);
    }
};

TEST_F(WeiboPhotosTest, AsksForTheAlbumsPagesWithTheOwnersReferer) {
    walk(33, {{1, {Pictures("a", 2)}}, {2, {Pictures("b", 1)}}});

    const auto asked = site.requestsTo(kPhotosPath);
    ASSERT_EQ(asked.size(), 3u);
    for (size_t i = 0; i < asked.size(); ++i) {
        EXPECT_EQ(asked[i].host, kWeiboPhotoHost);
        EXPECT_EQ(Param(asked[i], u"page"_s), QString::number(i + 1));
        EXPECT_EQ(Param(asked[i], u"album_id"_s), QString::fromStdString(kAlbum));
        EXPECT_EQ(Param(asked[i], u"count"_s), u"32"_s);
        EXPECT_TRUE(
            QRegularExpression(u"^[01]\\.\\d{16}$"_s).match(Param(asked[i], u"_rnd"_s)).hasMatch())
            << asked[i].target;
        EXPECT_EQ(Header(asked[i], "Referer"),
                  u"https://photo.weibo.com/1234567890/talbum/index?from=profile_wb"_s);
    }
    EXPECT_EQ(urls(), (QStringList{Original("a0.jpg"), Original("a1.jpg"), Original("b0.jpg")}));
    // The pictures need no header lines of their own.
    for (const QString& headers : downList.headers)
        EXPECT_TRUE(headers.isEmpty());
    EXPECT_TRUE(pauses.sleeps().isEmpty());
}

// How empty pages are met: the page count follows from the album's count,
// an empty page before the last is asked for again, and every empty page
// gets that second chance.
TEST_F(WeiboPhotosTest, EmptyPagesAreRetriedOnceBeforeTheWalkMovesOn) {
    const std::string empty = PhotoPage({});
    const struct {
        const char* what;
        int count;
        std::map<int, std::vector<std::string>> pages;
        std::vector<int> asked;
        QList<qint64> sleeps;
        int pictures;
    } cases[] = {
        {"count 0", 0, {{1, {empty}}}, {1}, {}, 0},
        {"count 33, page 1 stays empty",
         33,
         {{2, {Pictures("b", 1)}}},
         {1, 1, 2, 3},
         {3000, 1500},
         1},
        {"count 33, page 1 comes on the second ask",
         33,
         {{1, {empty, Pictures("a", 32)}}, {2, {Pictures("b", 1)}}},
         {1, 1, 2, 3},
         {3000},
         33},
        {"count 100, pages 1 and 2 each come on the second ask",
         100,
         {{1, {empty, Pictures("a", 32)}},
          {2, {empty, Pictures("b", 32)}},
          {3, {Pictures("c", 4)}}},
         {1, 1, 2, 2, 3, 4},
         {3000, 3000},
         68},
        {"count 1, an empty page ends the walk at once", 1, {}, {1}, {}, 0},
    };
    for (const auto& c : cases) {
        site.clearRequests();
        RecordingPacer own;
        ScopedPacer scope(own);
        walk(c.count, c.pages);
        EXPECT_EQ(pagesAsked(), c.asked) << c.what;
        EXPECT_EQ(own.sleeps(), c.sleeps) << c.what;
        EXPECT_EQ(urls().size(), c.pictures) << c.what;
    }
}

TEST_F(WeiboPhotosTest, APictureIsTheOriginalElseAnAddressMadeFromHostAndName) {
    const struct {
        std::string fields;
        QString url; // "": no picture
    } cases[] = {
        {R"("pic_type":0,"original_pic":"http:\/\/wx3.sinaimg.cn\/large\/orig.jpg",)"
         R"("pic_host":"http:\/\/ss1.sinaimg.cn","pic_name":"n.jpg")",
         u"http://wx3.sinaimg.cn/large/orig.jpg"_s},
        {R"("pic_type":0,"pic_host":"http:\/\/ss1.sinaimg.cn","pic_name":"t0.jpg")",
         u"http://ss1.sinaimg.cn/1234567890/180/t0.jpg"_s},
        {R"("pic_type":0,"pic_host":"http:\/\/ss2.sinaimg.cn\/","pic_name":"t0b.jpg")",
         u"http://ss2.sinaimg.cn/1234567890/180/t0b.jpg"_s},
        {R"("pic_type":1,"original_pic":"","pic_host":"http:\/\/wx3.sinaimg.cn","pic_name":"t1.jpg")",
         u"http://wx3.sinaimg.cn/large/t1.jpg"_s},
        {R"("pic_type":10,"pic_host":"http:\/\/wx4.sinaimg.cn\/","pic_name":"t10.jpg")",
         u"http://wx4.sinaimg.cn/large/t10.jpg"_s},
        {R"("pic_type":1,"pic_host":"","pic_name":"nohost.jpg")", QString()},
        {R"("pic_type":1,"pic_host":"http:\/\/wx4.sinaimg.cn")", QString()},
    };
    std::vector<std::string> photos;
    QStringList expected;
    for (const auto& c : cases) {
        photos.push_back(PhotoRecord(c.fields));
        if (!c.url.isEmpty())
            expected << c.url;
    }
    walk(int(photos.size()), {{1, {PhotoPage(photos)}}});
    // The page's own record before the pictures names the cover, which is no picture of the list.
    EXPECT_EQ(urls(), expected);
}

TEST_F(WeiboPhotosTest, ATitleIsTheCaptionWithoutTagsElseTheAlbumName) {
    walk(4, {{1,
              {PhotoPage({
                  OriginalPhoto("p1.jpg", R"(\u6d77\u8fb9 <a href=\"x\">sea<\/a>)"),
                  OriginalPhoto("p2.jpg", ""),
                  PhotoRecord(R"("original_pic":"http:\/\/wx1.sinaimg.cn\/large\/p3.jpg")"),
                  OriginalPhoto("p4.jpg", R"(<b><\/b>)"),
              })}}});
    ASSERT_EQ(urls().size(), 4);
    const QStringList names = downList.names;
    ASSERT_EQ(names.size(), 4);
    EXPECT_TRUE(names[0].startsWith(u"海边 sea"_s)) << names[0].toStdString();
    for (int i = 1; i < 4; ++i)
        EXPECT_TRUE(names[i].startsWith(u"相册"_s)) << names[i].toStdString();
}

TEST_F(WeiboPhotosTest, AServiceRepeatingItsLastPageDoesNotKeepTheWalkGoing) {
    const std::string last = Pictures("b", 3);
    walk(40, {{1, {Pictures("a", 32)}}, {2, {last}}, {3, {last}}, {4, {last}}, {5, {last}}});
    EXPECT_EQ(urls().size(), 35);
    EXPECT_EQ(pagesAsked(), (std::vector<int>{1, 2, 3, 4}));
}

// Records the service sends without any picture address (removed
// pictures) are no end of the album; the same such page again is.
TEST_F(WeiboPhotosTest, APageOfRecordsWithoutAddressesDoesNotEndTheWalk) {
    const std::string gone = PhotoPage({PhotoRecord(R"("caption":"gone 1","pic_type":1)"),
                                        PhotoRecord(R"("caption":"gone 2","pic_type":1)")});
    const struct {
        const char* what;
        int count;
        std::map<int, std::vector<std::string>> pages;
        std::vector<int> asked;
        qsizetype pictures;
    } cases[] = {
        {.what = "in the middle",
         .count = 70,
         .pages = {{1, {Pictures("a", 32)}}, {2, {gone}}, {3, {Pictures("c", 4)}}},
         .asked = {1, 2, 3, 4},
         .pictures = 36},
        {.what = "repeated",
         .count = 200,
         .pages = {{1, {Pictures("a", 32)}}, {2, {gone}}, {3, {gone}}, {4, {gone}}, {5, {gone}}},
         .asked = {1, 2, 3, 4},
         .pictures = 32},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        site.clearRequests();
        walk(c.count, c.pages);
        EXPECT_EQ(pagesAsked(), c.asked);
        EXPECT_EQ(urls().size(), c.pictures);
    }
}

TEST_F(WeiboPhotosTest, AFailedPageEndsTheWalkAfterThreeAttempts) {
    site.route("GET", kWeiboPhotoHost, kPhotosPath,
               [inner = site.resetMidBody()](const httplib::Request& req, httplib::Response& res) {
                   if (req.get_param_value("page") == "1")
                       res.set_content(Pictures("a", 32), "application/json");
                   else
                       inner(req, res);
               });
    runPictures(WeiboListPhotos, addWeiboAlbum(kAlbum, 64), 2);
    EXPECT_EQ(urls().size(), 32);
    EXPECT_EQ(pagesAsked(), (std::vector<int>{1, 2, 2, 2}));
    EXPECT_EQ(pauses.sleeps(), (QList<qint64>{4000, 4000, 4000}));
}

TEST_F(WeiboPhotosTest, AStopOrAFinishedAlbumEndsTheWalkAfterTheCurrentPicture) {
    for (const int state : {kDownStopRequested, kDownAlbumFinished}) {
        site.clearRequests();
        // The job's state changes while the first page is on its way.
        site.route("GET", kWeiboPhotoHost, kPhotosPath,
                   [this, state](const httplib::Request&, httplib::Response& res) {
                       session.downState = state;
                       res.set_content(Pictures("a", 3), "application/json");
                   });
        const int album = addWeiboAlbum(kAlbum, 100);
        session.downState = kDownRunning;
        DownloadJobContext ctx(env, Category::Sina, SubType::WeiboAlbums, session.settings(),
                               extension, saveDir.path() + QLatin1Char('/'), session.ownerFolder());
        ctx.beginAlbum(album);
        WeiboListPhotos(ctx, album);
        downList = ctx.downList();
        EXPECT_EQ(urls(), QStringList{Original("a0.jpg")}) << state;
        EXPECT_EQ(site.countOf(kPhotosPath), 1) << state;
    }
}

} // namespace
} // namespace phodex::test
