// SPDX-License-Identifier: MIT
#include "sites/clirunner.h"
#include "sites/portfolio/portfoliosite.h"

namespace phodex::test {
namespace {

const std::string kTiebaHost = "tieba.baidu.com";

// phodex-cli lists and downloads a forum and a thread from the fake site.
class TiebaCliTest : public PortfolioSiteTest {
protected:
    void SetUp() override {
        PortfolioSiteTest::SetUp();
        servePagesBy(
            kTiebaHost, "/photo/g", "pn",
            {{"1", Fixture("tieba/albums-2.json")}, {"2", Fixture("tieba/albums-empty.json")}});
        servePagesBy(
            kTiebaHost, "/photo/g/bw/picture/list", "pn",
            {{"1", Fixture("tieba/photos-1.json")}, {"2", Fixture("tieba/photos-empty.json")}});
        servePage(kTiebaHost, "/p/4500000001", Fixture("tieba/post.html"));
        servePage(kTiebaHost, "/photo/p", Fixture("tieba/thread.html"));
        servePagesBy(kTiebaHost, "/photo/bw/picture/guide", "pic_id",
                     {{"", Fixture("tieba/guide-start.json")},
                      {"p3cc", Fixture("tieba/guide-after-p3.json")},
                      {"p5ee", Fixture("tieba/guide-after-p5.json")}});
        site.route("GET", "imgsrc.baidu.com", "/forum/pic/item/*",
                   [](const httplib::Request& req, httplib::Response& res) {
                       res.set_content(PictureBody(req.target), "image/jpeg");
                   });
    }

    CliRun cli(const QStringList& arguments) { return RunCli(site, workDir.path(), arguments); }
    QString forumFolder() const { return saveDir.path() + u"/春天"_s; }
};

const QString kForumAddress = u"https://tieba.baidu.com/f?kw=%E6%98%A5%E5%A4%A9&ie=utf-8"_s;

TEST_F(TiebaCliTest, ListsAForumsAlbums) {
    const CliRun run = cli({u"list"_s, kForumAddress});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(site.countOf("/photo/g"), 2);
}

TEST_F(TiebaCliTest, DownloadsAForumsAlbumIntoTheForumsFolder) {
    const CliRun run = cli({u"download"_s, kForumAddress, u"--save"_s, saveDir.path()});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(FilesBelow(forumFolder()),
              (QStringList{u"古镇/pic.korvo"_s, u"古镇/古镇.jpg"_s, u"古镇/樱花.jpg"_s}));
}

TEST_F(TiebaCliTest, DownloadsAThreadsPicturesOnceEach) {
    const CliRun run = cli(
        {u"download"_s, u"https://tieba.baidu.com/p/4500000001"_s, u"--save"_s, saveDir.path()});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(site.countOf("/photo/bw/picture/guide"), 3);
    EXPECT_EQ(FilesBelow(forumFolder()),
              (QStringList{u"春天的花/pic.korvo"_s, u"春天的花/春天的花(1).jpg"_s,
                           u"春天的花/春天的花.jpg"_s, u"春天的花/最后.jpg"_s,
                           u"春天的花/第一张.jpg"_s, u"春天的花/第三张.jpg"_s}));
}

} // namespace
} // namespace phodex::test
