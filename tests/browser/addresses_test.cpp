// SPDX-License-Identifier: MIT
// How the browser windows read the addresses they are given.
#include "browser/browseraddress.h"
#include "browser/chromiumflags.h"
#include "browser/qzonetoken.h"

#include <gtest/gtest.h>

namespace phodex {
namespace {

struct Case {
    const char16_t* in;
    const char16_t* out;
};

template <std::size_t N>
void ExpectEach(const Case (&cases)[N], QString (*convert)(const QString&)) {
    for (const Case& c : cases)
        EXPECT_EQ(convert(QString::fromUtf16(c.in)), QString::fromUtf16(c.out))
            << qPrintable(QString::fromUtf16(c.in));
}

TEST(BrowserAddresses, NavigationAddsTheSchemeAnAddressLacks) {
    const Case cases[] = {
        {u"www.yupoo.com/photos/a/", u"http://www.yupoo.com/photos/a/"},
        {u"https://huaban.com/boards/1", u"https://huaban.com/boards/1"},
        {u"about:blank", u"about:blank"},
        {u"D:\\x.html", u"file://D:\\x.html"},
        {u"/home/u/x.html", u"file:///home/u/x.html"},
    };
    ExpectEach(cases, NavigationAddress);
}

TEST(BrowserAddresses, TypedAddressKeepsAnyHttpSchemeInAnyCase) {
    const Case cases[] = {
        {u"  HTTPS://WWW.INSTAGRAM.COM/u/  ", u"HTTPS://WWW.INSTAGRAM.COM/u/"},
        {u"http://x.yupoo.com/", u"http://x.yupoo.com/"},
        {u"huaban.com/boards/1", u"http://huaban.com/boards/1"},
        {u"about:blank", u"about:blank"},
        // "http" is a scheme only with "://" after it.
        {u"httpbin.org/get", u"http://httpbin.org/get"},
        {u" //x.yupoo.com/photos/", u"http://x.yupoo.com/photos/"},
    };
    ExpectEach(cases, TypedBrowserAddress);
    EXPECT_EQ(ReportedAddress(QStringLiteral("about:blank")), QString());
}

TEST(BrowserAddresses, ConnectToRulesBecomeHostMappings) {
    const Case cases[] = {
        {u":443:127.0.0.1:8443", u"MAP *:443 127.0.0.1:8443"},
        {u"www.moko.cc:80:[::1]:8080", u"MAP www.moko.cc:80 [::1]:8080"},
        {u"huaban.com::127.0.0.1:", u"MAP huaban.com 127.0.0.1"},
        {u"huaban.com:443::8443", u""}, // no target host: no mapping
        {u"not a rule", u""},
    };
    ExpectEach(cases, HostResolverRule);
}

TEST(BrowserAddresses, SwitchesQuoteWhatHoldsBlanks) {
    NetConfig config;
    config.connectTo = {QStringLiteral(":80:127.0.0.1:1"), QStringLiteral(":443:127.0.0.1:2")};
    config.proxy = QString();
    const QStringList switches = ChromiumSwitchesFor(config);
    EXPECT_EQ(switches, (QStringList{
                            QStringLiteral("--host-resolver-rules=MAP *:80 127.0.0.1:1,"
                                           "MAP *:443 127.0.0.1:2"),
                            QStringLiteral("--no-proxy-server"),
                        }));
    EXPECT_EQ(AppendChromiumFlags(QStringLiteral("--disable-gpu"), switches),
              QStringLiteral("--disable-gpu \"--host-resolver-rules=MAP *:80 127.0.0.1:1,"
                             "MAP *:443 127.0.0.1:2\" --no-proxy-server"));
    config.proxy = QStringLiteral("http://proxy:3128");
    config.connectTo.clear();
    EXPECT_EQ(ChromiumSwitchesFor(config),
              QStringList{QStringLiteral("--proxy-server=http://proxy:3128")});
}

TEST(QzonePageToken, TakesTheQuotedValueAfterTheMarkerWhenLongEnough) {
    const QString token32 = QStringLiteral("0123456789abcdef0123456789abcdef");
    const QString token21 = QStringLiteral("0123456789abcdef01234");
    const QString token20 = QStringLiteral("0123456789abcdef0123");
    struct TokenCase {
        QString html;
        QString token;
    } cases[] = {
        {QStringLiteral("<script>var a=\"x\"; window.g_qzonetoken = (function(){ try{return \"") +
             token32 + QStringLiteral("\";} catch(e){}})();</script>"),
         token32},
        {QStringLiteral("qzonetoken:\"") + token21 + u'"', token21},
        {QStringLiteral("qzonetoken:\"") + token20 + u'"', QString()},
        // Without the marker the first quoted text of the page counts.
        {QStringLiteral("<a href=\"") + token32 + QStringLiteral("\">"), token32},
        {QStringLiteral("qzonetoken \"") + token32, QString()}, // no closing quote
    };
    for (const TokenCase& c : cases)
        EXPECT_EQ(ExtractQzonePageToken(c.html), c.token) << qPrintable(c.html);
}

TEST(QzonePageToken, OnlyAddressesWithTheQqDomainPastTheirStartAreQqPages) {
    EXPECT_TRUE(IsQqPageAddress(QStringLiteral("https://user.qzone.qq.com/10001")));
    EXPECT_TRUE(IsQqPageAddress(QStringLiteral("https://qzone.qq.com/")));
    EXPECT_FALSE(IsQqPageAddress(QStringLiteral("qq.com/at-the-start")));
    EXPECT_FALSE(IsQqPageAddress(QStringLiteral("https://www.moko.cc/")));
    EXPECT_FALSE(IsQqPageAddress(QString()));
}

} // namespace
} // namespace phodex
