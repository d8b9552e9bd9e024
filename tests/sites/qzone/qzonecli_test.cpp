// SPDX-License-Identifier: MIT
#include "qqsite.h"
#include "support/clirunner.h"
#include "support/siteoption.h"

#include <QFile>
#include <QProcess>

#include <csignal>
#include <thread>

namespace phodex::test {
namespace {

// phodex-cli as a user runs it, its requests sent to the fake site.
class QzoneCliTest : public QqSiteTest {
protected:
    void SetUp() override {
        QqSiteTest::SetUp();
        serveQzone();
        serve("sznu.photo.qq.com", "/cgi-bin/common/cgi_view_album_v2",
              Fixture("qzone/photos-empty.jsonp"));
        writeLogin();
    }

    void writeLogin() {
        QFile cookies(workDir.filePath(u"login.txt"_s));
        ASSERT_TRUE(cookies.open(QIODevice::WriteOnly));
        cookies.write(".qq.com\tTRUE\t/\tFALSE\t0\tuin\to0012345\n"
                      ".qq.com\tTRUE\t/\tFALSE\t0\tskey\t@skey-xyz\n"
                      ".qzone.qq.com\tTRUE\t/\tFALSE\t0\tp_skey\tpskey-abc\n");
    }

    void start(QProcess& process, const QStringList& arguments) {
        StartCli(process, QStringLiteral(PHODEX_CLI), site, workDir.path(), arguments);
    }

    CliRun cli(const QStringList& arguments) {
        return RunCli(QStringLiteral(PHODEX_CLI), site, workDir.path(), arguments);
    }

    QString owner() const { return saveDir.path() + u"/12345"_s; }
};

TEST_F(QzoneCliTest, DownloadsEveryAlbumThenNothingNewWhenSkippingEarlierPictures) {
    const CliRun first = cli({u"--cookies"_s, workDir.filePath(u"login.txt"_s), u"download"_s,
                              kOwner, u"--save"_s, saveDir.path()});
    EXPECT_EQ(first.exitCode, 0) << first.err.toStdString();
    EXPECT_TRUE(first.err.contains(u"获取相册列表完成，共5个"_s)) << first.err.toStdString();
    EXPECT_EQ(FilesBelow(owner()),
              (QStringList{u"家人/IMG_0100.jpg"_s, u"家人/pic.korvo"_s, u"旅行/IMG_0001.jpg"_s,
                           u"旅行/IMG_0002.jpg"_s, u"旅行/pic.korvo"_s, u"旅行/山顶.jpg"_s,
                           u"说说里的图片/pic.korvo"_s, u"说说里的图片/今天去爬山(1).jpg"_s,
                           u"说说里的图片/今天去爬山.jpg"_s, u"说说里的图片/晚饭.jpg"_s}));

    const CliRun set = cli({u"settings"_s, SiteOption(Category::Qq), u"skip-previous=on"_s});
    ASSERT_EQ(set.exitCode, 0) << set.err.toStdString();
    site.clearRequests();
    const CliRun again = cli({u"download"_s, kOwner, u"--save"_s, saveDir.path()});
    EXPECT_EQ(again.exitCode, 2) << again.err.toStdString(); // nothing downloaded
    EXPECT_EQ(site.countOf("/psb"), 0);
    EXPECT_GT(site.countOf(kPhotoListPath), 0); // the albums were looked at again
    EXPECT_EQ(FilesBelow(owner()).size(), 10);
}

// The command line shows no window: a login the site asks for becomes one
// message that says what to do instead, and the listing ends with nothing.
TEST_F(QzoneCliTest, ALoginTheSiteAsksForIsOneMessageAboutTheWindowOrCookies) {
    serve(kProxyHost, kAlbumListPath, Fixture("qzone/albums-refused.jsonp"));
    const CliRun run = cli({u"--yes"_s, u"list"_s, kOwner});
    EXPECT_EQ(run.exitCode, 2) << run.err.toStdString();
    EXPECT_EQ(run.err.count(u"this site wants a login"_s), 1) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(u"--cookies FILE"_s)) << run.err.toStdString();
}

// The album list never answers: the page would wait out its read time-out and
// then the pauses between attempts. Ctrl-C ends the fetch in flight and the
// pauses at once.
class QzoneCliInterruptTest : public QzoneCliTest {
protected:
    void SetUp() override {
        QqSiteTest::SetUp();
        serve(kUserHost, kRoutePath, Fixture("qzone/route.json"));
        site.route("GET", kProxyHost, kAlbumListPath, site.stall());
        writeLogin();
    }
};

TEST_F(QzoneCliInterruptTest, CtrlCDuringAStalledListingEndsTheCommandAtOnce) {
    QProcess process;
    start(process, {u"--cookies"_s, workDir.filePath(u"login.txt"_s), u"list"_s, kOwner});
    ASSERT_TRUE(process.waitForStarted(10000));
    for (int i = 0; i < 400 && site.countOf(kAlbumListPath) == 0; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(25));
    ASSERT_EQ(site.countOf(kAlbumListPath), 1) << "the listing reached the album list";
    ::kill(pid_t(process.processId()), SIGINT);
    // Far below the page's read time-out and the pauses that would follow.
    ASSERT_TRUE(process.waitForFinished(5000)) << "still running 5 s after Ctrl-C";
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 3) << process.readAllStandardError().toStdString();
    EXPECT_EQ(site.countOf(kAlbumListPath), 1);
}

} // namespace
} // namespace phodex::test
