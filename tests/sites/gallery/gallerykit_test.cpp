// SPDX-License-Identifier: MIT
// Where the gallery pages' paths and addresses lead.
#include "adapters/gallery/gallerykit.h"

#include <gtest/gtest.h>

namespace phodex::test {
namespace {

TEST(GalleryKit, PathsStayOnTheHostAndAddressesAreKept) {
    struct Case {
        const char16_t* path;
        const char16_t* address;
    };
    const Case cases[] = {
        {.path = u"xiaoming/photo", .address = u"https://photo.pchome.com.tw/xiaoming/photo"},
        {.path = u"/xiaoming/photo", .address = u"https://photo.pchome.com.tw/xiaoming/photo"},
        {.path = u"//img.example.com/a.jpg", .address = u"http://img.example.com/a.jpg"},
        {.path = u"http://img.example.com/a.jpg", .address = u"http://img.example.com/a.jpg"},
        // The scheme in any letter case is an address, not a path on the host.
        {.path = u"HTTPS://IMG.EXAMPLE.COM/A.JPG", .address = u"HTTPS://IMG.EXAMPLE.COM/A.JPG"},
        // "http" without "://" begins a path like any other word.
        {.path = u"httpdocs/a.jpg", .address = u"https://photo.pchome.com.tw/httpdocs/a.jpg"},
    };
    for (const Case& c : cases) {
        const QString path = QString::fromUtf16(c.path);
        EXPECT_EQ(OnHost(HostRole::PchomePhotoHost, path), QString::fromUtf16(c.address))
            << qPrintable(path);
    }
}

} // namespace
} // namespace phodex::test
