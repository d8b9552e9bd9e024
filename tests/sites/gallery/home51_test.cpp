// SPDX-License-Identifier: MIT
#include "adapters/gallery/galleryadapters.h"
#include "gallerysite.h"
#include "text/codepage.h"

#include <atomic>
#include <memory>

namespace phodex::test {
namespace {

const std::string kHome51Host = "www.51.com";
const std::string kDataViewPath = "/xiaoming/photo/getdataview/";
const std::string kHtml = "text/html";
// How the site labels its pages.
const std::string kGbkHtml = "text/html; charset=GBK";

class Home51Test : public GallerySiteTest {
protected:
    // Answers the busy notice (in GBK, as the site writes it) `busyTimes`
    // times, then `body`, both as contentType.
    void serveBusyThen(const std::string& path, int busyTimes, const std::string& body,
                       const std::string& contentType = kHtml) {
        auto asked = std::make_shared<std::atomic<int>>(0);
        const std::string busy = ToGbk(u"<p>服务器忙，请稍候再试</p>"_s).toStdString();
        site.route("GET", kHome51Host, path, [=](const httplib::Request&, httplib::Response& res) {
            res.set_content((*asked)++ < busyTimes ? busy : body, contentType);
        });
    }
    void listPhotos(const QString& key) {
        session.setTextSlot(TextSlot::First, u"xiaoming"_s);
        AlbumInfo album;
        album.name = u"旅行"_s;
        album.key = key;
        site.clearRequests();
        runPictures(Home51ListPhotos, addAlbum(album));
    }
};

TEST_F(Home51Test, ListsTheNamedAlbumsOfTheUsersPhotoPage) {
    servePage(kHome51Host, "/xiaoming/photo", Fixture("home51/albums.html"));
    list(Home51ListAlbums, u"xiaoming"_s);

    const auto asked = site.requests();
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].target, "/xiaoming/photo");
    EXPECT_TRUE(asked[0].https);
    // The album without a name is left out; so is what precedes the album list.
    EXPECT_EQ(albumNames(), (QStringList{u"旅行"_s, u"家人"_s}));
    const auto albums = session.albums.snapshot();
    ASSERT_EQ(albums.size(), 2u);
    EXPECT_EQ(albums[0].key, u"/xiaoming/photo/album/101"_s);
    EXPECT_EQ(albums[1].cover, u"https://img.51img1.com/c3.jpg"_s);
    EXPECT_EQ(albums[0].photoCount, 12);
    EXPECT_EQ(albums[1].photoCount, 3);
    EXPECT_EQ(session.textSlot(TextSlot::First), u"xiaoming"_s);
    EXPECT_TRUE(pauses.sleeps().isEmpty());
}

TEST_F(Home51Test, ABusySiteIsAskedThreeTimesTenSecondsApart) {
    const struct {
        int busyTimes;
        int requests;
        QList<qint64> sleeps;
        int albums;
    } cases[] = {
        {2, 3, {10000, 10000}, 2},
        {3, 3, {10000, 10000, 10000}, 0},
    };
    for (const auto& c : cases) {
        serveBusyThen("/xiaoming/photo", c.busyTimes, Fixture("home51/albums.html"));
        const qsizetype before = pauses.sleeps().size();
        list(Home51ListAlbums, u"xiaoming"_s);
        EXPECT_EQ(site.countOf("/xiaoming/photo"), c.requests) << c.busyTimes;
        EXPECT_EQ(pauses.sleeps().mid(before), c.sleeps) << c.busyTimes;
        EXPECT_EQ(session.albums.count(), c.albums) << c.busyTimes;
    }
}

TEST_F(Home51Test, TakesThePicturesFromTheDataViewOfTheAlbumsFirstPicture) {
    servePage(kHome51Host, "/xiaoming/photo/album/101", Fixture("home51/album.html"));
    servePage(kHome51Host, kDataViewPath, Fixture("home51/dataview.json"));
    // However the key was written, the album page has one slash after the host.
    for (const QString& key : {u"/xiaoming/photo/album/101"_s, u"xiaoming/photo/album/101"_s}) {
        listPhotos(key);
        const auto asked = site.requests();
        ASSERT_EQ(asked.size(), 2u) << key.toStdString();
        EXPECT_EQ(asked[0].target, "/xiaoming/photo/album/101");
        EXPECT_EQ(asked[1].target, kDataViewPath + "?id=5551");
        EXPECT_EQ(urls(), (QStringList{u"http://img.51img1.com/b/5551.jpg"_s,
                                       u"https://img.51img1.com/b/5552.jpg"_s}));
        for (const QString& headers : downList.headers)
            EXPECT_EQ(headers, u"Referer: https://www.51.com/xiaoming/photo/album/101"_s);
        const QStringList names = downList.names;
        ASSERT_EQ(names.size(), 2);
        EXPECT_TRUE(names[0].startsWith(u"海边"_s)) << names[0].toStdString();
        EXPECT_TRUE(names[1].startsWith(u"旅行"_s)) << names[1].toStdString();
    }
}

// The site writes GBK and says so in its replies: names, titles and the
// busy notice all come that way.
TEST_F(Home51Test, ListsAndReadsAnOwnerFromPagesServedInGbk) {
    serveBusyThen("/xiaohong/photo", 1, Fixture("home51/albums-gbk.html"), kGbkHtml);
    list(Home51ListAlbums, u"xiaohong"_s);

    EXPECT_EQ(site.countOf("/xiaohong/photo"), 2);
    EXPECT_EQ(albumNames(), (QStringList{u"毕业旅行"_s, u"宝宝·周岁"_s}));
    const auto albums = session.albums.snapshot();
    ASSERT_EQ(albums.size(), 2u);
    EXPECT_EQ(albums[0].photoCount, 8);
    EXPECT_EQ(albums[1].photoCount, 15);

    serveBusyThen("/xiaohong/photo/album/201", 0, Fixture("home51/album-gbk.html"), kGbkHtml);
    serveBusyThen("/xiaohong/photo/getdataview/", 2, Fixture("home51/dataview-gbk.json"), kGbkHtml);
    site.clearRequests();
    runPictures(Home51ListPhotos, 0);

    EXPECT_EQ(site.countOf("/xiaohong/photo/getdataview/"), 3);
    EXPECT_EQ(urls(), (QStringList{u"http://img.51img1.com/b/7771.jpg"_s,
                                   u"http://img.51img1.com/b/7772.jpg"_s}));
    const QStringList names = downList.names;
    ASSERT_EQ(names.size(), 2);
    EXPECT_TRUE(names[0].startsWith(u"鼓浪屿日落"_s)) << names[0].toStdString();
    EXPECT_TRUE(names[1].startsWith(u"沙滩"_s)) << names[1].toStdString();
    EXPECT_EQ(pauses.sleeps(), (QList<qint64>{10000, 10000, 10000}));
    EXPECT_TRUE(prompt.informations().isEmpty());
}

TEST_F(Home51Test, ABusyDataViewIsShownAsTheSiteWroteIt) {
    servePage(kHome51Host, "/xiaoming/photo/album/101", Fixture("home51/album.html"));
    const QString notice = u"{\"error\":\"系统繁忙，请稍候再试\"}"_s;
    servePage(kHome51Host, kDataViewPath, notice.toStdString());
    listPhotos(u"/xiaoming/photo/album/101"_s);
    EXPECT_TRUE(urls().isEmpty());
    EXPECT_EQ(prompt.informations(), QStringList{notice});
}

TEST_F(Home51Test, AnAlbumPageWithoutItsPictureListAsksNoDataView) {
    servePage(kHome51Host, "/xiaoming/photo/album/101", "<html><body>相册已删除</body></html>");
    listPhotos(u"/xiaoming/photo/album/101"_s);
    EXPECT_EQ(site.countOf(kDataViewPath), 0);
    EXPECT_TRUE(urls().isEmpty());
    EXPECT_TRUE(prompt.informations().isEmpty());
}

} // namespace
} // namespace phodex::test
