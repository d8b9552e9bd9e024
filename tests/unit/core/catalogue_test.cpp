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
        EXPECT_EQ(categoryCaption(i), captions[i]);
    }
    EXPECT_TRUE(categoryCaption(-1).isEmpty());
    EXPECT_TRUE(categoryCaption(kCategoryCount).isEmpty());
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

} // namespace
} // namespace phodex
