// SPDX-License-Identifier: MIT
// Bodies saved to files: a final name only ever holds an accepted, complete body.
#include "fetchfixture.h"

#include "net/partfile.h"
#include "net/webops.h"
#include "support/filesizelimit.h"
#include "support/testfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace phodex::test {
namespace {

using FetchFile = FetchTest;
PHODEX_BOTH_SCHEMES(FetchFile);

QStringList filesIn(const QTemporaryDir& dir) {
    return QDir(dir.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
}

TEST_P(FetchFile, AnAcceptedBodyTakesItsNameAndNothingElseRemains) {
    const std::string picture(300000, 'p');
    site.page("/p.jpg", picture, "image/jpeg");
    QTemporaryDir dir;
    CUrlRequest req(url("/p.jpg"), dir.filePath(QStringLiteral("001.jpg")), 10000);
    CUrlResponse response;
    ASSERT_TRUE(Fetch(response, req, 0x03));
    EXPECT_EQ(ReadFile(req.savePath), bytes(picture));
    EXPECT_EQ(filesIn(dir), QStringList{QStringLiteral("001.jpg")});
    EXPECT_TRUE(response.body.isEmpty()); // never held in memory
}

// Every way a transfer can go wrong leaves neither the final file nor a part file.
TEST_P(FetchFile, FailedTransfersLeaveNoFile) {
    site.mountFaultRoutes();
    site.page("/tiny.jpg", "tiny", "image/jpeg");
    struct Case {
        const char* path;
        std::uint32_t minSizeKb;
    } cases[] = {
        {"/fault/reset", 0}, {"/fault/stall", 0}, {"/fault/204", 0},
        {"/tiny.jpg", 1},    {"/fault/drip", 2},  {"/fault/404", 1}, // smaller than the minimum
    };
    for (const Case& c : cases) {
        QTemporaryDir dir;
        CUrlRequest req(url(c.path), dir.filePath(QStringLiteral("x.jpg")), 1500);
        req.minSizeKb = c.minSizeKb;
        req.attempts = 2;
        CUrlResponse response;
        EXPECT_FALSE(Fetch(response, req, 0x03)) << c.path;
        EXPECT_TRUE(filesIn(dir).isEmpty())
            << c.path << ": " << filesIn(dir).join(u' ').toStdString();
    }
}

TEST_P(FetchFile, AFileTheProgramDidNotWriteIsNeverReplaced) {
    site.page("/p.jpg", "new picture", "image/jpeg");
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("mine.jpg"));
    WriteFile(path, "the user's own file");
    CUrlRequest req(url("/p.jpg"), path, 10000);
    CUrlResponse response;
    EXPECT_FALSE(Fetch(response, req, 0));
    EXPECT_EQ(ReadFile(path), "the user's own file");
    EXPECT_EQ(filesIn(dir), QStringList{QStringLiteral("mine.jpg")});
}

// An album downloaded again finds its pictures in place: the same bytes are a
// success that leaves the file as it was, other bytes still fail.
TEST_P(FetchFile, AFileAlreadyHoldingTheSameBytesCountsAsFetched) {
    site.page("/p.jpg", "the picture", "image/jpeg");
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("p.jpg"));
    WriteFile(path, "the picture");
    ASSERT_TRUE(QFile::setPermissions(path, QFileDevice::ReadOwner));
    CUrlResponse response;
    EXPECT_TRUE(Fetch(response, CUrlRequest(url("/p.jpg"), path, 10000), 0));
    EXPECT_EQ(ReadFile(path), "the picture");
    EXPECT_FALSE(QFile::permissions(path) & QFileDevice::WriteOwner); // not written again
    EXPECT_EQ(filesIn(dir), QStringList{QStringLiteral("p.jpg")});

    WriteFile(dir.filePath(QStringLiteral("q.jpg")), "the picture, edited");
    site.page("/q.jpg", "the picture", "image/jpeg");
    EXPECT_FALSE(Fetch(
        response, CUrlRequest(url("/q.jpg"), dir.filePath(QStringLiteral("q.jpg")), 10000), 0));
    EXPECT_EQ(ReadFile(dir.filePath(QStringLiteral("q.jpg"))), "the picture, edited");
}

TEST_P(FetchFile, AFileThisProcessWroteMayBeFetchedAgain) {
    site.page("/first.jpg", "first", "image/jpeg");
    site.page("/second.jpg", "second", "image/jpeg");
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("same.jpg"));
    CUrlResponse response;
    ASSERT_TRUE(Fetch(response, CUrlRequest(url("/first.jpg"), path, 10000), 0));
    ASSERT_TRUE(Fetch(response, CUrlRequest(url("/second.jpg"), path, 10000), 0));
    EXPECT_EQ(ReadFile(path), "second");
}

TEST_P(FetchFile, AFileThatCannotBeCreatedFailsTheAttempt) {
    site.page("/p.jpg", "picture", "image/jpeg");
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("blocked.jpg.part")));
    const QString paths[] = {dir.filePath(QStringLiteral("no/such/folder/p.jpg")),
                             dir.filePath(QStringLiteral("blocked.jpg"))};
    for (const QString& path : paths) {
        CUrlResponse response;
        EXPECT_FALSE(Fetch(response, CUrlRequest(url("/p.jpg"), path, 10000), 0))
            << path.toStdString();
        EXPECT_FALSE(QFileInfo::exists(path)) << path.toStdString();
    }
}

// A write that fails half-way (here: the file size limit) fails the attempt.
TEST_P(FetchFile, AWriteThatFailsHalfWayFailsTheAttempt) {
    site.page("/big.jpg", std::string(512 * 1024, 'b'), "image/jpeg");
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.jpg"));
    bool fetched = false;
    {
        const ScopedFileSizeLimit limit(100 * 1024);
        ASSERT_TRUE(limit.isSet());
        CUrlResponse response;
        fetched = Fetch(response, CUrlRequest(url("/big.jpg"), path, 10000), 0);
    }
    EXPECT_FALSE(fetched);
    EXPECT_TRUE(filesIn(dir).isEmpty());
}

TEST_P(FetchFile, LongNamesStillGetAPartFile) {
    site.page("/p.jpg", "picture", "image/jpeg");
    QTemporaryDir dir;
    // 251 bytes of name: with ".part" it would pass the 255-byte limit.
    const QString name = QString(82, QChar(0x56fe)) + QStringLiteral("x.jpg");
    ASSERT_EQ(name.toUtf8().size(), 251);
    const QString path = dir.filePath(name);
    EXPECT_LE(QFileInfo(partPathFor(path)).fileName().toUtf8().size(), 255);
    CUrlResponse response;
    ASSERT_TRUE(Fetch(response, CUrlRequest(url("/p.jpg"), path, 10000), 0));
    EXPECT_EQ(ReadFile(path), "picture");
}

TEST_P(FetchFile, DownloadToFileSendsItsHeadersAndWritesOnlyOnSuccess) {
    site.page("/cover.jpg", "cover", "image/jpeg");
    site.mountFaultRoutes();
    QTemporaryDir dir;
    const QString good = dir.filePath(QStringLiteral("0.jpg"));
    const QString bad = dir.filePath(QStringLiteral("1.jpg"));
    EXPECT_TRUE(DownloadToFile(url("/cover.jpg"),
                               QStringLiteral("Referer: https://www.douban.com/photos/"), good));
    EXPECT_EQ(ReadFile(good), "cover");
    EXPECT_EQ(site.lastRequestTo("/cover.jpg")->header("Referer"),
              "https://www.douban.com/photos/");
    EXPECT_FALSE(DownloadToFile(url("/fault/204"), QString(), bad));
    EXPECT_FALSE(QFileInfo::exists(bad));
}

} // namespace
} // namespace phodex::test
