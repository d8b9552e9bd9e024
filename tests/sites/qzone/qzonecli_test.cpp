// SPDX-License-Identifier: MIT
#include "qqsite.h"
#include "sites/clirunner.h"
#include "support/siteoption.h"

#include <QFile>
#include <QRegularExpression>

#include <algorithm>
#include <iterator>

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

    bool start(ChildProgram& process, const QStringList& arguments) {
        return StartCli(process, site, workDir.path(), arguments);
    }

    CliRun cli(const QStringList& arguments) { return RunCli(site, workDir.path(), arguments); }

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

// What a terminal showed: the draws of the live line (each ended by "erase
// to the end of the row") and the ordinary lines, each with its row.
struct TerminalText {
    struct Piece {
        int row;
        QString text;
        bool live;
    };
    std::vector<Piece> pieces;

    explicit TerminalText(QString received) {
        received.replace(u"\r\n"_s, u"\n"_s);
        const QStringList rows = received.split(u'\n');
        for (int row = 0; row < rows.size(); ++row) {
            for (QString piece : rows[row].split(u'\r')) {
                const bool live = piece.endsWith(u"\x1b[K"_s);
                piece.remove(u"\x1b[K"_s);
                if (!piece.isEmpty())
                    pieces.push_back({row, piece, live});
            }
        }
    }
    std::vector<Piece> live() const {
        std::vector<Piece> drawn;
        std::copy_if(pieces.begin(), pieces.end(), std::back_inserter(drawn),
                     [](const Piece& piece) { return piece.live; });
        return drawn;
    }
};

// Columns on the terminal, for the names of this site's albums.
int ColumnsOf(const QString& text) {
    int columns = 0;
    for (const QChar c : text)
        columns += c.unicode() >= 0x2E80 ? 2 : 1;
    return columns;
}

// On a terminal the steps of a download are one line redrawn in place,
// never wider than the terminal, and a summary ends it.
TEST_F(QzoneCliTest, OnATerminalProgressIsOneLiveLineThenASummary) {
    constexpr int kColumns = 44;
    const CliRun run = RunCliOnTerminal(site, workDir.path(),
                                        {u"--cookies"_s, workDir.filePath(u"login.txt"_s),
                                         u"download"_s, kOwner, u"--save"_s, saveDir.path()},
                                        kColumns);
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const TerminalText shown(run.err);
    const std::vector<TerminalText::Piece> live = shown.live();
    ASSERT_FALSE(live.empty()) << run.err.toStdString();
    for (const TerminalText::Piece& piece : live) {
        EXPECT_EQ(piece.row, live.front().row) << piece.text.toStdString();
        EXPECT_LT(ColumnsOf(piece.text), kColumns) << piece.text.toStdString();
    }
    EXPECT_EQ(live.front().text, u"正在获取相册列表，请稍等..."_s);
    // Each album's line names it, then counts its pictures up to all of them.
    const QStringList files = FilesBelow(owner()).filter(QRegularExpression(u"\\.jpg$"_s));
    for (const QString& album : {u"家人"_s, u"旅行"_s, u"说说里的图片"_s}) {
        const int pictures = int(files.filter(album + u'/').size());
        const QString done = u"%1/%1 pictures"_s.arg(pictures);
        EXPECT_TRUE(std::any_of(live.begin(), live.end(),
                                [&](const TerminalText::Piece& piece) {
                                    return piece.text.contains(
                                               QRegularExpression(u"^\\[[1-5]/5\\] "_s + album)) &&
                                           piece.text.contains(done);
                                }))
            << album.toStdString() << " in " << run.err.toStdString();
    }
    EXPECT_FALSE(run.err.contains(u"已下载"_s)); // the plain lines' progress
    const TerminalText::Piece& last = shown.pieces.back();
    EXPECT_FALSE(last.live);
    EXPECT_EQ(last.row, live.back().row); // in the live line's place
    EXPECT_EQ(last.text,
              u"5 albums: %1 pictures downloaded, 0 skipped, 0 failed, in %2"_s.arg(files.size())
                  .arg(saveDir.path()));
}

// --quiet keeps a terminal as quiet as a pipe: no live line, no summary.
TEST_F(QzoneCliTest, QuietOnATerminalShowsNoProgress) {
    const CliRun run =
        RunCliOnTerminal(site, workDir.path(),
                         {u"--quiet"_s, u"--cookies"_s, workDir.filePath(u"login.txt"_s),
                          u"download"_s, kOwner, u"--save"_s, saveDir.path()},
                         80);
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
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
    ChildProgram process;
    ASSERT_TRUE(start(process, {u"--cookies"_s, workDir.filePath(u"login.txt"_s), u"list"_s, kOwner}))
        << process.error().toStdString();
    for (int i = 0; i < 400 && site.countOf(kAlbumListPath) == 0; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(25));
    ASSERT_EQ(site.countOf(kAlbumListPath), 1) << "the listing reached the album list";
    process.signal(SIGINT);
    // Far below the page's read time-out and the pauses that would follow.
    ASSERT_TRUE(process.waitForFinished(5000)) << "still running 5 s after Ctrl-C";
    EXPECT_EQ(process.exitCode(), 3) << process.standardError().toStdString();
    EXPECT_EQ(site.countOf(kAlbumListPath), 1);
}

} // namespace
} // namespace phodex::test
