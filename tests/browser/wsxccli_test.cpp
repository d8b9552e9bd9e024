// SPDX-License-Identifier: MIT
// phodex-cli download of a 微商相册 shop: the shop page runs its script in the
// headless browser, and only then does the listing service answer.
#include "browserworld.h"
#include "clirun.h"
#include "testpaths.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>

namespace phodex {
namespace {

using test::BrowserWorld;
using test::HtmlPage;

const std::string kShopHost = "www.szwego.com";
const std::string kListingPath = "/album/personal/all";
// What the shop page's script leaves in the browser for the listing service.
const std::string kShopCookie = "wego_token=s7k2";

std::string Fixture(const std::string& path) {
    QFile file(QStringLiteral(PHODEX_FIXTURES "/") + QString::fromStdString(path));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path;
    return file.readAll().toStdString();
}

QStringList FilesBelow(const QString& path) {
    QStringList files;
    QDirIterator it(path, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(path).relativeFilePath(it.next()).section(u'/', -1);
    files.sort();
    return files;
}

// The listing's cursor as the request carried it; "" for the first page.
std::string CursorOf(const std::string& target) {
    const std::string key = "&timestamp=";
    const size_t at = target.find(key);
    if (at == std::string::npos)
        return {};
    const size_t from = at + key.size();
    return target.substr(from, target.find('&', from) - from);
}

void ServeShop() {
    test::FakeSite& site = BrowserWorld::site();
    site.route("GET", kShopHost, "/static/index.html",
               [](const httplib::Request&, httplib::Response& res) {
                   res.set_content(
                       HtmlPage("微商相册", "<div id=\"app\"></div><script>document.cookie = '" +
                                                kShopCookie +
                                                "; path=/'; document.getElementById('app')."
                                                "innerHTML = '<p>小林服饰批发</p>';</script>"),
                       "text/html; charset=utf-8");
               });
    const std::map<std::string, std::string> pages = {{"", "wsxc/shop-0.json"},
                                                      {"1700000000000", "wsxc/shop-1.json"},
                                                      {"1699999998000", "wsxc/shop-2.json"},
                                                      {"1699999997000", "wsxc/shop-end.json"}};
    site.route("GET", kShopHost, kListingPath,
               [pages](const httplib::Request& req, httplib::Response& res) {
                   const auto page = pages.find(req.get_param_value("timestamp"));
                   const bool ranScript =
                       req.get_header_value("Cookie").find(kShopCookie) != std::string::npos;
                   if (!ranScript || req.get_param_value("albumId") != "A123" ||
                       page == pages.end()) {
                       res.set_content(Fixture("wsxc/verify.json"), "application/json");
                       return;
                   }
                   res.set_content(Fixture(page->second), "application/json");
               });
    site.get("/2023*", [](const httplib::Request& req, httplib::Response& res) {
        std::string body = req.path.ends_with(".mp4") ? std::string("\0\0\0\x18"
                                                                    "ftypmp42",
                                                                    12)
                                                      : std::string("\xFF\xD8\xFF\xE0");
        body += req.path;
        body.resize(4096, '.');
        res.set_content(body, req.path.ends_with(".mp4") ? "video/mp4" : "image/jpeg");
    });
}

TEST(WsxcCli, DownloadsEveryPostOfAShopOnceItsPageRanInTheBrowser) {
    ServeShop();
    BrowserWorld::site().clearRequests();
    const QTemporaryDir work;
    const QTemporaryDir save;
    const test::CliRun run = test::RunCli(
        work.path(),
        {QStringLiteral("download"),
         BrowserWorld::address(QString::fromStdString(kShopHost),
                               QStringLiteral("/static/index.html#/shop_detail/A123/list")),
         QStringLiteral("--save"), save.path()});
    EXPECT_EQ(run.exitCode, 0) << qPrintable(run.err);
    EXPECT_FALSE(run.err.contains(QStringLiteral("this site wants a login")))
        << qPrintable(run.err);

    // The shop page came first, then the listing, page by page to its end.
    const auto requests = BrowserWorld::site().requests();
    ASSERT_FALSE(requests.empty());
    EXPECT_EQ(requests.front().path, "/static/index.html");
    std::vector<std::string> cursors;
    for (const test::ReceivedRequest& r : BrowserWorld::site().requestsTo(kListingPath)) {
        cursors.push_back(CursorOf(r.target));
        EXPECT_NE(r.header("Cookie").find(kShopCookie), std::string::npos) << r.target;
    }
    EXPECT_EQ(cursors,
              (std::vector<std::string>{"", "1700000000000", "1699999998000", "1699999997000"}));

    const QString owner = save.filePath(QStringLiteral("A123"));
    EXPECT_EQ(QDir(owner).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(), 3);
    EXPECT_EQ(FilesBelow(owner),
              (QStringList{QStringLiteral("1) 1.jpg"), QStringLiteral("1) 1.jpg"),
                           QStringLiteral("1) 1.mp4"), QStringLiteral("2) 2.jpg"),
                           QStringLiteral("3) 3.jpg"), QStringLiteral("pic.korvo"),
                           QStringLiteral("pic.korvo"), QStringLiteral("pic.korvo"),
                           QStringLiteral("图片描述.txt"), QStringLiteral("图片描述.txt"),
                           QStringLiteral("图片描述.txt")}));
}

} // namespace
} // namespace phodex
