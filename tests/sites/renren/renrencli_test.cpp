// SPDX-License-Identifier: MIT
#include "sites/clirunner.h"
#include "sites/portfolio/portfoliosite.h"

namespace phodex::test {
namespace {

const std::string kRenrenPhotoHost = "photo.renren.com";

// phodex-cli lists and downloads a user's albums and a public page's from
// the fake site.
class RenrenCliTest : public PortfolioSiteTest {
protected:
    void SetUp() override {
        PortfolioSiteTest::SetUp();
        servePage(kRenrenPhotoHost, "/photo/222333444/albumlist/v7",
                  Fixture("renren/albumlist-v7.html"));
        servePictureList("/photo/222333444/album-1001/", "renren/photos-v7-1.json",
                         "renren/photos-v7-2.json");
        servePictureList("/photo/222333444/album-1003/", "renren/photos-v7-family.json");
        servePagesBy(
            "page.renren.com", "/600000001/album", "curpage",
            {{"1", Fixture("renren/public-1.html")}, {"2", Fixture("renren/public-2.html")}});
        servePictureList("/photo/600000001/album-7001/", "renren/photos-v7-1.json");
        site.route("GET", "fmn.rrimg.com", "/*",
                   [](const httplib::Request& req, httplib::Response& res) {
                       res.set_content(PictureBody(req.target), "image/jpeg");
                   });
    }

    // The album's ajax pages: these, then an empty one.
    void servePictureList(const std::string& album, const char* first,
                          const char* second = nullptr) {
        std::map<std::string, std::string> pages{{"1", Fixture(first)}};
        pages["2"] = Fixture(second ? second : "renren/photos-v7-empty.json");
        if (second)
            pages["3"] = Fixture("renren/photos-v7-empty.json");
        servePagesBy(kRenrenPhotoHost, album + "bypage/ajax/v7", "page", pages);
    }

    CliRun cli(const QStringList& arguments) { return RunCli(site, workDir.path(), arguments); }
};

TEST_F(RenrenCliTest, ListsAUsersAlbums) {
    const CliRun run = cli({u"list"_s, u"https://www.renren.com/222333444/profile"_s});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(site.countOf("/photo/222333444/albumlist/v7"), 1);
}

TEST_F(RenrenCliTest, DownloadsAUsersAlbumsIntoTheOwnersFolder) {
    const CliRun run = cli({u"download"_s, u"https://www.renren.com/222333444/profile"_s,
                            u"--save"_s, saveDir.path()});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(FilesBelow(saveDir.path() + u"/张三"_s),
              (QStringList{u"家人/1.jpg"_s, u"家人/pic.korvo"_s, u"旅行/1.jpg"_s, u"旅行/2.jpg"_s,
                           u"旅行/3.jpg"_s, u"旅行/pic.korvo"_s}));
    // Every picture was asked for with its list page as Referer.
    const auto picture = site.lastRequestTo("/fmn02/large/f1.jpg");
    ASSERT_TRUE(picture.has_value());
    EXPECT_EQ(
        Header(*picture, "Referer"),
        u"https://photo.renren.com/photo/222333444/album-1003/bypage/ajax/v7?page=1&pageSize=40"_s);
}

TEST_F(RenrenCliTest, DownloadsAPublicPagesAlbums) {
    const CliRun run = cli(
        {u"download"_s, u"https://page.renren.com/600000001/album"_s, u"--save"_s, saveDir.path()});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(FilesBelow(saveDir.path() + u"/北京旅游"_s),
              (QStringList{u"长城/1.jpg"_s, u"长城/2.jpg"_s, u"长城/pic.korvo"_s}));
}

} // namespace
} // namespace phodex::test
