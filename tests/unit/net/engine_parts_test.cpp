// SPDX-License-Identifier: MIT
// The engine's small pieces: markers on a growing body, header blocks, request lines.
#include "net/bodymarkers.h"
#include "net/headerblock.h"
#include "net/requestheaders.h"

#include <gtest/gtest.h>

namespace phodex::test {
namespace {

struct MarkerCase {
    const char* body;
    const char* start;
    const char* end;
    const char* cut;
    bool ended;
};

const MarkerCase kMarkerCases[] = {
    {"a[S]b[S]c[S]d", "[S]", "", "d", false},
    {"a[S]b<E>c<E>", "[S]", "<E>", "b", true},
    {"<E>", "", "<E>", "", true},
    {"no markers here", "[S]", "<E>", "no markers here", false},
    {"aaa", "aa", "", "a", false},
    {"x<E>y[S]z", "[S]", "<E>", "z", false}, // the start marker is cut first
};

TEST(CutAtMarkers, WholeBodies) {
    for (const MarkerCase& c : kMarkerCases) {
        QByteArray body(c.body);
        EXPECT_EQ(cutAtMarkers(body, c.start, c.end), c.ended) << c.body;
        EXPECT_EQ(body, c.cut) << c.body;
    }
}

// The body arriving in two pieces, split anywhere, ends the same, as long as
// the end marker is not in the first piece ahead of a later start marker.
TEST(CutAtMarkers, BodiesThatGrowWhileRead) {
    for (const MarkerCase& c : kMarkerCases) {
        const QByteArray whole(c.body);
        if (whole.startsWith("x<E>"))
            continue;
        for (qsizetype split = 0; split <= whole.size(); ++split) {
            QByteArray body = whole.left(split);
            bool ended = cutAtMarkers(body, c.start, c.end, 0);
            if (!ended) {
                const qsizetype known = body.size();
                body += whole.mid(split);
                ended = cutAtMarkers(body, c.start, c.end, known);
            }
            EXPECT_EQ(body, c.cut) << c.body << " split at " << split;
            EXPECT_EQ(ended, c.ended) << c.body << " split at " << split;
        }
    }
}

TEST(HeaderBlock, ContentLengthWhateverTheCase) {
    struct Case {
        const char* block;
        std::optional<quint64> length;
    } cases[] = {
        {"HTTP/1.1 200 OK\r\nContent-Length: 1234\r\n\r\n", 1234},
        {"HTTP/2 200\r\ncontent-length: 77\r\n\r\n", 77},
        {"HTTP/1.1 200 OK\r\nCONTENT-LENGTH:\t 5x\r\n\r\n", 5},
        {"HTTP/1.1 200 OK\r\nContent-Length: none\r\n\r\n", 0},
        {"HTTP/1.1 200 OK\r\nX-Content-Length: 9\r\n\r\n", std::nullopt},
        {"HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(contentLength(c.block), c.length) << c.block;
}

TEST(HeaderBlock, StatusCodes) {
    EXPECT_EQ(statusCodeOf("HTTP/1.1 302 Found\r\n"), 302);
    EXPECT_EQ(statusCodeOf("HTTP/2 200 \r\n"), 200);
    EXPECT_EQ(statusCodeOf("garbage"), 0);
}

TEST(RequestHeaders, CallerLinesUnchangedJarCookiesMerged) {
    struct Case {
        const char* extra;
        const char* jar;
        QList<QByteArray> lines;
    } cases[] = {
        {"Referer: r\r\nX-A: b", "", {"Referer: r", "X-A: b", "Accept:", "Expect:"}},
        {"", "a=1; b=2", {"Cookie: a=1; b=2", "Accept:", "Expect:"}},
        {"cookie: a=9\r\n", "a=1; b=2", {"cookie: a=9; b=2", "Accept:", "Expect:"}},
        {"Accept: */*\r\n\r\n", "", {"Accept: */*", "Expect:"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(requestHeaderLines(QString::fromLatin1(c.extra), c.jar), c.lines) << c.extra;
}

} // namespace
} // namespace phodex::test
