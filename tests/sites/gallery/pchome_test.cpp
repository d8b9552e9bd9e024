// SPDX-License-Identifier: MIT
#include "adapters/gallery/galleryadapters.h"
#include "gallerysite.h"
#include "jobs/downloadjob.h"

#include <map>

namespace phodex::test {
namespace {

const std::string kPchomeHost = "photo.pchome.com.tw";

class PchomeTest : public GallerySiteTest {};

TEST_F(PchomeTest, ListsTheUsersAlbumsFromBig5PagesUntilNoPageLinksOn) {
    servePage(kPchomeHost, "/xiaoming*1", Fixture("pchome/albums-1.html"));
    servePage(kPchomeHost, "/xiaoming*2", Fixture("pchome/albums-2.html"));
    list(PchomeListAlbums, u"xiaoming"_s);

    EXPECT_EQ(targetsAsked(kPchomeHost), (std::vector<std::string>{"/xiaoming*1", "/xiaoming*2"}));
    for (const ReceivedRequest& r : site.requests()) {
        EXPECT_TRUE(r.https);
        EXPECT_EQ(Header(r, "Accept-Encoding"), u"gzip, deflate"_s);
    }
    // The site's own selection after the user's albums is no album of the user.
    EXPECT_EQ(albumNames(), (QStringList{u"台北 旅遊"_s, u"家人"_s, u"風景"_s}));
    const auto albums = session.albums.snapshot();
    ASSERT_EQ(albums.size(), 3u);
    EXPECT_EQ(albums[0].key, u"/xiaoming/001"_s);
    EXPECT_EQ(albums[0].cover, u"https://photo.pchome.com.tw/xiaoming/001/cover.jpg"_s);
    EXPECT_EQ(albums[1].cover, QString());
    EXPECT_EQ(albums[0].photoCount, 25);
    EXPECT_EQ(albums[2].photoCount, 1);
    EXPECT_EQ(session.textSlot(TextSlot::First), u"xiaoming"_s);
}

TEST_F(PchomeTest, ReadsTheAlbumsPagesWithFullSizeAddressesAndThePicturesPagesAsReferer) {
    servePage(kPchomeHost, "/xiaoming/001*1", Fixture("pchome/photos-1.html"));
    servePage(kPchomeHost, "/xiaoming/001*2", Fixture("pchome/photos-2.html"));
    // What the listing of xiaoming's albums leaves for their download.
    session.setTextSlot(TextSlot::First, u"xiaoming"_s);
    session.setOwnerFolder(u"xiaoming/"_s);
    AlbumInfo album;
    album.name = u"台北 旅遊"_s;
    album.key = u"/xiaoming/001"_s;
    runPictures(PchomeListPhotos, addAlbum(album));

    EXPECT_EQ(targetsAsked(kPchomeHost),
              (std::vector<std::string>{"/xiaoming/001*1", "/xiaoming/001*2"}));
    // Only the file name's thumbnail "s" goes; the pictures outside the
    // photo list are not the album's.
    EXPECT_EQ(urls(), (QStringList{u"https://photo.pchome.com.tw/xiaoming/001/0001.jpg"_s,
                                   u"https://photo.pchome.com.tw/chris.photos/001/0002.jpg"_s,
                                   u"https://photo.pchome.com.tw/xiaoming/001/0003.jpg"_s,
                                   u"https://photo.pchome.com.tw/xiaoming/001/0004.png"_s}));
    EXPECT_EQ(downList.headers,
              (QStringList{u"Referer: https://photo.pchome.com.tw/xiaoming/1001"_s,
                           u"Referer: https://photo.pchome.com.tw/xiaoming/1002"_s,
                           u"Referer: https://photo.pchome.com.tw/xiaoming/1003"_s,
                           u"Referer: https://photo.pchome.com.tw/xiaoming/1004"_s}));
    const QStringList names = downList.names;
    ASSERT_EQ(names.size(), 4);
    EXPECT_TRUE(names[0].startsWith(u"夜景"_s)) << names[0].toStdString();
    EXPECT_TRUE(names[1].startsWith(u"101大樓"_s)) << names[1].toStdString();
    EXPECT_TRUE(names[3].startsWith(u"街景"_s)) << names[3].toStdString();
}

// The site serves a picture only to its own page, which is named after the
// user whose albums were listed: what the listing leaves behind for the
// download must name that user as the site does.
TEST_F(PchomeTest, AfterAListingEveryPictureIsAskedForFromItsOwnPage) {
    servePage(kPchomeHost, "/xiaoming*1", Fixture("pchome/albums-1.html"));
    servePage(kPchomeHost, "/xiaoming*2", Fixture("pchome/albums-2.html"));
    servePage(kPchomeHost, "/xiaoming/001*1", Fixture("pchome/photos-1.html"));
    servePage(kPchomeHost, "/xiaoming/001*2", Fixture("pchome/photos-2.html"));
    for (const char* pictures : {"/xiaoming/001/*", "/chris.photos/001/*"}) {
        site.route("GET", kPchomeHost, pictures,
                   [](const httplib::Request& req, httplib::Response& res) {
                       res.set_content(PictureBody(req.target), "image/jpeg");
                   });
    }
    const auto listed =
        runListJob(u"https://photo.pchome.com.tw/xiaoming"_s, Category::PchomeDouban);
    ASSERT_TRUE(listed.has_value());
    ASSERT_EQ(listed->albumCount, 3);

    DownloadJob download(env);
    const auto result = download.run(DownloadJobRequest{saveDir.path(), {0}});
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(result->saved, 4);
    std::map<std::string, QString> referers;
    for (const ReceivedRequest& r : site.requests()) {
        if (r.target.find('*') == std::string::npos)
            referers[r.target] = Header(r, "Referer");
    }
    const std::map<std::string, QString> expected = {
        {"/xiaoming/001/0001.jpg", u"https://photo.pchome.com.tw/xiaoming/1001"_s},
        {"/chris.photos/001/0002.jpg", u"https://photo.pchome.com.tw/xiaoming/1002"_s},
        {"/xiaoming/001/0003.jpg", u"https://photo.pchome.com.tw/xiaoming/1003"_s},
        {"/xiaoming/001/0004.png", u"https://photo.pchome.com.tw/xiaoming/1004"_s},
    };
    EXPECT_EQ(referers, expected);
}

TEST_F(PchomeTest, APageWithoutAPhotoListEndsTheAlbum) {
    servePage(kPchomeHost, "/xiaoming/001*1", Fixture("pchome/albums-1.html"));
    AlbumInfo album;
    album.key = u"/xiaoming/001"_s;
    runPictures(PchomeListPhotos, addAlbum(album));
    // The album list page links on, yet holds no picture.
    EXPECT_EQ(targetsAsked(kPchomeHost), (std::vector<std::string>{"/xiaoming/001*1"}));
    EXPECT_TRUE(urls().isEmpty());
}

} // namespace
} // namespace phodex::test
