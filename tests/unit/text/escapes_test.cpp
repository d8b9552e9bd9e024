// SPDX-License-Identifier: MIT
#include "text/escapes.h"

#include <gtest/gtest.h>

#include "qstring_printer.h"

namespace phodex {
namespace {

struct Conversion {
    QString in;
    QString out;
};

TEST(DecodeEntities, EightEntitiesInTheirOrder) {
    const Conversion cases[] = {
        {QStringLiteral("Tom &amp; Jerry&nbsp;&hellip;"), QStringLiteral("Tom & Jerry …")},
        {QStringLiteral("&#160;&copy;&AMP;"), QStringLiteral("&#160;&copy;&AMP;")},
        // "&amp;" goes before "&lt;" but after "&quot;".
        {QStringLiteral("&amp;lt;"), QStringLiteral("<")},
        {QStringLiteral("&amp;quot;"), QStringLiteral("&quot;")},
        {QStringLiteral("&quot;a&quot; &lt;b&gt; &#39;c&#39; &#092;d"),
         QStringLiteral("\"a\" <b> 'c' \\d")},
        {QStringLiteral("a&nbspb"), QStringLiteral("a&nbspb")},
    };
    for (const Conversion& c : cases) {
        QString text = c.in;
        DecodeEntities(text);
        EXPECT_EQ(text, c.out) << c.in.toStdString();
    }
    QString nbsp = QStringLiteral("&nbsp;");
    DecodeEntities(nbsp);
    EXPECT_EQ(nbsp, QString(QChar(0x20)));
}

TEST(UnescapeUnicode, Cases) {
    const Conversion cases[] = {
        {QStringLiteral("\\u4e2d\\u6587abc"), QStringLiteral("中文abc")},
        {QStringLiteral("\\u4e2"), QStringLiteral("4e2")},
        {QStringLiteral("a\\uZZZZb"), QStringLiteral("a") + QChar(0) + QStringLiteral("b")},
        // Only the hexadecimal digits at the front of the four count.
        {QStringLiteral("\\u12zzx"), QString(QChar(0x12)) + QStringLiteral("x")},
        // A piece ends at the next "\u", even when it is shorter than four.
        {QStringLiteral("\\u4e\\u6587"), QStringLiteral("4e文")},
        // Two escapes make a surrogate pair.
        {QStringLiteral("\\ud83d\\ude00!"), QStringLiteral("😀!")},
        {QStringLiteral("\\\\u4e2d"), QStringLiteral("\\中")},
        {QStringLiteral("no escapes \\/"), QStringLiteral("no escapes \\/")},
        {QStringLiteral("end\\u"), QStringLiteral("end")},
    };
    for (const Conversion& c : cases) {
        EXPECT_EQ(UnescapeUnicode(c.in), c.out) << c.in.toStdString();
    }
}

TEST(UrlDecodeUtf8, Cases) {
    const Conversion cases[] = {
        {QStringLiteral("%E4%B8%AD"), QStringLiteral("中")},
        {QStringLiteral("%e4%b8%ad%20x"), QStringLiteral("中 x")},
        {QStringLiteral("a+b"), QStringLiteral("a+b")},
        // Decoding stops at a malformed escape and at "%00".
        {QStringLiteral("ab%zzcd"), QStringLiteral("ab")},
        {QStringLiteral("ab%4"), QStringLiteral("ab")},
        {QStringLiteral("ab%"), QStringLiteral("ab")},
        {QStringLiteral("ab%00cd"), QStringLiteral("ab")},
        {QStringLiteral("ab%2"), QStringLiteral("ab")},
        // Bytes that are not UTF-8 become replacement characters.
        {QStringLiteral("%D6%D0x"), QString(QChar(0xFFFD)) + QChar(0xFFFD) + QStringLiteral("x")},
    };
    for (const Conversion& c : cases) {
        EXPECT_EQ(UrlDecodeUtf8(c.in), c.out) << c.in.toStdString();
    }
}

TEST(UrlDecodeUtf8, KeepsCharactersTypedLiterally) {
    // Characters without a GBK form were lost when the text went to GBK first.
    EXPECT_EQ(UrlDecodeUtf8(QStringLiteral("kw=中文%E5%9B%BE&x=한국😀")),
              QStringLiteral("kw=中文图&x=한국😀"));
}

TEST(UrlDecodeUtf8, DecodesLongValuesWhole) {
    // 400 escaped "中" are 1200 bytes; the last one must come out whole.
    QString escaped;
    QString expected;
    for (int i = 0; i < 400; ++i) {
        escaped += QStringLiteral("%E4%B8%AD");
        expected += QStringLiteral("中");
    }
    escaped += QStringLiteral("end");
    expected += QStringLiteral("end");
    EXPECT_EQ(UrlDecodeUtf8(escaped), expected);
}

TEST(ReplaceList, Cases) {
    struct Case {
        const char* text;
        const char* from;
        const char* to;
        const char* result;
    };
    const Case cases[] = {
        {"abc", "a|b", "1|2", "12c"},
        {"abc a|b", "a|b", "1", "abc 1"}, // counts differ: one rule of the whole texts
        {"abab", "ab|bb", "b|2", "2"},    // a later rule sees the earlier result
        {"abc", "|b", "x|y", "ayc"},      // an empty entry replaces nothing
        {"abc", "", "x", "abc"},          // an empty list replaces nothing
        {"abc", "", "x|y", "abc"},        // nor does an empty list beside a longer one
        {"a.b.c", ".", "", "abc"},
        {"相册：一", "：", "_", "相册_一"},
    };
    for (const Case& c : cases) {
        QString text = QString::fromUtf8(c.text);
        ReplaceList(text, QString::fromUtf8(c.from), QString::fromUtf8(c.to));
        EXPECT_EQ(text, QString::fromUtf8(c.result)) << c.text << " " << c.from << " " << c.to;
    }
}

} // namespace
} // namespace phodex
