// SPDX-License-Identifier: MIT
// One picture by one worker: the fallback address, the Topit rule, the
// scheme completion and names that would leave the album folder.
#include "downloadfixture.h"

#include "download/worker.h"

namespace phodex::test {
namespace {

const QString kCrLf = QStringLiteral("\r\n");

class Worker : public DownloadTest {
protected:
    bool Download(const QString& entry, const QString& name = QStringLiteral("p.jpg")) {
        CDownList list;
        list.folder = folder();
        list.urls << entry;
        list.names << name;
        DownloadParams params;
        params.threads = 1;
        params.timeoutSeconds = 10;
        return DownloadPicture(list, 0, params, nullptr);
    }
    void Serve(const std::string& path, const std::string& body) {
        site.get(path, [body](const httplib::Request&, httplib::Response& res) {
            res.set_content(body, "image/jpeg");
        });
    }
};

TEST(PictureAddress, SplitsAtTheFirstLineEnd) {
    const PictureAddress both =
        SplitPictureAddress(QStringLiteral("http://a/1.jpg\r\nhttp://b/1.jpg"));
    EXPECT_EQ(both.primary, QStringLiteral("http://a/1.jpg"));
    EXPECT_EQ(both.fallback, QStringLiteral("http://b/1.jpg"));
    EXPECT_EQ(PrimaryAddress(QStringLiteral("http://a/1.jpg")), QStringLiteral("http://a/1.jpg"));
    EXPECT_TRUE(SplitPictureAddress(QStringLiteral("http://a/1.jpg")).fallback.isEmpty());
}

TEST_F(Worker, EmptyFirstAddressFallsBackToTheSecond) {
    site.get("/gone.jpg", FakeSite::status(204, ""));
    Serve("/second.jpg", jpegBytes(3000, 's'));
    EXPECT_TRUE(Download(url("/gone.jpg") + kCrLf + url("/second.jpg")));
    EXPECT_EQ(readAll(folder() + QStringLiteral("p.jpg")), bytesOf(jpegBytes(3000, 's')));
    EXPECT_EQ(site.countOf("/second.jpg"), 1);
}

TEST_F(Worker, UsableFirstAddressNeverAsksTheFallback) {
    Serve("/first.jpg", jpegBytes(300, 'f'));
    Serve("/second.jpg", jpegBytes(3000, 's'));
    EXPECT_TRUE(Download(url("/first.jpg") + kCrLf + url("/second.jpg")));
    EXPECT_EQ(readAll(folder() + QStringLiteral("p.jpg")), bytesOf(jpegBytes(300, 'f')));
    EXPECT_EQ(site.countOf("/second.jpg"), 0);
}

// A Topit fallback replaces a first picture under 600 bytes, the site's placeholder.
TEST_F(Worker, TopitFallbackReplacesASmallFirstPicture) {
    const struct {
        size_t firstBytes;
        const char* fallbackHost;
        bool fallbackFetched;
    } cases[] = {
        {599, "img.topit.me", true},
        {600, "img.topit.me", false},
        {100, "img.example.com", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.firstBytes << " bytes, " << c.fallbackHost);
        QFile::remove(folder() + QStringLiteral("p.jpg"));
        site.clearRequests();
        Serve("/small.jpg", jpegBytes(c.firstBytes, 'f'));
        Serve("/large.jpg", jpegBytes(5000, 'l'));
        const QString entry =
            url("/small.jpg") + kCrLf + url("/large.jpg", QString::fromLatin1(c.fallbackHost));
        EXPECT_TRUE(Download(entry));
        EXPECT_EQ(site.countOf("/large.jpg"), c.fallbackFetched ? 1 : 0);
        const std::string expected =
            c.fallbackFetched ? jpegBytes(5000, 'l') : jpegBytes(c.firstBytes, 'f');
        EXPECT_EQ(readAll(folder() + QStringLiteral("p.jpg")), bytesOf(expected));
    }
}

TEST_F(Worker, TopitFallbackFailingKeepsTheFirstPicture) {
    Serve("/small.jpg", jpegBytes(100, 'f'));
    site.get("/large.jpg", FakeSite::status(204, ""));
    EXPECT_TRUE(
        Download(url("/small.jpg") + kCrLf + url("/large.jpg", QStringLiteral("img.topit.me"))));
    EXPECT_EQ(readAll(folder() + QStringLiteral("p.jpg")), bytesOf(jpegBytes(100, 'f')));
}

TEST_F(Worker, AddressWithoutSchemeIsFetchedOverHttp) {
    Serve("/a.jpg", jpegBytes(100));
    EXPECT_TRUE(Download(QStringLiteral("//img.example.com/a.jpg")));
    EXPECT_EQ(site.countOf("/a.jpg"), 1);
}

TEST_F(Worker, NamesThatAreNotOneComponentAreNeverWritten) {
    Serve("/a.jpg", jpegBytes(100));
    for (const char16_t* name : {u"../a.jpg", u"sub/a.jpg", u"", u".."}) {
        EXPECT_FALSE(Download(url("/a.jpg"), QString::fromUtf16(name)));
    }
    EXPECT_EQ(site.countOf("/a.jpg"), 0);
    EXPECT_TRUE(filesBelow(dir.path()).isEmpty());
}

TEST_F(Worker, FailedPictureLeavesNoFile) {
    site.get("/missing.jpg", FakeSite::status(204, ""));
    EXPECT_FALSE(Download(url("/missing.jpg")));
    EXPECT_TRUE(filesBelow(dir.path()).isEmpty());
    // Two attempts, a one-second pause after each.
    EXPECT_EQ(pauses.sleeps(), (QList<qint64>{1000, 1000}));
}

} // namespace
} // namespace phodex::test
