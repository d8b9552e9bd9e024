// SPDX-License-Identifier: MIT
#include "testsite.h"

#include "core/jobcontext.h"
#include "core/pagewalk.h"
#include "net/fetch.h"
#include "net/pagetext.h"
#include "text/markers.h"

#include <algorithm>

namespace phodex::test {

namespace {

std::string AlbumItem(const TestAlbum& album) {
    std::string item = "<li class=\"album\"><a href=\"/album/" + album.id + "\">" + album.name +
                       "</a><img src=\"http://pics.testsite.example/" + album.id + ".jpg\">";
    if (album.count >= 0)
        item += "<em>" + std::to_string(album.count) + "</em>";
    return item + "</li>\n";
}

std::string OwnerPage(const TestOwner& owner, int page) {
    const int pages =
        std::max(1, int((owner.albums.size() + size_t(owner.perPage) - 1) / size_t(owner.perPage)));
    const bool past = page > pages;
    if (past && !owner.repeatLastPage)
        return "<html><title>" + owner.name + "的相册</title><p>没有更多相册</p></html>";
    const int shown = past ? pages : page;
    std::string body = "<html><title>" + owner.name + "的相册</title><ul>\n";
    for (int i = (shown - 1) * owner.perPage;
         i < shown * owner.perPage && i < int(owner.albums.size()); ++i)
        body += AlbumItem(owner.albums[size_t(i)]);
    body += "</ul>";
    if (shown < pages || owner.repeatLastPage)
        body += "<a class=\"next\" href=\"?page=" + std::to_string(page + 1) + "\">下一页</a>";
    return body + "</html>";
}

AlbumInfo ParseAlbum(QString item) {
    AlbumInfo album;
    album.key = GetBetween(item, QStringLiteral("href=\""), QStringLiteral("\""), kConsume);
    album.name = GetBetween(item, QStringLiteral("\">"), QStringLiteral("</a>"), kConsume);
    album.cover = GetBetween(item, QStringLiteral("src=\""), QStringLiteral("\""), kConsume);
    const QString count = GetBetween(item, QStringLiteral("<em>"), QStringLiteral("</em>"));
    album.photoCount = count.isEmpty() ? -1 : count.toInt();
    return album;
}

} // namespace

void ServeTestSite(FakeSite& site, const std::string& user, const TestOwner& owner) {
    site.get("/u/" + user, [owner](const httplib::Request& req, httplib::Response& res) {
        const int page = req.has_param("page") ? std::stoi(req.get_param_value("page")) : 1;
        res.set_content(OwnerPage(owner, page), "text/html; charset=utf-8");
    });
}

QString TestSiteAddress(const std::string& user) {
    return QStringLiteral("http://%1/u/%2").arg(kTestSiteHost, QString::fromStdString(user));
}

void AddTestSite(SiteTable& table) {
    table.addRow(SiteRow{kTestSiteListType,
                         {kAnyOtherSubType},
                         QStringLiteral("Test site"),
                         QStringLiteral("an album"),
                         {kTestSiteListOp},
                         {},
                         QString()});
    table.setList(kTestSiteListOp, TestSiteListAlbums);
}

void TestSiteListAlbums(ListContext& ctx, const QString& address) {
    CUrlRequest request(QString(), QString(), 20000);
    request.headers = QStringLiteral("Accept-Encoding: gzip, deflate");
    CUrlResponse response;
    PageWalk walk;
    while (walk.nextPage()) {
        request.url = QStringLiteral("%1?page=%2").arg(address).arg(walk.pages());
        if (!Fetch(response, request, 0))
            return;
        QString page = GetText(response, kTextInflate | kTextUtf8);
        if (walk.pages() == 1) {
            QString title = page;
            ctx.session().setOwnerFolder(
                GetBetween(title, QStringLiteral("<title>"), QStringLiteral("的相册")));
        }
        const bool more = page.contains(QStringLiteral("class=\"next\""));
        QStringList items;
        SplitBy(page, QStringLiteral("<li class=\"album\">"), items);
        for (qsizetype i = 1; i < items.size(); ++i) {
            const AlbumInfo album = ParseAlbum(items[i]);
            if (album.key.isEmpty() || !walk.isNew(album.key))
                continue;
            if (!ctx.addAlbum(album))
                return;
        }
        if (!more)
            return;
    }
}

} // namespace phodex::test
