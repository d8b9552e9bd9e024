// SPDX-License-Identifier: MIT
#include "adapters/douban/doubanadapters.h"
#include "core/sitehosts.h"
#include "jobs/downloadjob.h"
#include "sites/clirunner.h"
#include "sites/portfolio/portfoliosite.h"

#include <map>

namespace phodex::test {
namespace {

const std::string kDoubanHost = SiteHosts::get(HostRole::DoubanHost).toStdString();
const std::string kMovieHost = SiteHosts::get(HostRole::DoubanMovieHost).toStdString();
const std::string kAlbumPath = "/photos/album/1734567/";
const QString kAlbum = u"https://www.douban.com/photos/album/1734567/"_s;
const QString kStills = u"https://movie.douban.com/subject/1292052/photos/"_s;
const std::string kNextStills =
    "/subject/1292052/photos?type=S&start=30&sortby=like&size=a&subtype=a";

class DoubanTest : public PortfolioSiteTest {
protected:
    void serveAlbum() {
        servePagesBy(
            kDoubanHost, kAlbumPath, "m_start",
            {{"", Fixture("douban/album-1.html")}, {"18", Fixture("douban/album-2.html")}});
    }
    void serveStills() {
        servePage(kMovieHost, "/subject/1292052/photos/", Fixture("douban/stills-1.html"));
        servePagesBy(kMovieHost, "/subject/1292052/photos", "start",
                     {{"30", Fixture("douban/stills-2.html")}});
    }
    void servePictures() {
        for (const char* host : {"img1", "img2", "img3", "img9"}) {
            site.route("GET", std::string(host) + ".doubanio.com", "/view/photo/*",
                       [](const httplib::Request& req, httplib::Response& res) {
                           res.set_content(PictureBody(req.target), "image/jpeg");
                       });
        }
    }
    // The requests made to host, as "target (Referer)".
    std::vector<std::string> pagesAsked(const std::string& host) const {
        std::vector<std::string> asked;
        for (const ReceivedRequest& r : site.requests()) {
            if (r.host == host)
                asked.push_back(r.target + " (" + r.header("Referer") + ")");
        }
        return asked;
    }
    // Runs the picture operation on the one album the listing left.
    void downloadListed() {
        site.clearRequests();
        runPictures(DoubanListPhotos, 0);
    }
};

TEST_F(DoubanTest, AnAlbumIsOneAlbumOfItsOwnerCountedAfterTheTitleLine) {
    serveAlbum();
    list(DoubanListAlbums, kAlbum);

    EXPECT_EQ(pagesAsked(kDoubanHost),
              (std::vector<std::string>{kAlbumPath + " (" + kAlbum.toStdString() + ")"}));
    EXPECT_EQ(Header(site.requests().at(0), "Accept-Encoding"), u"gzip, deflate"_s);
    const auto albums = session.albums.snapshot();
    ASSERT_EQ(albums.size(), 1u);
    EXPECT_EQ(albums[0].name, u"夏天的旅行"_s);
    EXPECT_EQ(albums[0].key, kAlbum);
    EXPECT_EQ(albums[0].cover, QString());
    // "共 3 张" of the page head is not the album's, and its first count
    // after the title line reads 0.
    EXPECT_EQ(albums[0].photoCount, 5);
    EXPECT_EQ(session.ownerFolder(), u"小明"_s);
    EXPECT_TRUE(session.textSlot(TextSlot::First).contains(u"p2890000001.webp"_s));
}

struct OwnerCase {
    const char* title;
    const char* album; // "" when nothing is listed
    const char* owner;
    bool told;
};

TEST_F(DoubanTest, TheOwnerComesFromTheTitleOrItsPicturesPrefixElseTheUserIsTold) {
    const OwnerCase cases[] = {
        {.title = "<title>\n  小明的相册-夏天的旅行\n</title>",
         .album = "夏天的旅行",
         .owner = "小明",
         .told = false},
        {.title = "<title>\n  阿拉斯加 图片\n</title>",
         .album = "阿拉斯加",
         .owner = "阿拉斯加",
         .told = false},
        {.title = "<title>\n  豆瓣\n</title>", .album = "", .owner = "", .told = true},
    };
    for (const OwnerCase& c : cases) {
        SCOPED_TRACE(c.title);
        servePage(kDoubanHost, kAlbumPath,
                  std::string("<html><head>") + c.title +
                      "</head><body><div class=\"pl photitle\">共 2 张</div></body></html>");
        session.setOwnerFolder(QString());
        const qsizetype toldBefore = prompt.informations().size();
        list(DoubanListAlbums, kAlbum);
        EXPECT_EQ(albumNames(), QString::fromUtf8(c.album).isEmpty()
                                    ? QStringList()
                                    : QStringList{QString::fromUtf8(c.album)});
        EXPECT_EQ(session.ownerFolder(), QString::fromUtf8(c.owner));
        EXPECT_EQ(prompt.informations().size() - toldBefore, c.told ? 1 : 0);
        if (c.told) {
            EXPECT_EQ(prompt.informations().constLast(), QString::fromUtf8(kDoubanNoOwner));
        }
    }
}

TEST_F(DoubanTest, AnAlbumsPagesGiveTheFullSizePicturesWithTheirPagesAsReferer) {
    serveAlbum();
    list(DoubanListAlbums, kAlbum);
    downloadListed();

    // The first page is the one the listing read; the second is asked for
    // with the album as Referer, and its missing next link ends the album.
    EXPECT_EQ(pagesAsked(kDoubanHost), (std::vector<std::string>{kAlbumPath + "?m_start=18 (" +
                                                                 kAlbum.toStdString() + ")"}));
    EXPECT_EQ(urls(),
              (QStringList{u"https://img1.doubanio.com/view/photo/raw/public/p2890000001.jpg"_s,
                           u"https://img3.doubanio.com/view/photo/raw/public/p2890000002.jpg"_s,
                           u"https://img9.doubanio.com/view/photo/large/public/p2890000003.jpg"_s,
                           u"https://img2.doubanio.com/view/photo/raw/public/p2890000004.jpg"_s,
                           u"https://img2.doubanio.com/view/photo/raw/public/p2890000005.jpg"_s}));
    QStringList referers;
    for (const char* id : {"1", "2", "3", "4", "5"})
        referers << u"Referer: https://www.douban.com/photos/photo/289000000"_s +
                        QString::fromLatin1(id) + u'/';
    EXPECT_EQ(downList.headers, referers);
    const QStringList names = downList.names;
    ASSERT_EQ(names.size(), 5);
    EXPECT_TRUE(names[0].startsWith(u"海边的日落"_s)) << names[0].toStdString();
    EXPECT_TRUE(names[1].startsWith(u"山顶 & 云海"_s)) << names[1].toStdString();
    EXPECT_TRUE(names[3].startsWith(u"回程的火车"_s)) << names[3].toStdString();
    // The last item names nothing: the footer's texts after it are not its.
    for (const QString& name : names) {
        EXPECT_FALSE(name.contains(u"豆瓣"_s)) << name.toStdString();
        EXPECT_FALSE(name.contains(u"移动应用"_s)) << name.toStdString();
    }
    EXPECT_EQ(pauses.sleeps(), (QList<qint64>{2000, 2000}));
}

// The page names no next page and links back to another album before its
// pictures: the album ends with this page.
TEST_F(DoubanTest, AnAlbumOfCoverItemsWithoutANextLinkIsReadFromItsOnePage) {
    servePage(kDoubanHost, kAlbumPath, Fixture("douban/album-covers.html"));
    list(DoubanListAlbums, kAlbum);
    ASSERT_EQ(albumNames(), QStringList{u"猫"_s});
    EXPECT_EQ(session.ownerFolder(), u"小红"_s);
    downloadListed();

    EXPECT_TRUE(site.requests().empty());
    EXPECT_EQ(urls(),
              (QStringList{u"https://img1.doubanio.com/view/photo/raw/public/p2891000001.jpg"_s,
                           u"https://img1.doubanio.com/view/photo/raw/public/p2891000002.jpg"_s}));
    ASSERT_EQ(downList.names.size(), 2);
    EXPECT_TRUE(downList.names[0].startsWith(u"睡觉的猫"_s));
    EXPECT_TRUE(downList.names[1].startsWith(u"晒太阳"_s));
}

TEST_F(DoubanTest, AFilmsStillsAreNamedFromTheirNameLinesAndFollowTheDecodedNextLink) {
    serveStills();
    list(DoubanListMoviePhotos, kStills);
    const auto albums = session.albums.snapshot();
    ASSERT_EQ(albums.size(), 1u);
    EXPECT_EQ(albums[0].name, u"肖申克的救赎的剧照"_s);
    EXPECT_EQ(albums[0].photoCount, 5);
    EXPECT_EQ(session.ownerFolder(), u"豆瓣电影"_s);
    downloadListed();

    EXPECT_EQ(pagesAsked(kMovieHost),
              (std::vector<std::string>{kNextStills + " (" + kStills.toStdString() + ")"}));
    EXPECT_EQ(urls(),
              (QStringList{u"https://img2.doubanio.com/view/photo/raw/public/p490571815.jpg"_s,
                           u"https://img9.doubanio.com/view/photo/raw/public/p490571816.jpg"_s,
                           u"https://img1.doubanio.com/view/photo/raw/public/p490571817.jpg"_s,
                           u"https://img3.doubanio.com/view/photo/raw/public/p490571818.jpg"_s,
                           u"https://img3.doubanio.com/view/photo/raw/public/p490571819.jpg"_s}));
    const QStringList names = downList.names;
    ASSERT_EQ(names.size(), 5);
    EXPECT_TRUE(names[0].startsWith(u"雨中的安迪"_s)) << names[0].toStdString();
    EXPECT_TRUE(names[2].startsWith(u"典狱长的保险箱"_s)) << names[2].toStdString();
    EXPECT_TRUE(names[3].startsWith(u"海边的重逢"_s)) << names[3].toStdString();
    // A still without a name line takes no name from the footer.
    EXPECT_FALSE(names[4].contains(u"豆瓣"_s)) << names[4].toStdString();
    EXPECT_EQ(downList.headers.at(4),
              u"Referer: https://movie.douban.com/photos/photo/490571819/"_s);
}

TEST_F(DoubanTest, AListKeptFromEarlierReadsTheAlbumsFirstPageItself) {
    serveAlbum();
    AlbumInfo album;
    album.name = u"夏天的旅行"_s;
    album.key = kAlbum;
    session.setTextSlot(TextSlot::First, QString());
    runPictures(DoubanListPhotos, addAlbum(album));
    EXPECT_EQ(site.countOf(kAlbumPath), 2);
    EXPECT_EQ(urls().size(), 5);
}

class DoubanCliTest : public DoubanTest {
protected:
    CliRun cli(const QStringList& arguments) { return RunCli(site, workDir.path(), arguments); }
};

TEST_F(DoubanCliTest, DownloadsAnAlbumAndAFilmsStillsIntoTheirOwnersFolders) {
    serveAlbum();
    serveStills();
    servePictures();
    const CliRun album = cli({u"download"_s, kAlbum, u"--save"_s, saveDir.path()});
    EXPECT_EQ(album.exitCode, 0) << album.err.toStdString();
    const CliRun stills =
        cli({u"download"_s, u"https://movie.douban.com/subject/1292052/photos?type=S"_s,
             u"--save"_s, saveDir.path()});
    EXPECT_EQ(stills.exitCode, 0) << stills.err.toStdString();

    const QStringList files = FilesBelow(saveDir.path()).filter(u".jpg"_s);
    // Pictures without a title are named after their album.
    EXPECT_TRUE(files.contains(u"小明/夏天的旅行/夏天的旅行(1).jpg"_s));
    EXPECT_EQ(files.filter(u"小明/夏天的旅行/"_s).size(), 5) << files.join(u'\n').toStdString();
    EXPECT_EQ(files.filter(u"豆瓣电影/肖申克的救赎的剧照/"_s).size(), 5)
        << files.join(u'\n').toStdString();
    EXPECT_TRUE(files.contains(u"小明/夏天的旅行/海边的日落.jpg"_s))
        << files.join(u'\n').toStdString();
    EXPECT_TRUE(files.contains(u"豆瓣电影/肖申克的救赎的剧照/雨中的安迪.jpg"_s))
        << files.join(u'\n').toStdString();
    // Each picture once, from its own page.
    std::map<std::string, int> asked;
    for (const ReceivedRequest& r : site.requests()) {
        if (r.path.starts_with("/view/photo/")) {
            ++asked[r.path];
            EXPECT_TRUE(r.header("Referer").starts_with("https://")) << r.path;
        }
    }
    EXPECT_EQ(asked.size(), 10u);
    for (const auto& [path, count] : asked)
        EXPECT_EQ(count, 1) << path;
}

} // namespace
} // namespace phodex::test
