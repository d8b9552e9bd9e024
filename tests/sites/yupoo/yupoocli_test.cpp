// SPDX-License-Identifier: MIT
#include "core/catalogue.h"
#include "sites/clirunner.h"
#include "support/siteoption.h"
#include "yupoosite.h"

#include <QFile>

namespace phodex::test {
namespace {

// phodex-cli downloads Yupoo albums as a user runs it, against the fake site.
class YupooCliTest : public YupooSiteTest {
protected:
    void SetUp() override {
        YupooSiteTest::SetUp();
        // The login the user exported from a browser: the Yupoo pages carry
        // it while the command line's browser has no cookies to give.
        QFile cookies(workDir.filePath(u"cookies.txt"_s));
        ASSERT_TRUE(cookies.open(QIODevice::WriteOnly));
        cookies.write(".yupoo.com\tTRUE\t/\tFALSE\t0\tyupoo_login\tu7\n");
    }

    CliRun cli(const QStringList& arguments) {
        return RunCli(site, workDir.path(),
                      QStringList{u"--cookies"_s, workDir.filePath(u"cookies.txt"_s)} + arguments);
    }
};

TEST_F(YupooCliTest, DownloadsAShopsGalleryAndAsksForTheAlbumPassword) {
    servePagesBy(kShopHost, "/", "page",
                 {{"1", Fixture("yupoo/gallery-1.html")}, {"2", Fixture("yupoo/gallery-2.html")}});
    servePagesBy(kShopHost, "/albums/1001", "page",
                 {{"1", Fixture("yupoo/album-1.html")}, {"2", Fixture("yupoo/album-2.html")}});
    servePagesBy(kShopHost, "/albums/1002", "page", {{"1", Fixture("yupoo/album-password.html")}});
    servePagesBy("x.yupoo.com", "/photos/xiaodian/albums/1003", "page",
                 {{"1", Fixture("yupoo/album-2.html")}});

    const CliRun run =
        cli({u"download"_s, u"https://xiaodian.x.yupoo.com/albums"_s, u"--save"_s, saveDir.path()});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(u"加密相册,是否输入密码"_s)) << run.err.toStdString();
    // The large size, as a first run chooses; the password album answered no.
    // Every album folder holds the marker of its download, and the
    // description of an album whose first page has one.
    const QString spring = u"小店 相册/春季新款 A01/"_s;
    const QString summer = u"小店 相册/夏季 B02/"_s;
    EXPECT_EQ(FilesBelow(saveDir.path()),
              (QStringList{summer + u"A01 细节.jpg"_s, summer + u"pic.korvo"_s,
                           summer + u"相册描述.txt"_s, spring + u"A01 白色.jpg"_s,
                           spring + u"A01 细节.jpg"_s, spring + u"A01 黑色.jpg"_s,
                           spring + u"pic.korvo"_s, spring + u"相册描述.txt"_s}));
    EXPECT_EQ(site.countOf("/albums/1002"), 1);
    EXPECT_EQ(site.countOf("/xiaodian/p5001/big.jpg"), 1);
    const auto page = site.lastRequestTo("/albums/1001");
    ASSERT_TRUE(page.has_value());
    EXPECT_NE(page->header("Cookie").find("yupoo_login=u7"), std::string::npos)
        << page->header("Cookie");
}

TEST_F(YupooCliTest, DownloadsAClassicAlbumsOriginalsThroughItsZoomPages) {
    const std::string album = "/photos/xiaowang/albums/101/";
    servePage(kClassicHost, album, Fixture("yupoo/classic-album-1.html"));
    servePage(kClassicHost, album + "page1/", Fixture("yupoo/classic-album-1.html"));
    servePage(kClassicHost, album + "page2/", Fixture("yupoo/classic-album-2.html"));
    servePage(kClassicHost, album + "page3/", Fixture("yupoo/classic-list-empty.html"));
    for (const char* id : {"9001", "9002", "9003"}) {
        std::string zoom = Fixture("yupoo/classic-zoom.html");
        zoom.replace(zoom.find("PICTURE"), 7,
                     std::string("http://pic.yupoo.com/xiaowang/p") + id + "/original.jpg");
        servePage(kClassicHost, std::string("/photos/xiaowang/") + id + "/zoom/original/", zoom);
    }
    const CliRun set = cli({u"settings"_s, SiteOption(Category::Yupoo), u"yupoo-large=off"_s});
    ASSERT_EQ(set.exitCode, 0) << set.err.toStdString();

    const CliRun run = cli({u"download"_s, u"http://www.yupoo.com/photos/xiaowang/albums/101/"_s,
                            u"--save"_s, saveDir.path()});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QString spring = u"小王/春天/"_s;
    EXPECT_EQ(FilesBelow(saveDir.path()),
              (QStringList{spring + u"pic.korvo"_s, spring + u"春天.jpg"_s, spring + u"柳树.jpg"_s,
                           spring + u"樱花.jpg"_s, spring + u"相册描述.txt"_s}));
    EXPECT_EQ(site.countOf("/xiaowang/p9002/original.jpg"), 1);
    EXPECT_EQ(site.countOf("/xiaowang/p9002/small.jpg"), 0);
}

} // namespace
} // namespace phodex::test
