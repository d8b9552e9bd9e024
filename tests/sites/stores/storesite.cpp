// SPDX-License-Identifier: MIT
#include "storesite.h"

#include "jobs/addpicture.h"

namespace phodex::test {

void StoreSiteTest::SetUp() {
    PortfolioSiteTest::SetUp();
    for (const char* host : {"img.alicdn.com", "cbu01.alicdn.com", "sc04.alicdn.com",
                             "ae01.alicdn.com", "img14.360buyimg.com", "img30.360buyimg.com"})
        servePicturesOn(host);
}

void StoreSiteTest::pictures(Category listType, const PictureOperation& operation, int albumIndex,
                             int subType) {
    session.downState = kDownRunning;
    DownloadJobContext ctx(env, listType, subType, session.settings(), extension,
                           saveDir.path() + QLatin1Char('/'), session.ownerFolder());
    ctx.beginAlbum(albumIndex);
    operation(ctx, albumIndex);
    downList = ctx.downList();
    session.downState = kDownIdle;
}

void StoreSiteTest::setOption(Category listType, std::uint16_t flag, bool on) {
    session.updateSettings([&](SettingsRecord& record) {
        std::uint16_t& flags = record.profileFor(listType).optionFlags;
        flags = on ? flags | flag : flags & ~flag;
        return true;
    });
}

std::vector<ReceivedRequest> StoreSiteTest::requestsFor(const std::string& host,
                                                        const std::string& target) const {
    std::vector<ReceivedRequest> found;
    for (const ReceivedRequest& r : site.requests()) {
        if (r.host == host && r.target == target)
            found.push_back(r);
    }
    return found;
}

void StoreSiteTest::servePicturesOn(const std::string& host) {
    site.route("GET", host, "/*", [](const httplib::Request& req, httplib::Response& res) {
        res.set_content(PictureBody(req.target), "image/jpeg");
    });
}

} // namespace phodex::test
