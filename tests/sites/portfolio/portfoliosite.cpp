// SPDX-License-Identifier: MIT
#include "portfoliosite.h"

#include "jobs/dispatch.h"

namespace phodex::test {

void PortfolioSiteTest::dispatch(Category listType, const QString& address) {
    session.albums.clear();
    site.clearRequests();
    session.listState = kListRunning;
    ListJobContext ctx(env, listType, session.settings(), extension);
    DispatchList(ctx, address);
    session.listState = kListIdle;
}

void PortfolioSiteTest::servePagesBy(const std::string& host, const std::string& path,
                                     const std::string& param,
                                     const std::map<std::string, std::string>& pages) {
    site.route("GET", host, path,
               [param, pages](const httplib::Request& req, httplib::Response& res) {
                   const auto page = pages.find(req.get_param_value(param));
                   if (page == pages.end()) {
                       res.status = 404;
                       return;
                   }
                   res.set_content(page->second, "text/html");
               });
}

std::vector<std::string> PortfolioSiteTest::paramsAsked(const std::string& path,
                                                        const char* key) const {
    std::vector<std::string> asked;
    for (const auto& request : site.requestsTo(path))
        asked.push_back(Param(request, QString::fromLatin1(key)).toStdString());
    return asked;
}

} // namespace phodex::test
