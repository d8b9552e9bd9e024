// SPDX-License-Identifier: MIT
#include "text/codepage.h"

#include <gtest/gtest.h>

#include "qstring_printer.h"

namespace phodex {
namespace {

// "中文" in each code page, the way the sites send it.
struct RoundTrip {
    int codePage;
    QByteArray bytes;
    QString text;
};

const RoundTrip kRoundTrips[] = {
    {kCodePageUtf8, QByteArray("\xE4\xB8\xAD\xE6\x96\x87"), QStringLiteral("中文")},
    {kCodePageGbk, QByteArray("\xD6\xD0\xCE\xC4"), QStringLiteral("中文")},
    {kCodePageBig5, QByteArray("\xA4\xA4\xA4\xE5"), QStringLiteral("中文")},
    {kCodePageEucKr, QByteArray("\xC7\xD1\xB1\xDB"), QStringLiteral("한글")},
    // The euro sign is 0x80 in the Windows form of GBK, not in plain GB2312.
    {kCodePageGbk, QByteArray("a\x80z"), QStringLiteral("a€z")},
};

TEST(DecodeBytes, DecodesEachCodePage) {
    for (const RoundTrip& c : kRoundTrips) {
        EXPECT_EQ(DecodeBytes(c.codePage, c.bytes), c.text) << c.codePage;
    }
}

TEST(ToGbk, EncodesWhatGbkDecodes) {
    for (const RoundTrip& c : kRoundTrips) {
        if (c.codePage == kCodePageGbk) {
            EXPECT_EQ(ToGbk(c.text), c.bytes);
            EXPECT_EQ(DecodeBytes(kCodePageGbk, ToGbk(c.text)), c.text);
        }
    }
}

TEST(ToGbk, CharacterWithoutGbkFormBecomesQuestionMark) {
    // Korean letters, an emoji and a lone surrogate have no GBK form.
    EXPECT_EQ(ToGbk(QStringLiteral("a한b😀c")), QByteArray("a?b?c"));
    EXPECT_EQ(ToGbk(QString(QChar(0xD800)) + QStringLiteral("x")), QByteArray("?x"));
    EXPECT_EQ(ToGbk(QString()), QByteArray());
}

TEST(DecodeBytes, InvalidInputNeverFails) {
    struct Case {
        int codePage;
        QByteArray bytes;
        QString text;
    };
    const QString bad(QChar(0xFFFD));
    const Case cases[] = {
        // A cut sequence at the end and a stray continuation byte.
        {kCodePageUtf8, QByteArray("ab\xE4\xB8"), QStringLiteral("ab") + bad},
        {kCodePageUtf8, QByteArray("\x80z"), bad + QStringLiteral("z")},
        // GBK lead byte without its trail byte.
        {kCodePageGbk, QByteArray("x\xD6"), QStringLiteral("x") + bad},
        {kCodePageGbk, QByteArray(), QString()},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DecodeBytes(c.codePage, c.bytes), c.text) << c.bytes.toHex().constData();
    }
}

TEST(DecodeBytes, TextEndsAtFirstNul) {
    const QByteArray bytes("ab\0cd", 5);
    EXPECT_EQ(DecodeBytes(kCodePageUtf8, bytes), QStringLiteral("ab"));
    EXPECT_EQ(DecodeBytes(kCodePageGbk, bytes), QStringLiteral("ab"));
    EXPECT_EQ(DecodeBytes(kCodePageUtf8, QByteArray("\0x", 2)), QString());
}

TEST(DecodeBytes, UnknownCodePageGivesEmptyText) {
    EXPECT_EQ(DecodeBytes(123456, QByteArray("abc")), QString());
}

TEST(IsUtf8, SortsPagesAsBefore) {
    struct Case {
        QByteArray bytes;
        bool utf8;
    };
    const Case cases[] = {
        {QByteArray("\xE4\xB8\xAD"), true},             // "中"
        {QByteArray("ok \xE4\xB8\xAD ok"), true},       // mixed with ASCII
        {QByteArray("\xE4\xB8"), false},                // ends in the middle of a sequence
        {QByteArray("plain ascii"), false},             // no high byte: goes the GBK way
        {QByteArray(), false},                          // empty
        {QByteArray("\xD6\xD0\xCE\xC4"), false},        // "中文" in GBK
        {QByteArray("a\x80"), false},                   // lone continuation byte
        {QByteArray("\xC3\x28"), false},                // continuation missing
        {QByteArray("\xFE\x80\x80\x80\x80"), true},     // 0xFE announces four
        {QByteArray("\xFC\x80\x80\x80\x80\x80"), true}, // old six-byte form
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsUtf8(c.bytes), c.utf8) << c.bytes.toHex().constData();
    }
}

} // namespace
} // namespace phodex
