// SPDX-License-Identifier: MIT
#include "core/webaddress.h"

#include <gtest/gtest.h>

namespace phodex {
namespace {

struct SchemeCase {
    const char16_t* in;
    bool hasScheme;
    const char16_t* asHost;     // WithWebScheme(in, BareAddress::Host)
    const char16_t* asRelative; // WithWebScheme(in, BareAddress::Relative)
};

const SchemeCase kSchemeCases[] = {
    {.in = u"http://a.com/1.jpg",
     .hasScheme = true,
     .asHost = u"http://a.com/1.jpg",
     .asRelative = u"http://a.com/1.jpg"},
    {.in = u"https://a.com/",
     .hasScheme = true,
     .asHost = u"https://a.com/",
     .asRelative = u"https://a.com/"},
    // Schemes have no letter case.
    {.in = u"HTTPS://A.COM/U/",
     .hasScheme = true,
     .asHost = u"HTTPS://A.COM/U/",
     .asRelative = u"HTTPS://A.COM/U/"},
    {.in = u"Http://a.com/",
     .hasScheme = true,
     .asHost = u"Http://a.com/",
     .asRelative = u"Http://a.com/"},
    // Scheme-relative: the plain scheme whatever the caller wants of bare ones.
    {.in = u"//img.a.com/1.jpg",
     .hasScheme = false,
     .asHost = u"http://img.a.com/1.jpg",
     .asRelative = u"http://img.a.com/1.jpg"},
    // "http" at the start is not yet a scheme, nor is one further on.
    {.in = u"httpbin.org/get",
     .hasScheme = false,
     .asHost = u"http://httpbin.org/get",
     .asRelative = u"httpbin.org/get"},
    {.in = u"http:/a.com",
     .hasScheme = false,
     .asHost = u"http://http:/a.com",
     .asRelative = u"http:/a.com"},
    {.in = u"a.com/?u=http://b.com",
     .hasScheme = false,
     .asHost = u"http://a.com/?u=http://b.com",
     .asRelative = u"a.com/?u=http://b.com"},
    {.in = u"photos/1.jpg",
     .hasScheme = false,
     .asHost = u"http://photos/1.jpg",
     .asRelative = u"photos/1.jpg"},
    {.in = u"/photos/1.jpg",
     .hasScheme = false,
     .asHost = u"http:///photos/1.jpg",
     .asRelative = u"/photos/1.jpg"},
    {.in = u"", .hasScheme = false, .asHost = u"http://", .asRelative = u""},
};

TEST(WebScheme, IsRecognisedAtTheStartInAnyCaseAndAddedWhereMissing) {
    for (const SchemeCase& c : kSchemeCases) {
        const QString in = QString::fromUtf16(c.in);
        EXPECT_EQ(StartsWithWebScheme(in), c.hasScheme) << qPrintable(in);
        EXPECT_EQ(WithWebScheme(in), QString::fromUtf16(c.asHost)) << qPrintable(in);
        EXPECT_EQ(WithWebScheme(in, BareAddress::Relative), QString::fromUtf16(c.asRelative))
            << qPrintable(in);
    }
}

} // namespace
} // namespace phodex
