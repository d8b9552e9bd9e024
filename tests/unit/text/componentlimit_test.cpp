// SPDX-License-Identifier: MIT
#include "text/componentlimit.h"

#include <gtest/gtest.h>

namespace phodex {
using namespace Qt::StringLiterals;
namespace {

QString Repeat(const QString& piece, int times) {
    return piece.repeated(times);
}

TEST(ComponentLimit, CutsAtCharacterBoundaries) {
    const QString grin = QString::fromUcs4(U"\U0001F600", 1);
    struct Case {
        QString input;
        qsizetype expectedUnits;
        qsizetype expectedBytes;
    };
    const Case cases[] = {
        {Repeat("a", 300), 255, 255},
        {Repeat("a", 255), 255, 255},
        {Repeat(u"中"_s, 100), 85, 255},
        // 1 + 84 x 3 = 253: a 85th ideograph would end at byte 256
        {"a" + Repeat(u"中"_s, 100), 85, 253},
        {"ab" + Repeat(u"中"_s, 100), 86, 254},
        // four bytes and two UTF-16 units each: 63 fit (252 bytes)
        {Repeat(grin, 70), 126, 252},
        {Repeat(u"é"_s, 200), 127, 254},
        {u"短い名前"_s, 4, 12},
    };
    for (const Case& c : cases) {
        const QString cut = CutToBytes(c.input);
        EXPECT_EQ(cut.size(), c.expectedUnits);
        EXPECT_EQ(Utf8Length(cut), c.expectedBytes);
        EXPECT_EQ(cut.toUtf8().size(), c.expectedBytes);
        EXPECT_TRUE(c.input.startsWith(cut));
        EXPECT_FALSE(!cut.isEmpty() && cut.back().isHighSurrogate());
    }
}

TEST(ComponentLimit, LengthMatchesUtf8Encoding) {
    for (const QString& text :
         {QString(), QString("abc"), u"中文 ü"_s, QString::fromUcs4(U"x\U0001F600y", 3)}) {
        EXPECT_EQ(Utf8Length(text), text.toUtf8().size()) << text.toStdString();
    }
}

} // namespace
} // namespace phodex
