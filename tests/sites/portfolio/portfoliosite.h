// SPDX-License-Identifier: MIT
#pragma once

#include "sites/gallery/gallerysite.h"

#include <map>

// The portfolio sites as loopback fake sites under their real host names.
namespace phodex::test {

class PortfolioSiteTest : public GallerySiteTest {
protected:
    // Runs the list dispatch of the category on the address, as the Get List
    // command does, with a fresh album list and request log.
    void dispatch(Category listType, const QString& address);
    // Answers GET host+path by the value of one query parameter: the page
    // of that value, a 404 for any other.
    void servePagesBy(const std::string& host, const std::string& path, const std::string& param,
                      const std::map<std::string, std::string>& pages);
    // The value of one query parameter in each request to path, in order.
    std::vector<std::string> paramsAsked(const std::string& path, const char* key) const;
    // The picture names the download list holds.
    QStringList names() const { return downList.names; }
};

} // namespace phodex::test
