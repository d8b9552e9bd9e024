// SPDX-License-Identifier: MIT
#pragma once

#include "sites/qzone/qqsite.h"

#include <string>
#include <vector>

// The gallery sites as loopback fake sites under their real host names.
namespace phodex::test {

class GallerySiteTest : public QqSiteTest {
protected:
    // Answers GET host+path with these bytes, as they are (the pages are in
    // the sites' own encodings).
    void servePage(const std::string& host, const std::string& path, const std::string& bytes);
    // The targets asked of host, in order.
    std::vector<std::string> targetsAsked(const std::string& host) const;
    // Lists with a fresh album list and request log.
    void list(const ListOperation& operation, const QString& argument);
};

} // namespace phodex::test
