// SPDX-License-Identifier: MIT
#pragma once

#include "sites/portfolio/portfoliosite.h"

#include <string>

// The shop sites as loopback fake sites under their real host names.
namespace phodex::test {

inline constexpr Category kShops = Category::Shops;

class StoreSiteTest : public PortfolioSiteTest {
protected:
    void SetUp() override;

    // A picture operation run the way the download job of the category runs
    // it (its options apply), into the save folder; the download list is
    // left in downList.
    void pictures(Category listType, const PictureOperation& operation, int albumIndex,
                  int subType = 0);
    // Sets or clears one option bit of the category's profile.
    void setOption(Category listType, std::uint16_t flag, bool on);
    // The requests that asked for the target, in order.
    std::vector<ReceivedRequest> requestsFor(const std::string& host,
                                             const std::string& target) const;
    // Every picture a shop's page names, answered on any path.
    void servePicturesOn(const std::string& host);
};

} // namespace phodex::test
