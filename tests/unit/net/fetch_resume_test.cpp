// SPDX-License-Identifier: MIT
// A transfer that breaks off is continued with a range request, but only
// where the server vouches that the rest belongs to the same body.
#include "fetchfixture.h"

#include "support/testfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sys/xattr.h>

namespace phodex::test {
namespace {

using FetchResume = FetchTest;
PHODEX_BOTH_SCHEMES(FetchResume);

constexpr size_t kFirstPiece = 40000;

std::string Picture(char seed) {
    std::string body = "\xff\xd8\xff\xe0";
    for (int i = 0; body.size() < 120000; ++i)
        body += char(seed + (i * 31 + i / 7) % 61);
    return body;
}

// Sends body with chunked encoding, so the server library applies no range of its own.
void SendWhole(httplib::Response& res, const std::string& body, int status = 200) {
    res.status = status;
    res.set_chunked_content_provider("image/jpeg", [body](size_t offset, httplib::DataSink& sink) {
        if (offset < body.size())
            sink.write(body.data() + offset, body.size() - offset);
        else
            sink.done();
        return true;
    });
}

size_t RangeStart(const httplib::Request& req) {
    const std::string range = req.get_header_value("Range");
    return range.rfind("bytes=", 0) == 0 ? std::stoul(range.substr(6)) : 0;
}

// How the server answers the request that asks for the rest.
enum class Rest { Honoured, Ignored, PictureChanged, WrongRange, NotSatisfiable };

QStringList FilesIn(const QTemporaryDir& dir) {
    return QDir(dir.path()).entryList(QDir::Files | QDir::NoDotAndDotDot);
}

TEST_P(FetchResume, ABrokenTransferIsContinuedOnlyWhereTheServerVouchesForTheRest) {
    const std::string first = Picture('A');
    const std::string second = Picture('a');
    struct Case {
        const char* name;
        std::string validatorHeader; // ETag or Last-Modified, as sent with every reply
        std::string validator;
        Rest rest;
        bool expectRangeAsked;
        std::string expectFile;
    } cases[] = {
        {"strong ETag, honoured", "ETag", "\"v1\"", Rest::Honoured, true, first},
        {"Last-Modified, honoured", "Last-Modified", "Tue, 01 Dec 2026 10:00:00 GMT",
         Rest::Honoured, true, first},
        {"range ignored", "ETag", "\"v1\"", Rest::Ignored, true, first},
        {"picture changed in between", "ETag", "\"v1\"", Rest::PictureChanged, true, second},
        {"range from the wrong place", "ETag", "\"v1\"", Rest::WrongRange, true, first},
        {"range not satisfiable", "ETag", "\"v1\"", Rest::NotSatisfiable, true, first},
        {"weak ETag", "ETag", "W/\"v1\"", Rest::Honoured, false, first},
        {"no validator", "", "", Rest::Honoured, false, first},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        site.clearRequests();
        int served = 0;
        site.get("/pic.jpg", [&](const httplib::Request& req, httplib::Response& res) {
            const bool askedRest = req.has_header("Range");
            const bool changed = c.rest == Rest::PictureChanged;
            const std::string validator = changed && served > 0 ? "\"v2\"" : c.validator;
            if (!c.validatorHeader.empty())
                res.set_header(c.validatorHeader, validator);
            if (served++ == 0)
                return site.cutOff(first, kFirstPiece)(req, res);
            const std::string& body = changed ? second : first;
            if (!askedRest || req.get_header_value("If-Range") != validator)
                return SendWhole(res, body);
            const size_t from = RangeStart(req);
            const std::string total = std::to_string(body.size());
            switch (c.rest) {
            case Rest::Honoured:
                res.set_header("Content-Range", "bytes " + std::to_string(from) + "-" +
                                                    std::to_string(body.size() - 1) + "/" + total);
                return SendWhole(res, body.substr(from), 206);
            case Rest::WrongRange:
                res.set_header("Content-Range",
                               "bytes 100-" + std::to_string(body.size() - 1) + "/" + total);
                return SendWhole(res, body.substr(100), 206);
            case Rest::NotSatisfiable:
                res.set_header("Content-Range", "bytes */" + total);
                return SendWhole(res, "<html>416</html>", 416);
            case Rest::Ignored:
            case Rest::PictureChanged:
                return SendWhole(res, body);
            }
        });
        QTemporaryDir dir;
        CUrlRequest req(url("/pic.jpg"), dir.filePath(QStringLiteral("pic.jpg")), 5000);
        req.attempts = 3;
        CUrlResponse response;
        ASSERT_TRUE(Fetch(response, req, 0x03));
        EXPECT_EQ(ReadFile(req.savePath), bytes(c.expectFile));
        EXPECT_EQ(FilesIn(dir), QStringList{QStringLiteral("pic.jpg")});

        const std::vector<ReceivedRequest> sent = site.requestsTo("/pic.jpg");
        ASSERT_GE(sent.size(), 2u);
        if (c.expectRangeAsked) {
            EXPECT_EQ(sent[1].header("Range"), "bytes=" + std::to_string(kFirstPiece) + "-");
            EXPECT_EQ(sent[1].header("If-Range"), c.validator);
        } else {
            EXPECT_EQ(sent[1].header("Range"), "");
        }
        // A rest that did not fit was thrown away with its start: the next
        // attempt asked for the whole picture.
        if (c.rest == Rest::WrongRange || c.rest == Rest::NotSatisfiable) {
            ASSERT_EQ(sent.size(), 3u);
            EXPECT_EQ(sent[2].header("Range"), "");
        }
        // The finished picture carries nothing of how it was fetched.
        EXPECT_LE(listxattr(QFile::encodeName(req.savePath).constData(), nullptr, 0), 0);
    }
}

// A transfer that keeps breaking off ends with nothing left over, continuable
// or not: a part file survives only a run that is killed.
TEST_P(FetchResume, AFetchThatFailsForGoodLeavesNoPartFile) {
    const std::string body = Picture('k');
    site.get("/pic.jpg", [&](const httplib::Request& req, httplib::Response& res) {
        res.set_header("ETag", "\"k\"");
        // The server library answers the range itself (206, Content-Range).
        const size_t from = RangeStart(req);
        site.cutOff(body, from + 5000)(req, res);
    });
    QTemporaryDir dir;
    CUrlRequest req(url("/pic.jpg"), dir.filePath(QStringLiteral("pic.jpg")), 5000);
    req.attempts = 3;
    CUrlResponse response;
    EXPECT_FALSE(Fetch(response, req, 0x03));
    EXPECT_TRUE(FilesIn(dir).isEmpty()) << FilesIn(dir).join(u' ').toStdString();
    // Each attempt took the next piece rather than starting over.
    const std::vector<ReceivedRequest> sent = site.requestsTo("/pic.jpg");
    ASSERT_EQ(sent.size(), 3u);
    EXPECT_EQ(sent[1].header("Range"), "bytes=5000-");
    EXPECT_EQ(sent[2].header("Range"), "bytes=10000-");
}

} // namespace
} // namespace phodex::test
