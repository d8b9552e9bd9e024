// SPDX-License-Identifier: MIT
#include "adapters/huaban/huabanadapters.h"
#include "core/catalogue.h"
#include "sites/portfolio/portfoliosite.h"
#include "sites/clirunner.h"

#include <atomic>
#include <memory>

namespace phodex::test {
namespace {

const std::string kSiteHost = "huaban.com";
const std::string kApiHost = "api.huaban.com";
const std::string kPinsPath = "/boards/12345/pins";
const QString kBoard = u"https://huaban.com/boards/12345/"_s;
const QString kBoardKey = u"https://huaban.com/12345/"_s;
constexpr Category kHuaban = Category::HuabanDuitang;

class HuabanTest : public PortfolioSiteTest {
protected:
    void SetUp() override {
        PortfolioSiteTest::SetUp();
        servePage(kSiteHost, "/boards/12345/", Fixture("huaban/board.html"));
        site.route("GET", "hbimg.huaban.com", "/*",
                   [](const httplib::Request& req, httplib::Response& res) {
                       res.set_content(PictureBody(req.target), "image/jpeg");
                   });
    }
    // The pins in three pages; the second page answers with the gateway's
    // error `timeouts` times before it answers.
    void servePins(int timeouts) {
        auto left = std::make_shared<std::atomic<int>>(timeouts);
        site.route("GET", kApiHost, kPinsPath,
                   [left](const httplib::Request& req, httplib::Response& res) {
                       const std::string max = req.get_param_value("max");
                       if (max == "1024" && left->fetch_sub(1) > 0) {
                           res.status = 504;
                           res.set_content(Fixture("huaban/gateway.html"), "text/html");
                           return;
                       }
                       const std::string page = max.empty()     ? "huaban/pins-1.json"
                                                : max == "1024" ? "huaban/pins-2.json"
                                                : max == "1004" ? "huaban/pins-3.json"
                                                                : "";
                       if (page.empty()) {
                           res.status = 404;
                           return;
                       }
                       res.set_content(Fixture(page), "application/json");
                   });
    }
    int addBoard(int photoCount) {
        AlbumInfo album;
        album.name = u"插画参考"_s;
        album.key = kBoardKey;
        album.photoCount = photoCount;
        return addAlbum(album);
    }
    std::vector<std::string> maxAsked() const {
        std::vector<std::string> max;
        for (const ReceivedRequest& r : site.requestsTo(kPinsPath))
            max.push_back(Param(r, u"max"_s).toStdString());
        return max;
    }
};

TEST_F(HuabanTest, ABoardsAddressListsTheBoardWithTheBrowsersCookies) {
    browser.onCookies = [](const QString&) { return u"sid=hb1"_s; };
    dispatch(kHuaban, kBoard + u"?from=home"_s);

    EXPECT_EQ(targetsAsked(kSiteHost), std::vector<std::string>{"/boards/12345/"});
    EXPECT_EQ(browser.cookieAddresses(), QStringList{kBoard + u"?from=home"_s});
    EXPECT_EQ(Header(site.requests().at(0), "Cookie"), u"sid=hb1"_s);
    EXPECT_EQ(session.subType.load(), SubType::HuabanBoard);
    EXPECT_EQ(session.ownerFolder(), u"小花"_s);
    EXPECT_EQ(session.textSlot(TextSlot::Third), u"https://huaban.com/"_s);
    const auto albums = session.albums.snapshot();
    ASSERT_EQ(albums.size(), 1u);
    EXPECT_EQ(albums[0].name, u"插画参考"_s);
    EXPECT_EQ(albums[0].key, kBoardKey);
    EXPECT_EQ(albums[0].photoCount, 43);
}

TEST_F(HuabanTest, PinsComePageByPageAndAGatewayTimeOutIsAskedAgainAfterAPause) {
    servePins(1);
    runPictures(HuabanListPhotos, addBoard(43));

    ASSERT_EQ(urls().size(), 43);
    EXPECT_EQ(urls().first(), u"https://hbimg.huaban.com/a1b2c3d4-1043"_s);
    EXPECT_EQ(urls().last(), u"https://hbimg.huaban.com/a1b2c3d4-1001"_s);
    EXPECT_EQ(maxAsked(), (std::vector<std::string>{"", "1024", "1024", "1004"}));
    EXPECT_EQ(pauses.sleeps(), (QList<qint64>{2000, 6000, 2000}));
    ASSERT_EQ(names().size(), 43);
    EXPECT_TRUE(names().first().startsWith(u"插画 1043"_s)) << names().first().toStdString();
    for (const ReceivedRequest& r : site.requestsTo(kPinsPath)) {
        EXPECT_TRUE(r.https);
        EXPECT_EQ(Param(r, u"limit"_s), u"20"_s);
        EXPECT_EQ(Header(r, "Referer"), kBoardKey);
    }
}

TEST_F(HuabanTest, ThreeGatewayTimeOutsInARowEndTheBoard) {
    servePins(3);
    runPictures(HuabanListPhotos, addBoard(43));
    EXPECT_EQ(urls().size(), 20);
    EXPECT_EQ(maxAsked(), (std::vector<std::string>{"", "1024", "1024", "1024"}));
    EXPECT_EQ(pauses.sleeps(), (QList<qint64>{2000, 6000, 6000, 6000}));
}

TEST_F(HuabanTest, ABoardWithoutACountAddsNothing) {
    servePins(0);
    runPictures(HuabanListPhotos, addBoard(0));
    EXPECT_TRUE(urls().isEmpty());
    EXPECT_EQ(maxAsked(), std::vector<std::string>{""});
}

TEST_F(HuabanTest, ARepeatedPinIsSkippedAndTheNextPageStartsAfterTheLastOne) {
    site.route("GET", kApiHost, kPinsPath, [](const httplib::Request& req, httplib::Response& res) {
        res.set_content(req.get_param_value("max").empty() ? Fixture("huaban/pins-repeat.json")
                                                           : std::string("{\"pins\":[]}"),
                        "application/json");
    });
    runPictures(HuabanListPhotos, addBoard(43));
    EXPECT_EQ(urls(), (QStringList{u"https://hbimg.huaban.com/a1b2c3d4-2005"_s,
                                   u"https://hbimg.huaban.com/a1b2c3d4-2004"_s}));
    EXPECT_EQ(maxAsked(), (std::vector<std::string>{"", "2004"}));
}

TEST_F(HuabanTest, TheCommandLineDownloadsABoard) {
    servePins(0);
    const CliRun run =
        RunCli(site, workDir.path(), {u"download"_s, kBoard, u"--save"_s, saveDir.path()});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QStringList files = FilesBelow(saveDir.path());
    // Every pin once, and the marker of the album's download.
    EXPECT_EQ(files.size(), 44) << files.join(u' ').toStdString();
    EXPECT_TRUE(files.contains(u"小花/插画参考/pic.korvo"_s));
    EXPECT_TRUE(files.contains(u"小花/插画参考/插画 1001.jpg"_s));
    EXPECT_TRUE(files.contains(u"小花/插画参考/插画 1043.jpg"_s)) << files.join(u' ').toStdString();
    EXPECT_EQ(site.countOf("/a1b2c3d4-1001"), 1);
}

} // namespace
} // namespace phodex::test
