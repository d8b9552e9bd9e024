// SPDX-License-Identifier: MIT
#include "net/cookiejar.h"

#include <gtest/gtest.h>

namespace phodex {
namespace {

struct MatchCase {
    const char* name;
    const char* setFrom;   // the address that sent the Set-Cookie header
    const char* setCookie; // its value
    const char* requestUrl;
    const char* expectedHeader;
};

class CookieMatching : public ::testing::TestWithParam<MatchCase> {};

TEST_P(CookieMatching, SendsExactlyTheMatchingCookies) {
    const MatchCase& c = GetParam();
    CookieJar jar;
    jar.storeSetCookie(QUrl(QString::fromLatin1(c.setFrom)), c.setCookie);
    EXPECT_EQ(jar.cookieHeaderFor(QUrl(QString::fromLatin1(c.requestUrl))),
              QByteArray(c.expectedHeader));
}

const MatchCase kMatchCases[] = {
    // Without a Domain attribute a cookie belongs to its host alone.
    {"HostOnlySameHost", "http://www.qq.com/a", "h=1; Path=/", "http://www.qq.com/b", "h=1"},
    {"HostOnlyNotSubdomain", "http://www.qq.com/", "h=1; Path=/", "http://a.www.qq.com/", ""},
    {"HostOnlyNotParent", "http://www.qq.com/", "h=1; Path=/", "http://qq.com/", ""},
    {"DomainCoversItself", "http://user.qzone.qq.com/", "d=1; Domain=qq.com; Path=/",
     "http://qq.com/", "d=1"},
    {"DomainCoversDeepHosts", "http://user.qzone.qq.com/", "d=1; Domain=.qq.com; Path=/",
     "https://a.b.qq.com/x", "d=1"},
    {"DomainIsNotASuffixOfWords", "http://user.qzone.qq.com/", "d=1; Domain=qq.com; Path=/",
     "http://xqq.com/", ""},
    {"ForeignDomainRefused", "http://www.qq.com/", "f=1; Domain=163.com; Path=/",
     "http://www.163.com/", ""},
    {"SiblingDomainRefused", "http://www.qq.com/", "f=1; Domain=user.qq.com; Path=/",
     "http://user.qq.com/", ""},
    {"PublicSuffixRefused", "http://www.sina.com.cn/", "t=1; Domain=com.cn; Path=/",
     "http://www.163.com.cn/", ""},
    {"PathPrefixAtSlash", "http://qq.com/", "p=1; Path=/foo", "http://qq.com/foo/bar", "p=1"},
    {"PathItself", "http://qq.com/", "p=1; Path=/foo", "http://qq.com/foo", "p=1"},
    {"PathNotWordPrefix", "http://qq.com/", "p=1; Path=/foo", "http://qq.com/foobar", ""},
    {"PathNotParent", "http://qq.com/", "p=1; Path=/foo", "http://qq.com/", ""},
    {"DefaultPathIsTheFolder", "http://qq.com/a/b/page.html", "p=1", "http://qq.com/a/b/other",
     "p=1"},
    {"DefaultPathNotAbove", "http://qq.com/a/b/page.html", "p=1", "http://qq.com/a/", ""},
    {"SecureOverHttps", "https://qq.com/", "s=1; Secure; Path=/", "https://qq.com/", "s=1"},
    {"SecureNotOverHttp", "https://qq.com/", "s=1; Secure; Path=/", "http://qq.com/", ""},
    {"HttpOnlyIsSentToHttp", "http://qq.com/", "o=1; HttpOnly; Path=/", "http://qq.com/", "o=1"},
    {"ExpiredNeverStored", "http://qq.com/", "e=1; Expires=Wed, 01 Jan 2020 00:00:00 GMT; Path=/",
     "http://qq.com/", ""},
    {"MaxAgeZeroNeverStored", "http://qq.com/", "e=1; Max-Age=0; Path=/", "http://qq.com/", ""},
    {"FutureExpiryKept", "http://qq.com/", "e=1; Expires=Fri, 01 Jan 2100 00:00:00 GMT; Path=/",
     "http://qq.com/", "e=1"},
    {"SeveralInOneValue", "http://qq.com/", "a=1; Path=/\nb=2; Path=/", "http://qq.com/",
     "a=1; b=2"},
    {"LongerPathFirst", "http://qq.com/", "a=1; Path=/\nb=2; Path=/x", "http://qq.com/x/y",
     "b=2; a=1"},
    {"NoHostNoCookie", "file:///tmp/x", "a=1", "file:///tmp/x", ""},
};

INSTANTIATE_TEST_SUITE_P(Rules, CookieMatching, ::testing::ValuesIn(kMatchCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CookieJarUpdates, SameNameDomainAndPathReplacesAndExpiryDeletes) {
    CookieJar jar;
    const QUrl site("http://www.qq.com/");
    jar.storeSetCookie(site, "k=old; Path=/");
    jar.storeSetCookie(site, "k=new; Path=/");
    jar.storeSetCookie(site, "k=other-path; Path=/x");
    EXPECT_EQ(jar.cookieHeaderFor(QUrl("http://www.qq.com/x")), "k=other-path; k=new");
    jar.storeSetCookie(site, "k=gone; Max-Age=0; Path=/");
    EXPECT_EQ(jar.cookieHeaderFor(QUrl("http://www.qq.com/x")), "k=other-path");
    EXPECT_EQ(jar.allCookies().size(), 1);
}

TEST(CookieJarUpdates, AttributesAreKept) {
    CookieJar jar;
    jar.storeSetCookie(QUrl("https://user.qzone.qq.com/"),
                       "p_skey=abc; Domain=qq.com; Path=/; Secure; HttpOnly");
    const QList<QNetworkCookie> all = jar.allCookies();
    ASSERT_EQ(all.size(), 1);
    EXPECT_EQ(all[0].domain(), ".qq.com");
    EXPECT_EQ(all[0].path(), "/");
    EXPECT_TRUE(all[0].isSecure());
    EXPECT_TRUE(all[0].isHttpOnly());
    EXPECT_TRUE(all[0].isSessionCookie());
}

} // namespace
} // namespace phodex
