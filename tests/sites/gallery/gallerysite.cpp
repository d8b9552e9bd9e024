// SPDX-License-Identifier: MIT
#include "gallerysite.h"

namespace phodex::test {

void GallerySiteTest::servePage(const std::string& host, const std::string& path,
                                const std::string& bytes) {
    site.route("GET", host, path, [bytes](const httplib::Request&, httplib::Response& res) {
        res.set_content(bytes, "text/html");
    });
}

std::vector<std::string> GallerySiteTest::targetsAsked(const std::string& host) const {
    std::vector<std::string> targets;
    for (const ReceivedRequest& r : site.requests()) {
        if (r.host == host)
            targets.push_back(r.target);
    }
    return targets;
}

void GallerySiteTest::list(const ListOperation& operation, const QString& argument) {
    session.albums.clear();
    site.clearRequests();
    runList(operation, argument);
}

} // namespace phodex::test
