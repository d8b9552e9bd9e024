// SPDX-License-Identifier: MIT
#include "adapters/qzone/qqcookies.h"
#include "adapters/qzone/qzonetoken.h"

#include <gtest/gtest.h>

namespace phodex {
namespace {

TEST(QzoneToken, HashesTheUtf16CodeUnitsInto31Bits) {
    EXPECT_EQ(QzoneToken(QString()), 5381u);
    EXPECT_EQ(QzoneToken(QStringLiteral("a")), 5381u * 33u + 97u);
    EXPECT_EQ(QzoneToken(QStringLiteral("ab")), (5381u * 33u + 97u) * 33u + 98u);
    // Long values wrap around in 32 bits before the top bit is dropped.
    quint32 wrapped = 5381;
    const QString longValue = QStringLiteral("@Zx9kQv2Lm-p_skey*0123456789abcdef");
    for (const QChar c : longValue)
        wrapped = wrapped * 33u + c.unicode();
    EXPECT_EQ(QzoneToken(longValue), wrapped & 0x7FFFFFFFu);
    EXPECT_LE(QzoneToken(longValue), 0x7FFFFFFFu);
    // A code unit above 0xFF counts whole, not as bytes.
    EXPECT_EQ(QzoneToken(QStringLiteral("空")), 5381u * 33u + 0x7A7Au);
}

struct TokenCase {
    const char* cookies;
    TokenCookie which;
    const char* expected;
};

// The jar's order of cookies is its own: a cookie counts wherever it stands.
TEST(QzoneTokenSource, PrefersPSkeyWhereverTheJarPutsIt) {
    const TokenCase cases[] = {
        {"uin=o0012345; skey=@s1; p_skey=ps1", TokenCookie::PSkeyFirst, "ps1"},
        {"p_skey=ps1; skey=@s1; uin=o0012345", TokenCookie::PSkeyFirst, "ps1"},
        {"skey=@s1; uin=o0012345", TokenCookie::PSkeyFirst, "@s1"},
        {"p_skey=; skey=@s1", TokenCookie::PSkeyFirst, "@s1"},
        {"p_skey=ps1; skey=@s1", TokenCookie::SkeyOnly, "@s1"},
        {"p_skey=ps1", TokenCookie::SkeyOnly, ""},
        {"xskey=no; skeyx=no", TokenCookie::PSkeyFirst, ""},
        {"", TokenCookie::PSkeyFirst, ""},
    };
    for (const TokenCase& c : cases) {
        EXPECT_EQ(QzoneTokenSource(QString::fromUtf8(c.cookies), c.which),
                  QString::fromUtf8(c.expected))
            << c.cookies;
    }
}

TEST(QzoneViewerUin, DropsTheOAndOnRequestTheLeadingZeros) {
    const QString cookies = QStringLiteral("skey=@s1; uin=o0012345; p_uin=o0099");
    EXPECT_EQ(QzoneViewerUin(cookies, true), QStringLiteral("12345"));
    EXPECT_EQ(QzoneViewerUin(cookies, false), QStringLiteral("0012345"));
    EXPECT_EQ(QzoneViewerUin(QStringLiteral("uin=o0"), true), QString());
    EXPECT_EQ(QzoneViewerUin(QStringLiteral("p_uin=o55"), true), QString());
}

struct GroupViewerCase {
    const char* cookies;
    const char* expected;
};

TEST(QqGroupViewer, TakesGuinLessOneLeadingZeroElsePUin) {
    const GroupViewerCase cases[] = {
        {"guin=o012345; p_uin=o099", "12345"},
        {"guin=o0; p_uin=o0777", "777"},
        {"guin=o0012; p_uin=o099", "012"},
        {"p_uin=o0555", "555"},
        {"guin=12345", ""}, // a guin without its "o" is not a viewer number
        {"uin=o0012345", ""},
    };
    for (const GroupViewerCase& c : cases)
        EXPECT_EQ(QqGroupViewer(QString::fromUtf8(c.cookies)), QString::fromUtf8(c.expected))
            << c.cookies;
}

} // namespace
} // namespace phodex
