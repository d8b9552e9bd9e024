// SPDX-License-Identifier: MIT
#include "adapters/instagram/instagramadapters.h"
#include "net/cookiejar.h"
#include "sites/clirunner.h"
#include "sites/portfolio/portfoliosite.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkCookie>
#include <QUrl>

#include <map>

namespace phodex::test {
namespace {

const std::string kHost = "www.instagram.com";
const std::string kQueryPath = "/graphql/query/";
const QString kProfile = u"https://www.instagram.com/xiaoming"_s;
const QString kFirstCursor = u"QVFDa2t+LzE/Mw=="_s;
const QString kSecondCursor = u"QVFEbmV4dHBhZ2UzX2N1cnNvcg"_s;
const QString kCdn = u"https://scontent-hkg4-1.cdninstagram.com"_s;

// The query's variables as the service reads them.
QJsonObject Variables(const ReceivedRequest& r) {
    return QJsonDocument::fromJson(Param(r, u"variables"_s).toUtf8()).object();
}

QString Picture(const QString& name) {
    return kCdn + u"/v/t51.29350-15/"_s + name +
           u"_n.jpg?stp=dst-jpg_e35&efg=eyJ2ZW5jb2RlX3RhZyI6ImltYWdlX3VybGdlbi4xMDgweDEwODAifQ&_nc_ht=scontent-hkg4-1.cdninstagram.com&_nc_cat=1&oh=00_AfC"_s +
           name + u"&oe=67A1B2C3"_s;
}

QString Video(const QString& name) {
    return kCdn + u"/o1/v/t16/f1/m82/"_s + name +
           u".mp4?efg=eyJ2ZW5jb2RlX3RhZyI6InZ0c192b2RfdXJsZ2VuIn0&_nc_ht=scontent-hkg4-1.cdninstagram.com&oh=00_AfD"_s +
           name + u"&oe=67A1B2C4"_s;
}

class InstagramTest : public PortfolioSiteTest {
protected:
    void SetUp() override {
        PortfolioSiteTest::SetUp();
        servePage(kHost, "/xiaoming", Fixture("instagram/profile.html"));
        // The pages of the profile by the cursor the query carries.
        site.route(
            "GET", kHost, kQueryPath, [](const httplib::Request& req, httplib::Response& res) {
                const QJsonObject variables =
                    QJsonDocument::fromJson(
                        QByteArray::fromStdString(req.get_param_value("variables")))
                        .object();
                const QString after = variables.value(u"after").toString();
                const std::map<QString, std::string> pages = {
                    {QString(), "instagram/query-1.json"},
                    {kFirstCursor, "instagram/query-2.json"},
                    {kSecondCursor, "instagram/query-3.json"}};
                const auto page = pages.find(after);
                if (page == pages.end() || variables.value(u"id").toString() != u"25025320"_s ||
                    req.get_param_value("doc_id") != "17991233890457762") {
                    res.status = 400;
                    res.set_content(R"({"message":"bad query","status":"fail"})",
                                    "application/json");
                    return;
                }
                res.set_content(Fixture(page->second), "application/json; charset=utf-8");
            });
        for (const char* path : {"/v/*", "/o1/*"}) {
            site.route("GET", "scontent-hkg4-1.cdninstagram.com", path,
                       [](const httplib::Request& req, httplib::Response& res) {
                           res.set_content(PictureBody(req.target), "image/jpeg");
                       });
        }
    }

    // What the dispatch leaves for the listing: the address up to ".com".
    void listProfile() {
        session.setTextSlot(TextSlot::First, u"https://www.instagram"_s);
        list(InstagramListAlbums, u"xiaoming"_s);
    }
    void downloadListed() {
        site.clearRequests();
        runPictures(InstagramListPhotos, 0);
    }
    std::vector<ReceivedRequest> queries() const {
        std::vector<ReceivedRequest> asked;
        for (const ReceivedRequest& r : site.requests()) {
            if (r.path == kQueryPath)
                asked.push_back(r);
        }
        return asked;
    }
    // The login the browser window holds: its cookies for the site's pages.
    void logInBrowser() {
        browser.onCookies = [](const QString& address) {
            return QUrl(address).host() == u"www.instagram.com"_s
                       ? u"csrftoken=tok123;sessionid=25025320-browser"_s
                       : QString();
        };
    }
};

TEST_F(InstagramTest, TheProfileIsOneAlbumWithTheProfileIdForItsQueries) {
    listProfile();
    const auto albums = session.albums.snapshot();
    ASSERT_EQ(albums.size(), 1u);
    EXPECT_EQ(albums[0].name, u"xiaoming"_s);
    EXPECT_EQ(albums[0].key, kProfile);
    EXPECT_EQ(albums[0].cover, QString());
    EXPECT_EQ(albums[0].photoCount, -1);
    EXPECT_EQ(session.textSlot(TextSlot::Second), u"xiaoming"_s);
    EXPECT_EQ(session.textSlot(TextSlot::Third), u"25025320"_s);
    EXPECT_EQ(session.ownerFolder(), QString());
    EXPECT_EQ(targetsAsked(kHost), (std::vector<std::string>{"/xiaoming"}));
}

TEST_F(InstagramTest, EveryPictureAndVideoOfTheProfileOnceAlongTheCursorChain) {
    listProfile();
    downloadListed();

    const auto asked = queries();
    ASSERT_EQ(asked.size(), 3u);
    const QStringList cursors{QString(), kFirstCursor, kSecondCursor};
    for (std::size_t i = 0; i < asked.size(); ++i) {
        const QJsonObject variables = Variables(asked[i]);
        EXPECT_EQ(variables.value(u"id").toString(), u"25025320"_s);
        EXPECT_EQ(variables.value(u"after").toString(), cursors[qsizetype(i)]);
        EXPECT_EQ(variables.value(u"first").toInt(), 12);
        EXPECT_EQ(Header(asked[i], "X-IG-App-ID"), kInstagramWebAppId);
        EXPECT_EQ(Header(asked[i], "Referer"), kProfile);
        EXPECT_EQ(Header(asked[i], "Accept-Language"), u"zh-CN,zh;q=0.8"_s);
        EXPECT_TRUE(asked[i].https);
    }
    // The carousel's first picture is its own cover too; its video child,
    // like the video post, goes as the video.
    EXPECT_EQ(urls(),
              (QStringList{Picture(u"p1"_s), Video(u"v2"_s), Picture(u"c3a"_s), Picture(u"c3b"_s),
                           Video(u"c3c"_s), Picture(u"p4"_s), Picture(u"p5"_s)}));
    for (const QString& url : urls())
        EXPECT_FALSE(url.contains(u"\\u"_s)) << url.toStdString();
    const QStringList names = downList.names;
    ASSERT_EQ(names.size(), 7);
    EXPECT_TRUE(names[0].startsWith(u"3100000000000000001"_s)) << names[0].toStdString();
    EXPECT_TRUE(names[1].startsWith(u"3100000000000000002"_s)) << names[1].toStdString();
    EXPECT_TRUE(names[1].endsWith(u".mp4"_s)) << names[1].toStdString();
    EXPECT_TRUE(names[2].startsWith(u"3100000000000000003"_s)) << names[2].toStdString();
    EXPECT_TRUE(names[3].startsWith(u"3100000000000000032"_s)) << names[3].toStdString();
    EXPECT_TRUE(names[4].endsWith(u".mp4"_s)) << names[4].toStdString();
    // Three seconds after every page, the last one too.
    EXPECT_EQ(pauses.sleeps(), (QList<qint64>{3000, 3000, 3000}));
}

struct QueryEnd {
    const char* reply;
    int status;
};

TEST_F(InstagramTest, AQueryPageWithoutItemsOrARefusalEndsTheWalkWithWhatCameBefore) {
    const QueryEnd ends[] = {
        {.reply = R"({"data":{"user":null},"status":"ok"})", .status = 200},
        {.reply =
             R"({"message":"Please wait a few minutes before you try again.","require_login":true,"status":"fail"})",
         .status = 401},
        {.reply = "", .status = 200},
    };
    listProfile();
    for (const QueryEnd& end : ends) {
        SCOPED_TRACE(end.reply);
        const std::string reply = end.reply;
        const int status = end.status;
        site.route("GET", kHost, kQueryPath,
                   [reply, status](const httplib::Request& req, httplib::Response& res) {
                       if (req.get_param_value("variables").find(R"("after":"")") !=
                           std::string::npos) {
                           res.set_content(Fixture("instagram/query-1.json"), "application/json");
                           return;
                       }
                       res.status = status;
                       res.set_content(reply, "application/json");
                   });
        downloadListed();
        EXPECT_EQ(queries().size(), 2u);
        EXPECT_EQ(urls(), (QStringList{Picture(u"p1"_s), Video(u"v2"_s)}));
    }
}

struct CookieCase {
    const char* name;
    bool browserLogin;      // the browser window holds a login
    const char* jarSession; // the session cookie the jar holds ("" none)
    const char* sent;       // the one Cookie line every request carries
};

TEST_F(InstagramTest, TheLoginGoesWithEveryRequestAsOneCookieLine) {
    const CookieCase cases[] = {
        {.name = "the browser's login alone",
         .browserLogin = true,
         .jarSession = "",
         .sent = "csrftoken=tok123;sessionid=25025320-browser"},
        {.name = "the browser's login, and the jar's copy of it",
         .browserLogin = true,
         .jarSession = "25025320-browser",
         .sent = "csrftoken=tok123;sessionid=25025320-browser"},
        {.name = "cookies imported into the jar",
         .browserLogin = false,
         .jarSession = "25025320-imported",
         .sent = "sessionid=25025320-imported"},
    };
    for (const CookieCase& c : cases) {
        SCOPED_TRACE(c.name);
        CookieJar::instance().clear();
        browser.onCookies = nullptr;
        if (c.browserLogin)
            logInBrowser();
        if (*c.jarSession) {
            QNetworkCookie cookie("sessionid", c.jarSession);
            cookie.setDomain(u".instagram.com"_s);
            cookie.setPath(u"/"_s);
            CookieJar::instance().insert(cookie);
        }
        listProfile();
        downloadListed();
        const auto asked = queries();
        ASSERT_EQ(asked.size(), 3u);
        for (const ReceivedRequest& r : asked) {
            EXPECT_EQ(r.headers.count("Cookie"), 1u);
            EXPECT_EQ(r.header("Cookie"), c.sent);
        }
    }
    // Asked with the site's addresses, which a cookie store can match.
    for (const QString& address : browser.cookieAddresses())
        EXPECT_EQ(address, kProfile);
}

TEST_F(InstagramTest, TheProfilePageCarriesTheBrowsersLogin) {
    logInBrowser();
    listProfile();
    ASSERT_EQ(site.requests().size(), 1u);
    EXPECT_EQ(site.requests()[0].header("Cookie"), "csrftoken=tok123;sessionid=25025320-browser");
    EXPECT_EQ(browser.cookieAddresses(), QStringList{kProfile});
}

class InstagramCliTest : public InstagramTest {};

TEST_F(InstagramCliTest, DownloadsTheProfileWithImportedCookiesIntoTheUsersFolder) {
    QFile cookies(workDir.filePath(u"login.txt"_s));
    ASSERT_TRUE(cookies.open(QIODevice::WriteOnly));
    cookies.write(".instagram.com\tTRUE\t/\tTRUE\t0\tsessionid\t25025320-imported\n");
    cookies.close();
    const CliRun run =
        RunCli(site, workDir.path(),
               {u"--cookies"_s, cookies.fileName(), u"download"_s,
                u"https://www.instagram.com/xiaoming/"_s, u"--save"_s, saveDir.path()});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    // Beside the album's record of what it downloaded.
    QStringList files = FilesBelow(saveDir.path());
    files.removeIf([](const QString& file) { return file.endsWith(u".korvo"_s); });
    EXPECT_EQ(files.size(), 7) << files.join(u'\n').toStdString();
    EXPECT_TRUE(files.contains(u"xiaoming/3100000000000000001.jpg"_s))
        << files.join(u'\n').toStdString();
    EXPECT_TRUE(files.contains(u"xiaoming/3100000000000000002.mp4"_s))
        << files.join(u'\n').toStdString();
    std::map<std::string, int> fetched;
    for (const ReceivedRequest& r : site.requests()) {
        if (r.host == kHost) {
            EXPECT_EQ(r.header("Cookie"), "sessionid=25025320-imported") << r.target;
        } else {
            ++fetched[r.path];
        }
    }
    EXPECT_EQ(fetched.size(), 7u);
    for (const auto& [path, count] : fetched)
        EXPECT_EQ(count, 1) << path;
}

} // namespace
} // namespace phodex::test
