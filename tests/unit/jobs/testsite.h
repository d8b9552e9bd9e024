// SPDX-License-Identifier: MIT
#pragma once

#include "core/sitetable.h"
#include "support/fakesite.h"

#include <QString>

#include <string>
#include <vector>

// A small photo site that exists only in the tests: an owner's album list in
// pages of a few albums, served by the loopback fake site and listed by an
// operation written the way the real adapters are.
namespace phodex::test {

// The category the test site is registered under, beyond the built-in ones.
constexpr Category kTestSiteListType = categoryAt(kCategoryCount);
constexpr ListOp kTestSiteListOp = "TestSiteListAlbums";
inline const QString kTestSiteHost = QStringLiteral("album.testsite.example");

struct TestAlbum {
    std::string id;
    std::string name; // as the page writes it (entities allowed)
    int count = -1;   // -1: the page gives no count
};

struct TestOwner {
    std::string name; // shown in the page title
    std::vector<TestAlbum> albums;
    int perPage = 3;
    // Past the last page the site answers the last page again, still with a
    // next-page link.
    bool repeatLastPage = false;
};

// Serves the owner's album pages at "/u/<user>?page=N".
void ServeTestSite(FakeSite& site, const std::string& user, const TestOwner& owner);
// "http://album.testsite.example/u/<user>".
QString TestSiteAddress(const std::string& user);
// Registers the test site's category and list operation.
void AddTestSite(SiteTable& table);

void TestSiteListAlbums(ListContext& ctx, const QString& address);

} // namespace phodex::test
