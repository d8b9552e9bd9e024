// SPDX-License-Identifier: MIT
// Size limits: announced sizes judged before the body, real sizes while and after reading.
#include "fetchfixture.h"

#include "net/pagetext.h"
#include "support/gzip.h"

#include <QTemporaryDir>

namespace phodex::test {
namespace {

using namespace std::chrono_literals;

using FetchLimits = FetchTest;
PHODEX_BOTH_SCHEMES(FetchLimits);

// A body of `size` bytes sent chunked, so no Content-Length announces it.
FakeSite::Handler unannounced(size_t size) {
    return [size](const httplib::Request&, httplib::Response& res) {
        res.set_chunked_content_provider(
            "application/octet-stream",
            [size, sent = size_t(0)](size_t, httplib::DataSink& sink) mutable {
                const std::string piece(std::min<size_t>(65536, size - sent), 'u');
                if (!piece.empty() && !sink.write(piece.data(), piece.size()))
                    return false;
                sent += piece.size();
                if (sent == size)
                    sink.done();
                return true;
            });
    };
}

// Announces `size` bytes and sends a first piece, then holds the connection:
// a client that reads the body gets the piece, one that judged the announced
// size first gets nothing.
FakeSite::Handler announced(const FakeSite& site, size_t size) {
    return site.slowDrip(std::string(size, 'a'), 100, 60s);
}

TEST_P(FetchLimits, AnnouncedSizeOutsideTheLimitsFailsBeforeTheBody) {
    site.get("/small", announced(site, 1000));
    site.get("/large", announced(site, 300 * 1024));
    struct Case {
        const char* path;
        std::uint32_t minKb;
        std::uint32_t maxKb;
    } cases[] = {{"/small", 1, 0}, {"/large", 0, 200}};
    for (const Case& c : cases) {
        CUrlRequest req = request(c.path);
        req.minSizeKb = c.minKb;
        req.maxSizeKb = c.maxKb;
        CUrlResponse response;
        EXPECT_FALSE(Fetch(response, req, 0)) << c.path;
        EXPECT_TRUE(response.body.isEmpty()) << c.path;
        EXPECT_TRUE(response.headers.startsWith(u"HTTP/1.1 200")) << c.path;
    }
}

TEST_P(FetchLimits, UnannouncedSizesAreJudgedWhileAndAfterReading) {
    site.get("/u-small", unannounced(1000));
    site.get("/u-large", unannounced(300 * 1024));
    site.get("/u-fits", unannounced(2048));
    struct Case {
        const char* path;
        std::uint32_t minKb;
        std::uint32_t maxKb;
        bool accepted;
    } cases[] = {
        {"/u-small", 1, 0, false},
        {"/u-large", 0, 200, false},
        {"/u-fits", 2, 2, true}, // exactly the minimum and the maximum
    };
    for (const Case& c : cases) {
        CUrlRequest req = request(c.path);
        req.minSizeKb = c.minKb;
        req.maxSizeKb = c.maxKb;
        CUrlResponse response;
        EXPECT_EQ(Fetch(response, req, 0), c.accepted) << c.path;
        EXPECT_FALSE(response.headers.contains(u"Content-Length")) << c.path;
    }
}

// Nothing held in memory grows past 64 MiB; a file may.
TEST_P(FetchLimits, MemoryBodiesStopAtTheCapFilesDoNot) {
    const size_t overCap = size_t(kMaxMemoryBody) + (8 << 20);
    site.get("/huge", unannounced(overCap));
    site.get("/huge-announced", announced(site, overCap));
    CUrlResponse response;
    EXPECT_FALSE(Fetch(response, request("/huge"), 0));
    EXPECT_LT(response.body.size(), kMaxMemoryBody + (1 << 20)); // stopped at the cap
    EXPECT_FALSE(Fetch(response, request("/huge-announced"), 0));
    EXPECT_TRUE(response.body.isEmpty());

    site.get("/huge-file", [overCap](const httplib::Request&, httplib::Response& res) {
        res.set_content(std::string(overCap, 'f'), "application/octet-stream");
    });
    QTemporaryDir dir;
    for (const char* path : {"/huge", "/huge-file"}) {
        CUrlRequest toFile(url(path), dir.filePath(QStringLiteral("huge.bin")), 10000);
        EXPECT_TRUE(Fetch(response, toFile, 0)) << path;
        EXPECT_EQ(QFileInfo(toFile.savePath).size(), qint64(overCap)) << path;
        EXPECT_TRUE(response.body.isEmpty()) << path;
    }
}

TEST_P(FetchLimits, AGzipBombNeverInflatesPastTheCap) {
    site.mountFaultRoutes();
    CUrlRequest req = request("/fault/gzip-bomb");
    CUrlResponse response;
    // Fetch itself does not inflate unless its checks need to.
    ASSERT_TRUE(Fetch(response, req, 0));
    EXPECT_TRUE(response.gzip);
    EXPECT_LT(response.body.size(), 1 << 20);
    EXPECT_TRUE(GetText(response, 0x03).isEmpty());
    // Judging the inflated body rejects it.
    req.minLength = 1;
    EXPECT_FALSE(Fetch(response, req, kFetchCacheWrite));
}

} // namespace
} // namespace phodex::test
