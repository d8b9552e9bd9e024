// SPDX-License-Identifier: MIT
// Address lists for get-list: their encodings and the names they give.
#include "jobs/downloadjoblist.h"
#include "text/codepage.h"

#include <gtest/gtest.h>

namespace phodex {
namespace {

TEST(AddressList, ReadsGbkAndUtf8WithAnyLineEnd) {
    const QStringList expected{QStringLiteral("http://a.example.com/图片.jpg"),
                               QStringLiteral("http://a.example.com/2.jpg")};
    const QString text = expected.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n\r\n");
    EXPECT_EQ(ReadAddressList(ToGbk(text)), expected);
    EXPECT_EQ(ReadAddressList(text.toUtf8()), expected);
    EXPECT_EQ(ReadAddressList("\xEF\xBB\xBF" + text.toUtf8().replace("\r\n", "\n")), expected);
    EXPECT_TRUE(ReadAddressList(QByteArray(" \r\n\n")).isEmpty());
}

TEST(AddressList, PicturesAreNamedAfterTheirAddressesAndUnique) {
    const CDownList list = MakeAddressDownload({QStringLiteral("http://a.example.com/x/cat.JPG"),
                                                QStringLiteral("http://b.example.com/y/Cat.jpg"),
                                                QStringLiteral("//c.example.com/photo?id=7"),
                                                QStringLiteral("http://d.example.com/")},
                                               QStringLiteral("/save/"));
    EXPECT_EQ(list.folder, QStringLiteral("/save/"));
    EXPECT_EQ(list.urls.at(2), QStringLiteral("http://c.example.com/photo?id=7"));
    EXPECT_EQ(list.names.at(0), QStringLiteral("cat.JPG"));
    EXPECT_EQ(list.names.at(1), QStringLiteral("Cat(1).jpg"));
    EXPECT_EQ(list.names.at(2), QStringLiteral("photoid=7.jpg"));
    EXPECT_FALSE(list.names.at(3).isEmpty());
    EXPECT_EQ(list.headers.size(), 4);
}

} // namespace
} // namespace phodex
