// SPDX-License-Identifier: MIT
#include "adapters/portfolio/portfolioadapters.h"
#include "download/worker.h"
#include "portfoliosite.h"

#include <QFile>

namespace phodex::test {
namespace {

const std::string kTopitHost = "www.topit.me";
constexpr Category kTopit = Category::Topit;

class TopitTest : public PortfolioSiteTest {
protected:
    // Album 501 "街拍" listed by the picture operation from its two feed pages.
    void listAlbumFeed() {
        servePagesBy(
            kTopitHost, "/broad", "p",
            {{"1", Fixture("topit/photos-1.html")}, {"2", Fixture("topit/photos-2.html")}});
        AlbumInfo album;
        album.name = u"街拍"_s;
        album.key = u"https://www.topit.me/album/501"_s;
        runPictures(TopitListPhotos, addAlbum(album));
    }
};

TEST_F(TopitTest, ListsAUsersAlbumsPageByPage) {
    servePagesBy(kTopitHost, "/user/123/albums", "p",
                 {{"1", Fixture("topit/albums-1.html")}, {"2", Fixture("topit/albums-2.html")}});
    // Any page of the user's album list.
    dispatch(kTopit, u"https://www.topit.me/user/123/albums?p=3"_s);

    EXPECT_EQ(targetsAsked(kTopitHost),
              (std::vector<std::string>{"/user/123/albums?p=1", "/user/123/albums?p=2"}));
    EXPECT_EQ(session.ownerFolder(), u"小红"_s);
    EXPECT_EQ(albumNames(), (QStringList{u"街拍"_s, u"猫"_s, u"旅行"_s}));
    const auto albums = session.albums.snapshot();
    ASSERT_EQ(albums.size(), 3u);
    EXPECT_EQ(albums[0].key, u"https://www.topit.me/album/501"_s);
    EXPECT_EQ(albums[1].key, u"https://www.topit.me/album/502"_s);
    EXPECT_EQ(albums[0].cover, u"https://f1.topitme.com/c/501.jpg"_s);
    EXPECT_EQ(albums[0].photoCount, 36);
    EXPECT_EQ(albums[1].photoCount, 4);
    EXPECT_EQ(albums[2].photoCount, -1);
}

TEST_F(TopitTest, AnAlbumsAddressListsThatAlbumUnderItsOwner) {
    servePage(kTopitHost, "/album/501", Fixture("topit/album.html"));
    dispatch(kTopit, u"https://www.topit.me/album/501/item/9?x=1"_s);

    EXPECT_EQ(targetsAsked(kTopitHost), (std::vector<std::string>{"/album/501"}));
    EXPECT_EQ(session.ownerFolder(), u"小红"_s);
    const auto albums = session.albums.snapshot();
    ASSERT_EQ(albums.size(), 1u);
    EXPECT_EQ(albums[0].name, u"街拍"_s);
    EXPECT_EQ(albums[0].key, u"https://www.topit.me/album/501"_s);
}

TEST_F(TopitTest, ReadsTheAlbumsFeedAsOriginalsWithTheLargeCopyAsFallback) {
    listAlbumFeed();

    EXPECT_EQ(targetsAsked(kTopitHost), (std::vector<std::string>{"/broad?type=album&id=501&p=1",
                                                                  "/broad?type=album&id=501&p=2"}));
    // Only the pictures between the comments link and the footer; one
    // without any address is passed over.
    EXPECT_EQ(urls(), (QStringList{
                          u"https://f1.topitme.com/o/2024/a1.jpg\r\n"
                          u"https://f1.topitme.com/l/2024/a1.jpg"_s,
                          u"https://f1.topitme.com/o/2024/a2.jpg\r\n"
                          u"https://f1.topitme.com/l/2024/a2.jpg"_s,
                          u"https://f1.topitme.com/o/2024/a3.jpg\r\n"
                          u"https://f1.topitme.com/l/2024/a3.jpg"_s,
                          u"https://img.example.cn/2024/a4o.jpg\r\n"
                          u"https://img.example.cn/2024/a4l.jpg"_s,
                          u"https://img.example.cn/2024/a5o.jpg\r\n"
                          u"https://img.example.cn/2024/a5l.jpg"_s,
                          u"https://img.example.cn/2024/a6o.jpg\r\n"
                          u"https://img.example.cn/2024/a6l.jpg"_s,
                          u"https://img.example.cn/2024/a7.png"_s,
                          u"https://f1.topitme.com/o/2024/a8.jpg\r\n"
                          u"https://f1.topitme.com/l/2024/a8.jpg"_s,
                      }));
    ASSERT_EQ(names().size(), 8);
    // An empty title falls back to the picture's alternative text.
    const QStringList expectedStarts{u"一"_s, u"二"_s, u"三"_s, u"四"_s,
                                     u"五"_s, u"六"_s, u"七"_s, u"八"_s};
    for (int i = 0; i < 8; ++i)
        EXPECT_TRUE(names()[i].startsWith(expectedStarts[i])) << names()[i].toStdString();
}

TEST_F(TopitTest, AFeedPageWithoutPicturesEndsTheAlbumEvenWhenItLinksOn) {
    servePagesBy(kTopitHost, "/broad", "p",
                 {{"1", "<a href=\"/album/7/comments\">x</a><a id=\"page-next\">"},
                  {"2", Fixture("topit/photos-2.html")}});
    AlbumInfo album;
    album.key = u"https://www.topit.me/album/7"_s;
    runPictures(TopitListPhotos, addAlbum(album));
    EXPECT_EQ(targetsAsked(kTopitHost), (std::vector<std::string>{"/broad?type=album&id=7&p=1"}));
    EXPECT_TRUE(urls().isEmpty());
}

// The site answers a picture it has no original of with a small placeholder:
// under 600 bytes the large copy, the entry's second address, replaces it.
TEST_F(TopitTest, APlaceholderOriginalGivesWayToTheLargeCopy) {
    listAlbumFeed();
    ASSERT_GE(urls().size(), 2);

    const std::string placeholder(599, 'p');
    const std::string original(600, 'o');
    const std::string large(5000, 'l');
    const auto answer = [](std::string body) {
        return [body](const httplib::Request&, httplib::Response& res) {
            res.set_content(body, "image/jpeg");
        };
    };
    site.route("GET", "f1.topitme.com", "/o/2024/a1.jpg", answer(placeholder));
    site.route("GET", "f1.topitme.com", "/o/2024/a2.jpg", answer(original));
    site.route("GET", "f1.topitme.com", "/l/*", answer(large));

    CDownList list = downList;
    list.folder = saveDir.path() + u'/';
    DownloadParams params;
    params.threads = 1;
    params.timeoutSeconds = 10;
    const struct {
        int index;
        const std::string& kept;
    } cases[] = {{0, large}, {1, original}};
    for (const auto& c : cases) {
        ASSERT_TRUE(DownloadPicture(list, c.index, params, nullptr)) << c.index;
        QFile file(list.folder + list.names.at(c.index));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
        EXPECT_EQ(file.readAll().toStdString(), c.kept) << c.index;
    }
    EXPECT_EQ(site.countOf("/l/2024/a1.jpg"), 1);
    EXPECT_EQ(site.countOf("/l/2024/a2.jpg"), 0) << "a 600-byte original is the picture";
}

} // namespace
} // namespace phodex::test
