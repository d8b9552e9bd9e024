// SPDX-License-Identifier: MIT
#include "adapters/wsxc/wsxcadapters.h"
#include "core/catalogue.h"
#include "jobs/downloadjob.h"
#include "net/cookiejar.h"
#include "sites/portfolio/portfoliosite.h"

#include <QDir>
#include <QFile>
#include <QNetworkCookie>

#include <atomic>
#include <map>

namespace phodex::test {
namespace {

const std::string kShopHost = "www.szwego.com";
const std::string kListingPath = "/album/personal/all";
const QString kShopAddress =
    u"https://www.szwego.com/static/index.html?link_type=pc_home#/shop_detail/A123/list"_s;
const QString kShopPage = u"https://www.szwego.com/static/index.html?link_type=pc_home"_s;
constexpr Category kWsxc = Category::Wsxc;

// An MP4 file starts with its "ftyp" box; so does an AVIF picture, with its own brand.
std::string Mp4Body() {
    std::string body("\0\0\0\x18"
                     "ftypmp42\0\0\0\0mp42isom",
                     24);
    body.resize(4096, '\x01');
    return body;
}
std::string AvifBody() {
    std::string body("\0\0\0\x1c"
                     "ftypavif\0\0\0\0avifmif1miaf",
                     28);
    body.resize(4096, '\x02');
    return body;
}

class WsxcTest : public PortfolioSiteTest {
protected:
    void SetUp() override {
        PortfolioSiteTest::SetUp();
        serveListing({{"", "wsxc/shop-0.json"},
                      {"1700000000000", "wsxc/shop-1.json"},
                      {"1699999998000", "wsxc/shop-2.json"},
                      {"1699999997000", "wsxc/shop-end.json"}});
        site.get("/2023*", [](const httplib::Request& req, httplib::Response& res) {
            if (req.path.ends_with(".mp4"))
                res.set_content(Mp4Body(), "video/mp4");
            else if (req.path.ends_with("a2.jpg"))
                res.set_content(AvifBody(), "image/jpeg");
            else
                res.set_content(PictureBody(req.target), "image/jpeg");
        });
        // The shop page opened in a window of its own lets the service answer.
        browser.onLogin = [this](const QString&) { verified = true; };
    }

    // The listing service of shop A123: its pages by the cursor they are asked
    // with; page 0 wants the shop page to have run first, and verifyAnswers
    // says how often it is answered so before that.
    void serveListing(std::map<std::string, std::string> pages) {
        site.route("GET", kShopHost, kListingPath,
                   [this, pages](const httplib::Request& req, httplib::Response& res) {
                       if (req.get_param_value("albumId") != "A123") {
                           res.status = 404;
                           return;
                       }
                       const std::string cursor = req.get_param_value("timestamp");
                       if (cursor.empty() && (!verified || verifyAnswers > 0)) {
                           if (verified)
                               --verifyAnswers;
                           res.set_content(Fixture("wsxc/verify.json"), "application/json");
                           return;
                       }
                       auto page = pages.find(cursor);
                       if (page == pages.end())
                           page = pages.find("*");
                       if (page == pages.end()) {
                           res.status = 404;
                           return;
                       }
                       res.set_content(Fixture(page->second), "application/json");
                   });
    }

    std::vector<std::string> cursorsAsked() const {
        std::vector<std::string> cursors;
        for (const ReceivedRequest& r : site.requestsTo(kListingPath))
            cursors.push_back(Param(r, u"timestamp"_s).toStdString());
        return cursors;
    }

    void keepSharedCookie() {
        QNetworkCookie cookie("shared", "jar");
        cookie.setDomain(u".szwego.com"_s);
        cookie.setPath(u"/"_s);
        CookieJar::instance().insert(cookie);
    }

    std::atomic<bool> verified = false;
    std::atomic<int> verifyAnswers = 0; // once verified
};

TEST_F(WsxcTest, ListsThePostsWithPicturesPageByPageOnceTheShopPageRan) {
    browser.onCookies = [](const QString&) { return u"token=t1; uid=9"_s; };
    keepSharedCookie();
    dispatch(kWsxc, kShopAddress);

    // The shop page runs in the browser before anything else; its cookies are
    // those of the shop's address; the service's verification notice opens
    // the shop page once, in a window that closes by itself.
    EXPECT_EQ(browser.calls(),
              (QStringList{u"capture 20000 "_s + kShopAddress, u"cookies "_s + kShopAddress,
                           u"login 4 "_s + kShopAddress}));
    // The cursor moves past posts without pictures too, and a page of them
    // alone still leads on to the next one.
    EXPECT_EQ(cursorsAsked(), (std::vector<std::string>{"", "", "1700000000000", "1699999998000",
                                                        "1699999997000"}));
    // (page mod 3) seconds before each page; the verification retry waits nothing.
    EXPECT_EQ(pauses.sleeps(), (QList<qint64>{0, 0, 1000, 2000, 0}));
    EXPECT_EQ(session.ownerFolder(), u"A123"_s);
    EXPECT_EQ(session.subType.load(), SubType::WsxcShop);
    EXPECT_EQ(session.textSlot(TextSlot::First), u"1699999997000"_s);
    EXPECT_EQ(session.textSlot(TextSlot::Second), kShopAddress);

    const auto albums = session.albums.snapshot();
    ASSERT_EQ(albums.size(), 3u);
    EXPECT_EQ(albums[0].info, u"春款连衣裙\r\n尺码S-XL 现货"_s);
    EXPECT_EQ(albums[0].key, u"\"https:\\/\\/xcimg.szwego.com\\/20231101\\/a1.jpg\","
                             "\"https:\\/\\/xcimg.szwego.com\\/20231101\\/a2.jpg\","
                             "\"https:\\/\\/xcimg.szwego.com\\/20231101\\/a3.jpg\""_s);
    EXPECT_EQ(albums[0].cover,
              u"https:\\/\\/xcimg.szwego.com\\/20231101\\/a1.jpg?imageMogr2\\/thumbnail\\/300"_s);
    EXPECT_EQ(albums[0].extra, u""_s);
    EXPECT_EQ(albums[1].info, u"羊毛大衣 视频实拍"_s);
    EXPECT_EQ(albums[1].name, u"羊毛大衣 视频实拍"_s);
    EXPECT_EQ(albums[1].extra,
              u"https:\\/\\/xcvideo.szwego.com\\/20231030\\/v1.mp4?sign=7f3a\\u0026t=1698600000"_s);
    EXPECT_EQ(albums[2].info, u"牛仔外套"_s);
    for (const AlbumInfo& album : albums) {
        EXPECT_EQ(album.photoCount, -1);
        EXPECT_EQ(album.flags, 0);
    }

    for (const ReceivedRequest& r : site.requestsTo(kListingPath)) {
        EXPECT_EQ(Header(r, "Referer"), kShopPage);
        EXPECT_EQ(Header(r, "wego-channel"), u"net"_s);
        EXPECT_EQ(Header(r, "X-Requested-With"), u"XMLHttpRequest"_s);
        // The browser's cookies alone: the shared store stays out.
        EXPECT_EQ(Header(r, "Cookie"), u"token=t1; uid=9"_s);
        EXPECT_TRUE(r.https);
    }
}

TEST_F(WsxcTest, WithoutBrowserCookiesTheSharedStoreIsSent) {
    keepSharedCookie();
    dispatch(kWsxc, kShopAddress);
    const auto requests = site.requestsTo(kListingPath);
    ASSERT_FALSE(requests.empty());
    for (const ReceivedRequest& r : requests)
        EXPECT_EQ(Header(r, "Cookie"), u"shared=jar"_s);
    EXPECT_EQ(session.albums.count(), 3);
}

TEST_F(WsxcTest, AShopStillUnderVerificationAfterOneWindowListsNothing) {
    verifyAnswers = 1;
    dispatch(kWsxc, kShopAddress);
    EXPECT_EQ(browser.logins(), QStringList{kShopAddress});
    EXPECT_EQ(cursorsAsked(), (std::vector<std::string>{"", ""}));
    EXPECT_TRUE(session.albums.isEmpty());
}

// The service answers any cursor past its last post with its last page
// again; when those posts have no pictures the walk must still end.
TEST_F(WsxcTest, ALastPageWithoutPicturesThatTheServiceRepeatsEndsTheWalk) {
    verified = true;
    serveListing({{"", "wsxc/shop-2.json"}, {"*", "wsxc/shop-1.json"}});
    dispatch(kWsxc, kShopAddress);
    EXPECT_EQ(cursorsAsked(), (std::vector<std::string>{"", "1699999997000", "1699999998000"}));
    EXPECT_EQ(albumNames(), QStringList{u"牛仔外套"_s});
    EXPECT_TRUE(browser.logins().isEmpty());
}

TEST_F(WsxcTest, AnAddressWithoutAShopIsLoadedButNotListed) {
    dispatch(kWsxc, u"https://www.szwego.com/static/index.html"_s);
    EXPECT_EQ(browser.calls(),
              QStringList{u"capture 20000 https://www.szwego.com/static/index.html"_s});
    EXPECT_EQ(site.countOf(kListingPath), 0);
}

TEST_F(WsxcTest, HandsOverAPostsPicturesOrItsVideoWithTheTitleFile) {
    const struct {
        const char* trace;
        QString key;
        QString extra;
        QStringList urls;
        QStringList names; // the titles handed over; the shop profile prefixes them later
    } cases[] = {
        {.trace = "two pictures",
         .key =
             u"\"https:\\/\\/xcimg.szwego.com\\/p\\/a.jpg\",\"https:\\/\\/xcimg.szwego.com\\/p\\/b.jpg\""_s,
         .extra = {},
         .urls = {u"https://xcimg.szwego.com/p/a.jpg"_s, u"https://xcimg.szwego.com/p/b.jpg"_s},
         .names = {u"1.jpg"_s, u"2.jpg"_s}},
        {.trace = "one picture",
         .key = u"\"https:\\/\\/xcimg.szwego.com\\/p\\/c.jpg?w=1\\u0026h=2\""_s,
         .extra = {},
         .urls = {u"https://xcimg.szwego.com/p/c.jpg?w=1&h=2"_s},
         .names = {u"1.jpg"_s}},
        {.trace = "video",
         .key = u"\"https:\\/\\/xcimg.szwego.com\\/p\\/v.jpg\""_s,
         .extra = u"https:\\/\\/xcvideo.szwego.com\\/p\\/v.mp4?sign=1\\u0026t=2"_s,
         .urls = {u"https://xcvideo.szwego.com/p/v.mp4?sign=1&t=2"_s},
         .names = {u"1.mp4"_s}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.trace);
        AlbumInfo album;
        album.name = QString::fromLatin1(c.trace);
        album.info = u"新款\r\n"_s + album.name;
        album.key = c.key;
        album.extra = c.extra;
        runPictures(WsxcListPhotos, addAlbum(album));
        EXPECT_EQ(urls(), c.urls);
        EXPECT_EQ(names(), c.names);
        QFile description(downList.folder + u"图片描述.txt"_s);
        ASSERT_TRUE(description.open(QIODevice::ReadOnly));
        const QByteArray bytes = description.readAll();
        ASSERT_TRUE(bytes.startsWith("\xFF\xFE"));
        EXPECT_EQ(QString::fromUtf16(reinterpret_cast<const char16_t*>(bytes.constData() + 2),
                                     (bytes.size() - 2) / 2),
                  album.info);
    }
}

// The shop listed as the window's Get List button lists it, and every post
// downloaded into a folder of its own, through the program's own jobs.
TEST_F(WsxcTest, EveryPostArrivesInAFolderOfItsOwn) {
    browser.onCookies = [](const QString&) { return u"token=t1"_s; };
    const auto listed = runListJob(kShopAddress, kWsxc);
    ASSERT_TRUE(listed.has_value());
    EXPECT_EQ(listed->albumCount, 3);

    DownloadJob download(env);
    const auto result = download.run(DownloadJobRequest{saveDir.path(), {0, 1, 2}});
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(result->pictures, 5);
    EXPECT_EQ(result->saved, 5);

    const QString owner = saveDir.path() + u"/A123/"_s;
    const QStringList posts = QDir(owner).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    ASSERT_EQ(posts.size(), 3) << posts.join(u' ').toStdString();
    QStringList files;
    for (const QString& post : posts)
        files += FilesBelow(owner + post);
    files.sort();
    // The picture of a type the format fix does not know stays a picture;
    // the video, told by its content, stays a video.
    EXPECT_EQ(files, (QStringList{u"1) 1.jpg"_s, u"1) 1.jpg"_s, u"1) 1.mp4"_s, u"2) 2.jpg"_s,
                                  u"3) 3.jpg"_s, u"pic.korvo"_s, u"pic.korvo"_s, u"pic.korvo"_s,
                                  u"图片描述.txt"_s, u"图片描述.txt"_s, u"图片描述.txt"_s}));
    EXPECT_EQ(site.countOf("/20231030/v1.mp4"), 1);
    EXPECT_EQ(site.countOf("/20231030/v1.jpg"), 0);
}

} // namespace
} // namespace phodex::test
