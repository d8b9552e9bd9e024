// SPDX-License-Identifier: MIT
#include "core/catalogue.h"
#include "core/sitehosts.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

namespace phodex {
namespace {

TEST(Catalogue, OneDistinctCaptionPerCategory) {
    const QStringList captions = categoryCaptions();
    ASSERT_EQ(captions.size(), kCategoryCount);
    EXPECT_EQ(std::set<QString>(captions.begin(), captions.end()).size(),
              static_cast<std::size_t>(kCategoryCount));
    for (int i = 0; i < kCategoryCount; ++i) {
        EXPECT_FALSE(captions[i].isEmpty()) << i;
        EXPECT_EQ(categoryCaption(categoryAt(i)), captions[i]);
    }
    EXPECT_TRUE(categoryCaption(Category::None).isEmpty());
    EXPECT_TRUE(categoryCaption(categoryAt(kCategoryCount)).isEmpty());
}

// Markers are searched for case-sensitively in addresses as the sites write
// them, so a mistyped or duplicated row would silently send a site elsewhere.
TEST(SiteHosts, TextsAreLowerCaseAndDistinct) {
    // A domain may be both a marker and a host name (a site whose login page
    // sits on its bare domain); within one kind, two roles never share a text.
    std::set<std::pair<int, QString>> seen;
    for (const SiteHostEntry& entry : SiteHosts::entries()) {
        const QString text = SiteHosts::get(entry.role);
        EXPECT_FALSE(text.isEmpty());
        EXPECT_EQ(text, text.toLower()) << text.toStdString();
        EXPECT_TRUE(seen.insert({static_cast<int>(entry.kind), text}).second)
            << "twice: " << text.toStdString();
    }
}

TEST(SiteHosts, HostNamesAreTheFullHostEntries) {
    const QStringList names = SiteHosts::hostNames();
    EXPECT_TRUE(names.contains(QStringLiteral("t.qq.com")));
    EXPECT_TRUE(names.contains(QStringLiteral("qun.qq.com")));
    for (const QString& name : names) {
        EXPECT_FALSE(name.startsWith(u'.') || name.endsWith(u'.') || name.contains(u'/'))
            << name.toStdString();
    }
}

TEST(SiteHosts, SecureAddressesAreBuiltOnTheRoleHost) {
    struct Case {
        HostRole role;
        QString path;
        QString address;
    };
    const Case cases[] = {
        {.role = HostRole::MokoHost,
         .path = QStringLiteral("/"),
         .address = QStringLiteral("https://www.moko.cc/")},
        {.role = HostRole::WeiboHost,
         .path = QStringLiteral("/login.php"),
         .address = QStringLiteral("https://weibo.com/login.php")},
        {.role = HostRole::TencentWeiboApiHost,
         .path = QString(),
         .address = QStringLiteral("https://api.t.qq.com")},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SiteHosts::https(c.role, c.path), c.address) << c.address.toStdString();
    EXPECT_EQ(SiteHosts::https(HostRole::HuabanHost),
              QStringLiteral("https://") + SiteHosts::get(HostRole::HuabanHost) + u'/');
}

} // namespace
} // namespace phodex
