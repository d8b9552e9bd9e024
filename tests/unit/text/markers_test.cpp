// SPDX-License-Identifier: MIT
#include "text/markers.h"

#include <gtest/gtest.h>

#include "qstring_printer.h"

namespace phodex {
namespace {

struct BetweenCase {
    const char* text;
    const char* start;
    const char* end;
    int flags;
    const char* value;
    const char* textAfter;
};

const BetweenCase kBetweenCases[] = {
    {"a<b>c", "<", ">", 0, "b", "a<b>c"},
    {"a<b>c", "<", ">", kConsume, "b", "b>c"},
    {"abc", "x", "c", kConsume, "", "abc"},
    {"a<b", "<", ">", kConsume, "", "b"},
    {"a<b", "<", ">", kConsume | kKeepRemainder, "b", "b"},
    {"a<b", "<", ">", kKeepRemainder, "b", "a<b"},
    // The end is searched only after the start.
    {"<<x>", "<", ">", 0, "<x", "<<x>"},
    {"x>a<b>", "<", ">", kConsume, "b", "b>"},
    // An empty value looks exactly like a missing marker.
    {"a<>c", "<", ">", kConsume, "", ">c"},
    // Empty markers: the start matches at 0, the end gives "".
    {"abc", "", "c", kConsume, "ab", "abc"},
    {"abc", "a", "", kConsume | kKeepRemainder, "", "bc"},
    {"", "", "", 0, "", ""},
    // Markers longer than one unit; the start marker is consumed, the end kept.
    {"<li>one</li><li>two</li>", "<li>", "</li>", kConsume, "one", "one</li><li>two</li>"},
    {"ab", "ab", "x", kConsume, "", ""},
};

TEST(GetBetween, Cases) {
    for (const BetweenCase& c : kBetweenCases) {
        QString text = QString::fromUtf8(c.text);
        const QString value =
            GetBetween(text, QString::fromUtf8(c.start), QString::fromUtf8(c.end), c.flags);
        EXPECT_EQ(value, QString::fromUtf8(c.value)) << c.text << " flags " << c.flags;
        EXPECT_EQ(text, QString::fromUtf8(c.textAfter)) << c.text << " flags " << c.flags;
    }
}

TEST(GetBetween, WalkTakesEveryItemThenStops) {
    QString page = QStringLiteral("<ul><li>一</li><li></li><li>三</li></ul>");
    QStringList items;
    for (int i = 0; i < 3; ++i) {
        items << GetBetween(page, QStringLiteral("<li>"), QStringLiteral("</li>"), kConsume);
    }
    EXPECT_EQ(items, QStringList({QStringLiteral("一"), QString(), QStringLiteral("三")}));
    EXPECT_EQ(GetBetween(page, QStringLiteral("<li>"), QStringLiteral("</li>"), kConsume),
              QString());
    EXPECT_EQ(page, QStringLiteral("三</li></ul>"));
}

TEST(GetBetween, CopiesOfThePageStayIntact) {
    QString page = QStringLiteral("a<b>c<d>e");
    const QString copy = page;
    EXPECT_EQ(GetBetween(page, QStringLiteral("<"), QStringLiteral(">"), kConsume), u"b");
    EXPECT_EQ(GetBetween(page, QStringLiteral("<"), QStringLiteral(">"), kConsume), u"d");
    EXPECT_EQ(copy, QStringLiteral("a<b>c<d>e"));
    EXPECT_EQ(page, QStringLiteral("d>e"));
}

// A walk stays linear only if cutting the front of an unshared page moves the
// start of its data instead of copying the rest.
TEST(GetBetween, CutsTheFrontWithoutCopyingThePage) {
    QString page = QStringLiteral("<li>x</li>").repeated(1000);
    page.detach();
    const QChar* data = page.constData();
    EXPECT_EQ(GetBetween(page, QStringLiteral("<li>"), QStringLiteral("</li>"), kConsume), u"x");
    EXPECT_EQ(page.constData(), data + 4);
    EXPECT_EQ(SkipTo(page, QStringLiteral("<li>")), 6);
    EXPECT_EQ(page.constData(), data + 14);
}

struct MoveCase {
    const char* text;
    const char* marker;
    bool pastMarker;
    qsizetype result;
    const char* textAfter;
};

TEST(SkipTo, Cases) {
    const MoveCase cases[] = {
        {"key:1", "key:", true, 0, "1"},          {"key:1", "key:", false, 0, "key:1"},
        {"a,key:1", "key:", true, 2, "1"},        {"a,key:1", "key:", false, 2, "key:1"},
        {"a,key:1", "none", true, -1, "a,key:1"}, {"abc", "", true, 0, "abc"},
    };
    for (const MoveCase& c : cases) {
        QString text = QString::fromUtf8(c.text);
        EXPECT_EQ(SkipTo(text, QString::fromUtf8(c.marker), c.pastMarker), c.result) << c.text;
        EXPECT_EQ(text, QString::fromUtf8(c.textAfter)) << c.text;
    }
}

TEST(CutAt, Cases) {
    const MoveCase cases[] = {
        {"abc|def", "|", false, 3, "abc"},
        {"abc|def|", "|", false, 3, "abc"},
        {"abc", "|", false, -1, "abc"},
        {"|abc", "|", false, 0, ""},
    };
    for (const MoveCase& c : cases) {
        QString text = QString::fromUtf8(c.text);
        EXPECT_EQ(CutAt(text, QString::fromUtf8(c.marker)), c.result) << c.text;
        EXPECT_EQ(text, QString::fromUtf8(c.textAfter)) << c.text;
    }
}

TEST(TextBefore, Cases) {
    EXPECT_EQ(TextBefore(QStringLiteral("abc|def|g"), QStringLiteral("|")), u"abc");
    EXPECT_EQ(TextBefore(QStringLiteral("abc"), QStringLiteral("|")), QString());
    EXPECT_EQ(TextBefore(QStringLiteral("|abc"), QStringLiteral("|")), QString());
}

TEST(CountOf, CountsWithoutOverlapFromTheLeft) {
    struct Case {
        const char* text;
        const char* sub;
        int count;
    };
    const Case cases[] = {
        {"aaaa", "aa", 2}, {"aaa", "aa", 1}, {"a,b,,c", ",", 3},
        {"abc", "x", 0},   {"", "x", 0},     {"abc", "", 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CountOf(QString::fromUtf8(c.text), QString::fromUtf8(c.sub)), c.count)
            << c.text << " / " << c.sub;
    }
}

TEST(SplitBy, Cases) {
    struct Case {
        const char* text;
        const char* sep;
        int count;
        QStringList parts;
    };
    const Case cases[] = {
        {"a,,b", ",", 2, {"a", "", "b"}}, {"abc", ",", 0, {}},
        {",a,", ",", 2, {"", "a", ""}},   {"a::b::c", "::", 2, {"a", "b", "c"}},
        {"aaa", "aa", 1, {"", "a"}},      {"abc", "", 0, {}},
    };
    for (const Case& c : cases) {
        QStringList parts{QStringLiteral("left over")};
        EXPECT_EQ(SplitBy(QString::fromUtf8(c.text), QString::fromUtf8(c.sep), parts), c.count)
            << c.text;
        EXPECT_EQ(parts, c.parts) << c.text;
    }
}

TEST(StripTags, Cases) {
    struct Case {
        const char* text;
        const char* stripped;
    };
    const Case cases[] = {
        {"x<b>y</b><b>z", "xyz"},
        {"a<>b<i>c", "a<>b<i>c"},    // an empty tag ends the stripping
        {"a<b>c<", "ac<"},           // a "<" without ">" ends it too
        {"a<br>b<br>c<br/>", "abc"}, // a repeated tag goes in one pass
        {"<<x>y>", "y>"},            // tag texts "<x", then "x"
        {"no tags", "no tags"},
        {"<p class=\"t\">标题</p>", "标题"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(StripTags(QString::fromUtf8(c.text)), QString::fromUtf8(c.stripped)) << c.text;
    }
}

TEST(AllDigits, OnlyAsciiDigitsCount) {
    struct Case {
        const char16_t* text;
        bool digits;
    };
    const Case cases[] = {
        {.text = u"", .digits = false},
        {.text = u"0", .digits = true},
        {.text = u"1234567890", .digits = true},
        {.text = u"007", .digits = true},
        {.text = u"-12", .digits = false},
        {.text = u"+12", .digits = false},
        {.text = u" 12", .digits = false},
        {.text = u"12 ", .digits = false},
        {.text = u"1 2", .digits = false},
        {.text = u"12a", .digits = false},
        {.text = u"1.5", .digits = false},
        {.text = u"\uFF11\uFF12", .digits = false}, // full-width "１２"
        {.text = u"\u0661\u0662", .digits = false}, // Arabic-Indic "١٢"
        {.text = u"1\u0662", .digits = false},      // one of them after an ASCII digit
        {.text = u"\u0967", .digits = false},       // Devanagari one
    };
    for (const Case& c : cases) {
        const QString text = QString::fromUtf16(c.text);
        EXPECT_EQ(AllDigits(text), c.digits) << qPrintable(text);
    }
    // The digits above that are not ASCII are digits to Qt: the check must not lean on it.
    EXPECT_TRUE(QChar(u'\u0661').isDigit());
    EXPECT_TRUE(QChar(u'\uFF11').isDigit());
}

} // namespace
} // namespace phodex
