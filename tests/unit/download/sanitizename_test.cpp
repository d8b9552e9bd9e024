// SPDX-License-Identifier: MIT
#include "download/sanitizename.h"

#include <QDateTime>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace phodex {
using namespace Qt::StringLiterals;
namespace {

struct CleanCase {
    QString input;
    QString expected;
};

QString WithControl(const char* before, char16_t control, const char* after) {
    return QString::fromUtf8(before) + QChar(control) + QString::fromUtf8(after);
}

TEST(SanitizeName, CleansWithoutFallback) {
    const CleanCase cases[] = {
        {"  a   b  ", "a b"},
        {"...", u"\u3002\u3002\u3002"_s},
        {"..a..", "a"},
        {"a/b:c", "abc"},
        {"x\\y*z?\"q\"<r>|s", "xyzqrs"},
        {"a\r\nb", "ab"},
        {"Tom &amp; Jerry&nbsp;&hellip;", u"Tom & Jerry \u2026"_s},
        {"&lt;b&gt;", "b"},
        {".", u"\u3002"_s},
        {"..", u"\u3002\u3002"_s},
        {"  . name .  ", "name"},
        {"", ""},
    };
    for (const CleanCase& c : cases) {
        QString text = c.input;
        SanitizeName(text);
        EXPECT_EQ(text, c.expected) << c.input.toStdString();
    }
}

TEST(SanitizeName, ControlCharactersNeitherCutNorSurvive) {
    const CleanCase cases[] = {
        {WithControl("前", u'\0', "后"), u"前后"_s},
        {WithControl("a", u'\t', "b"), "a_b"},
        {WithControl("a", u'\b', "b"), "a b"},
        {WithControl("a", u'\a', "b"), "ab"},
        {WithControl("a", 0x1F, "b"), "ab"},
        {WithControl("a", 0x7F, "b"), "ab"},
        {WithControl("a", 0x0B, "b"), "ab"},
        // a control between dots and the end does not shield the dots
        {WithControl("name..", 0x01, ""), "name"},
    };
    for (const CleanCase& c : cases) {
        QString text = c.input;
        SanitizeName(text);
        EXPECT_EQ(text, c.expected) << c.input.toStdString();
        for (const QChar ch : text) {
            EXPECT_FALSE(ch.unicode() < 0x20 || ch.unicode() == 0x7F);
        }
    }
}

// Backspaces become spaces after the dots are looked at; the result must
// still never be a bare "." or "..".
TEST(SanitizeName, NeverLeavesDotOrDotDot) {
    const QString inputs[] = {
        WithControl("", u'\b', ".") + QChar(u'\b'),
        WithControl("", u'\b', "..") + QChar(u'\b'),
        "../..",
        "./.",
        "/../",
    };
    for (const QString& input : inputs) {
        QString text = input;
        SanitizeName(text);
        EXPECT_NE(text, ".");
        EXPECT_NE(text, "..");
        EXPECT_FALSE(text.contains(u'/'));
    }
}

TEST(SanitizeName, LeavingThePathIsNotPossible) {
    const CleanCase cases[] = {
        {"../x", "x"}, {"/etc/passwd", "etcpasswd"},   {"C:\\x", "Cx"},
        {"a/b", "ab"}, {"..\\..\\win.ini", "win.ini"},
    };
    for (const CleanCase& c : cases) {
        QString text = c.input;
        SanitizeName(text);
        EXPECT_EQ(text, c.expected) << c.input.toStdString();
    }
}

TEST(SanitizeName, FallbackNames) {
    struct Case {
        QString input;
        int number;
        bool useFallback;
        QString expected; // empty: a time stamp is expected
    };
    const Case cases[] = {
        {"", 7, true, "pic7"},
        {"///", 5, true, "pic5"},
        {QString(1000, u'a'), 3, true, "pic3"},
        {QString(999, u'a'), 3, true, QString(999, u'a')},
        {"", kNoFallbackNumber, false, ""},
        {"kept", 1, true, "kept"},
    };
    for (const Case& c : cases) {
        QString text = c.input;
        SanitizeName(text, c.number, c.useFallback);
        EXPECT_EQ(text, c.expected) << c.input.left(20).toStdString();
    }
}

TEST(SanitizeName, EmptyNameWithoutNumberBecomesLocalTimeStamp) {
    for (const QString& input : {QString(), QString("///"), QString(1200, u'x')}) {
        QString text = input;
        SanitizeName(text, kNoFallbackNumber, true);
        EXPECT_TRUE(QRegularExpression("^\\d{14}$").match(text).hasMatch()) << text.toStdString();
        EXPECT_TRUE(QDateTime::fromString(text, "yyyyMMddHHmmss").isValid());
    }
}

} // namespace
} // namespace phodex
