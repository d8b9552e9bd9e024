// SPDX-License-Identifier: MIT
// Bodies to page text: inflation, markers on inflated bodies, character sets, entities.
#include "net/inflate.h"
#include "net/pagetext.h"
#include "support/gzip.h"
#include "text/codepage.h"

#include <gtest/gtest.h>
#include <zlib.h>

namespace phodex::test {
namespace {

const QString kChinese = QStringLiteral("中文相册");

CUrlResponse replyOf(const QByteArray& body, const char* headers = "HTTP/1.1 200 OK\r\n\r\n",
                     bool gzip = false) {
    CUrlResponse response;
    response.body = body;
    response.headers = QString::fromLatin1(headers);
    response.gzip = gzip;
    return response;
}

QByteArray gzipped(const QByteArray& data) {
    const std::string z = gzipBytes(data.toStdString());
    return QByteArray(z.data(), qsizetype(z.size()));
}

QByteArray zlibbed(const QByteArray& data) {
    uLongf size = compressBound(uLong(data.size()));
    QByteArray out(qsizetype(size), '\0');
    compress(reinterpret_cast<Bytef*>(out.data()), &size,
             reinterpret_cast<const Bytef*>(data.constData()), uLong(data.size()));
    out.truncate(qsizetype(size));
    return out;
}

TEST(GetText, CompressedAndPlainUtf8PagesGiveTheSameText) {
    const QString expected = QStringLiteral("<title>") + kChinese + QStringLiteral("</title>");
    const QByteArray page = expected.toUtf8();
    CUrlResponse plain = replyOf(page);
    CUrlResponse packed =
        replyOf(gzipped(page), "HTTP/1.1 200 OK\r\nContent-Encoding: gzip\r\n\r\n", true);
    EXPECT_EQ(GetText(plain, 0x03), expected);
    EXPECT_EQ(GetText(packed, 0x03), expected);
    EXPECT_TRUE(packed.gzip);
    // Without 0x01 nothing is inflated.
    EXPECT_NE(GetText(packed, 0x02), expected);
}

TEST(GetText, MarkersApplyToTheInflatedPage) {
    CUrlResponse response = replyOf(gzipped("a[S]b[S]c<E>d<E>"), "HTTP/1.1 200 OK\r\n\r\n", true);
    response.startMarker = "[S]";
    response.endMarker = "<E>";
    EXPECT_EQ(GetText(response, 0x03), u"c");
}

TEST(GetText, ABodyThatIsNotCompressedAfterAllIsDecodedRaw) {
    CUrlResponse response =
        replyOf("plain <b>text</b>", "HTTP/1.1 200 OK\r\nX: gzip\r\n\r\n", true);
    EXPECT_EQ(GetText(response, 0x03), u"plain <b>text</b>");
    EXPECT_FALSE(response.gzip);
    EXPECT_EQ(GetText(response, 0x03), u"plain <b>text</b>");
}

TEST(GetText, ATruncatedGzipBodyGivesWhatInflated) {
    QByteArray page("<p>kept</p>");
    for (int i = 0; i < 2000; ++i)
        page += "<p>" + QByteArray::number(i * 7919 % 10007) + "</p>";
    const QByteArray whole = gzipped(page);
    CUrlResponse response = replyOf(whole.left(whole.size() / 2), "HTTP/1.1 200 OK\r\n\r\n", true);
    const QString text = GetText(response, 0x03);
    EXPECT_TRUE(text.startsWith(u"<p>kept</p><p>0</p><p>7919</p>"));
    EXPECT_LT(text.size(), page.size());
}

// The declared "charset=GBK" wins over the caller's flags; the test is exact.
TEST(GetText, CharacterSetsByDeclarationAndFlags) {
    const QByteArray gbk = ToGbk(kChinese);
    const QByteArray big5("\xA4\xA4\xA4\xE5");  // 中文
    const QByteArray eucKr("\xC7\xD1\xB1\xB9"); // 한국
    const QByteArray utf8 = kChinese.toUtf8();
    struct Case {
        QByteArray body;
        const char* headers;
        int flags;
        QString expected;
    } cases[] = {
        {gbk, "HTTP/1.1 200 OK\r\nContent-Type: text/html; charset=GBK\r\n\r\n", 0x03, kChinese},
        {gbk, "HTTP/1.1 200 OK\r\n\r\n", 0x01, kChinese},
        {big5, "HTTP/1.1 200 OK\r\n\r\n", 0x09, QStringLiteral("中文")},
        {eucKr, "HTTP/1.1 200 OK\r\n\r\n", 0x05, QStringLiteral("한국")},
        {utf8, "HTTP/1.1 200 OK\r\n\r\n", 0x11, kChinese},
        {gbk, "HTTP/1.1 200 OK\r\n\r\n", 0x11, kChinese}, // not UTF-8: GBK
        {"plain ascii", "HTTP/1.1 200 OK\r\n\r\n", 0x11, QStringLiteral("plain ascii")},
    };
    for (Case& c : cases) {
        CUrlResponse response = replyOf(c.body, c.headers);
        EXPECT_EQ(GetText(response, c.flags), c.expected) << c.headers << c.flags;
    }
    // Lower case is not the declaration the sites write: decoded as UTF-8, it is not the text.
    CUrlResponse lower =
        replyOf(gbk, "HTTP/1.1 200 OK\r\nContent-Type: text/html; charset=gbk\r\n\r\n");
    EXPECT_NE(GetText(lower, 0x03), kChinese);
}

TEST(GetText, NulBytesEndGbkTextUnlessKeptByFlag0x20) {
    const QByteArray body =
        ToGbk(QStringLiteral("前")) + '\0' + ToGbk(QStringLiteral("后")) + "\x7f!";
    const char* gbkPage = "HTTP/1.1 200 OK\r\nContent-Type: text/html; charset=GBK\r\n\r\n";
    CUrlResponse response = replyOf(body, gbkPage);
    EXPECT_EQ(GetText(response, 0x01), u"前");
    EXPECT_EQ(GetText(response, 0x21), u"前后!");
    // Elsewhere 0x20 changes nothing.
    CUrlResponse plain = replyOf(body);
    EXPECT_EQ(GetText(plain, 0x21), u"前");
}

// One pass per entity in a fixed order: "&amp;lt;" ends as "<", "&amp;quot;" as "&quot;".
TEST(GetText, EntitiesAreDecodedOncePerPass) {
    CUrlResponse response = replyOf("&amp;lt; &amp;quot; &lt;b&gt;");
    EXPECT_EQ(GetText(response, 0x02), u"< &quot; <b>");
}

TEST(Inflate, GzipAndZlibStreamsAreBothRecognised) {
    const QByteArray data = QByteArray("album ").repeated(5000);
    for (const QByteArray& stream : {gzipped(data), zlibbed(data)}) {
        QByteArray out("kept:");
        EXPECT_TRUE(Inflate(stream, out));
        EXPECT_EQ(out, "kept:" + data);
    }
    QByteArray out;
    EXPECT_FALSE(Inflate("not a stream", out));
    EXPECT_TRUE(out.isEmpty());
}

TEST(Inflate, OutputBeyondTheMemoryLimitIsRefused) {
    const std::string& bomb = gzipOfZeros(size_t(kMaxMemoryBody) + 1);
    QByteArray out("before");
    EXPECT_EQ(InflateChecked(QByteArray(bomb.data(), qsizetype(bomb.size())), out),
              InflateResult::TooLarge);
    EXPECT_EQ(out, "before");
    const std::string& fits = gzipOfZeros(size_t(kMaxMemoryBody));
    out.clear();
    EXPECT_EQ(InflateChecked(QByteArray(fits.data(), qsizetype(fits.size())), out),
              InflateResult::Complete);
    EXPECT_EQ(out.size(), kMaxMemoryBody);
}

} // namespace
} // namespace phodex::test
