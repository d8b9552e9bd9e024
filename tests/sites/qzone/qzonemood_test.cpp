// SPDX-License-Identifier: MIT
#include "adapters/qzone/qzoneadapters.h"
#include "adapters/qzone/qzonetoken.h"
#include "adapters/qzone/shuoshuo.h"
#include "jobs/downloadjob.h"
#include "qqsite.h"

#include <QFile>

namespace phodex::test {
namespace {

// Posts pages of 20 posts with one picture each, the last page shorter.
std::string PostsPage(int pos, int posts) {
    std::string body = "_Callback({\"code\":0,\"msglist\":[";
    for (int i = 0; i < posts; ++i) {
        const std::string n = std::to_string(pos + i);
        body += std::string(i ? "," : "") +
                "{\"certified\":0,\"conlist\":null,\"content\":\"post " + n +
                "\",\"pic\":[{\"pic_id\":\"" + n +
                "\",\"smallurl\":\"https:\\/\\/a1.qpic.cn\\/psb?\\/mood\\/" + n +
                "\\/a\\/dSmall\"}],\"tid\":\"t" + n + "\"}";
    }
    return body + "],\"message\":\"\"});";
}

class QzoneMoodTest : public QqSiteTest {
protected:
    void SetUp() override {
        QqSiteTest::SetUp();
        posts = addAlbum(ShuoshuoAlbum(kOwner));
    }
    // The posts service with `fullPages` pages of 20 posts, then one of 3.
    void servePosts(int fullPages) {
        site.route("GET", kProxyHost, kMoodPath,
                   [fullPages](const httplib::Request& req, httplib::Response& res) {
                       const int pos = std::stoi(req.get_param_value("pos"));
                       res.set_content(PostsPage(pos, pos / 20 < fullPages ? 20 : 3),
                                       "application/javascript");
                   });
    }
    int posts = -1;
};

TEST_F(QzoneMoodTest, ThePostsAlbumListsEachPostsPicturesUnderItsText) {
    logIn();
    serveQzone();
    runPictures(QzoneListPhotos, posts);

    const auto requests = site.requestsTo(kMoodPath);
    ASSERT_EQ(requests.size(), 1u);
    const ReceivedRequest& r = requests[0];
    EXPECT_TRUE(r.https);
    EXPECT_EQ(Param(r, u"uin"_s), kOwner);
    EXPECT_EQ(Param(r, u"hostUin"_s), kOwner);
    EXPECT_EQ(Param(r, u"pos"_s), u"0"_s);
    EXPECT_EQ(Param(r, u"num"_s), u"20"_s);
    EXPECT_NE(
        r.target.find("cgi_host=http%3A%2F%2Ftaotao.qq.com%2Fcgi-bin%2Femotion_cgi_msglist_v6"),
        std::string::npos);
    EXPECT_EQ(Param(r, u"g_tk"_s), QString::number(QzoneToken(u"pskey-abc"_s)));
    EXPECT_EQ(Header(r, "referer"), u"https://qzs.qq.com/qzone/app/mood_v6/html/index.html"_s);

    EXPECT_EQ(urls(), (QStringList{u"https://a1.qpic.cn/psb?/mood/m1a/b/dSmall"_s,
                                   u"https://a1.qpic.cn/psb?/mood/m1b/b/dSmall"_s,
                                   u"https://a1.qpic.cn/psb?/mood/m2a/b/dSmall"_s}));
    // The comments before a post's own text do not title its pictures.
    EXPECT_EQ(downList.names,
              (QStringList{u"今天去爬山.jpg"_s, u"今天去爬山(1).jpg"_s, u"晚饭.jpg"_s}));
    EXPECT_EQ(pauses.sleeps(), (QList<qint64>{4200}));
}

struct PageLimitCase {
    int mode; // "下载方式"
    int fullPages;
    std::vector<int> positions;
    QList<qint64> sleeps;
};

TEST_F(QzoneMoodTest, FivePagesAreReadUnlessTheModeIs123) {
    logIn();
    const PageLimitCase cases[] = {
        {0, 9, {0, 20, 40, 60, 80}, {4200, 4400, 4600, 4800}},
        {123, 6, {0, 20, 40, 60, 80, 100, 120}, {4200, 4400, 4600, 4800, 5000, 5200, 5400}},
        {0, 2, {0, 20, 40}, {4200, 4400, 4600}},
    };
    for (const PageLimitCase& c : cases) {
        SCOPED_TRACE(c.mode * 100 + c.fullPages);
        extension.moodListMode = c.mode;
        servePosts(c.fullPages);
        site.clearRequests();
        RecordingPacer casePauses;
        ScopedPacer scope(casePauses);
        runPictures(QzoneListMoodPhotos, posts);
        std::vector<int> positions;
        for (const ReceivedRequest& r : site.requestsTo(kMoodPath))
            positions.push_back(Param(r, u"pos"_s).toInt());
        EXPECT_EQ(positions, c.positions);
        EXPECT_EQ(casePauses.sleeps(), c.sleeps);
        EXPECT_EQ(urls().size(), std::min(c.fullPages * 20 + 3, int(c.positions.size()) * 20));
    }
}

TEST_F(QzoneMoodTest, WithoutALoginOrWhenRefusedThePostsAreLeftWithAMessage) {
    serveQzone();
    runPictures(QzoneListPhotos, posts);
    EXPECT_EQ(site.countOf(kMoodPath), 0);
    ASSERT_EQ(prompt.informations().size(), 1);
    EXPECT_TRUE(prompt.informations()[0].contains(u"登录"_s));

    logIn();
    serve(kProxyHost, kMoodPath, Fixture("qzone/mood-refused.jsonp"));
    runPictures(QzoneListPhotos, posts);
    EXPECT_EQ(site.countOf(kMoodPath), 1);
    EXPECT_EQ(prompt.informations().size(), 2);
    EXPECT_EQ(prompt.informations().value(1), u"请先登录空间"_s);
    EXPECT_TRUE(urls().isEmpty());
}

// The page limit is lifted by the INI file the download job reads.
TEST_F(QzoneMoodTest, TheIniFileSwitchReachesTheDownloadJob) {
    logIn();
    serveQzone();
    servePosts(6);
    QFile ini(session.workDir + u"下载器扩展设置.ini"_s);
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write(u"[QQ说说]\r\n下载方式=123\r\n"_s.toUtf8());
    ini.close();
    session.listType = Category::Qq;
    session.subType = 0;
    DownloadJob job(env);
    const auto result = job.run(DownloadJobRequest{saveDir.path(), {posts}});
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(site.countOf(kMoodPath), 7);
    EXPECT_EQ(result->pictures, 6 * 20 + 3);
    EXPECT_EQ(result->saved, 6 * 20 + 3);
}

} // namespace
} // namespace phodex::test
