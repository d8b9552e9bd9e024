// SPDX-License-Identifier: MIT
#include "adapters/common/adapterkit.h"
#include "adapters/renren/renrenadapters.h"
#include "adapters/renren/renrenkit.h"
#include "core/jobcontext.h"
#include "core/pagewalk.h"
#include "net/fetch.h"
#include "text/escapes.h"
#include "text/markers.h"

#include <QStringList>

namespace phodex {

namespace {

QString ZhanAddress(const QString& path) {
    return SiteHosts::https(HostRole::RenrenZhanHost, path);
}

// The months the archive page offers, newest first.
QStringList ArchiveMonths(const QString& siteId) {
    QString page =
        FetchPage(ZhanAddress(QStringLiteral("/archive?site_id=%1").arg(siteId)), kRenrenTextFlags);
    QStringList months;
    if (SkipTo(page, QStringLiteral("class=\"time_control")) < 0)
        return months;
    CutAt(page, QStringLiteral("</section>"));
    QStringList parts;
    SplitBy(page, QStringLiteral("mark=\""), parts);
    for (qsizetype i = 1; i < parts.size(); ++i)
        months << TextBefore(parts.at(i), QStringLiteral("\""));
    return months;
}

// One month's posts (or the tag's, for an empty month), page by page; false
// when a stop was requested.
bool ListMonth(ListContext& ctx, const QString& siteName, const QString& siteId,
               const QString& tagPart, const QString& month, PageWalk& seen) {
    PageWalk walk;
    for (int j = 0; walk.nextPage(); ++j) {
        const QString path =
            month.isEmpty() ? QStringLiteral("/archive/archiveByTag?site_id=%1%2&page=%3")
                                  .arg(siteId, tagPart)
                                  .arg(j)
                            : QStringLiteral("/archive/archiveByTime?site_id=%1%2&month=%3&page=%4")
                                  .arg(siteId, tagPart, QueryValue(month))
                                  .arg(j);
        const QString text = FetchPage(ZhanAddress(path), kRenrenTextFlags);
        QStringList parts;
        if (text.isEmpty() || SplitBy(text, QStringLiteral("<div id=\\\""), parts) < 1)
            return true;
        for (qsizetype i = 1; i < parts.size(); ++i) {
            QString item = parts.at(i);
            QString post = TextBefore(item, QStringLiteral("\\\""));
            post.remove(QStringLiteral("feed"));
            if (post.isEmpty() || !walk.isNew(post) || !seen.isNew(post))
                continue;
            AlbumInfo album;
            album.key = ZhanAddress(
                QStringLiteral("/%1?gid=%2&ajax=true").arg(QueryValue(siteName), QueryValue(post)));
            album.name = UnescapeUnicode(
                GetBetween(item, QStringLiteral("class=\\\"title\\\">"), QStringLiteral("<\\/")));
            if (!ctx.addAlbum(album))
                return false;
        }
        walk.notePage(text);
    }
    return true;
}

} // namespace

void RenrenZhanListAlbums(ListContext& ctx, const QString& address) {
    QString siteName = address;
    SkipTo(siteName, QStringLiteral("com/"));
    CutAt(siteName, QStringLiteral("?"));
    siteName = siteName.trimmed();
    QString page = FetchPage(address, kRenrenTextFlags);
    const QString siteId = GetBetween(page, QStringLiteral("site_id="), QStringLiteral("\""));
    ctx.session().setTextSlot(TextSlot::First, siteId);
    QString tag = address;
    if (SkipTo(tag, QStringLiteral("tagId=")) < 0)
        tag.clear();
    CutAt(tag, QStringLiteral("&"));
    ctx.session().setTextSlot(TextSlot::Second, tag);
    ctx.session().setOwnerFolder(GetBetween(page, QStringLiteral("name:'"), QStringLiteral("'")));
    QString tagPart;
    if (!tag.isEmpty()) {
        QString item = GetBetween(page, QStringLiteral("class=\"s\""), QStringLiteral("</li>"));
        ctx.session().setSubFolder(GetBetween(item, QStringLiteral(">"), QStringLiteral("<")));
        tagPart = QStringLiteral("&tag_id=") + QueryValue(tag);
    }
    if (siteId.isEmpty())
        return;
    PageWalk seen;
    seen.nextPage();
    for (const QString& month : ArchiveMonths(QueryValue(siteId))) {
        if (!ListMonth(ctx, siteName, QueryValue(siteId), tagPart, month, seen))
            return;
    }
}

void RenrenZhanListPhotos(PictureContext& ctx, int albumIndex) {
    const AlbumInfo album = ctx.album(albumIndex);
    if (album.key.isEmpty())
        return;
    CUrlRequest request = GzipPageRequest(QByteArrayLiteral("class=\"ccagreement\">"));
    request.startMarker = QByteArrayLiteral("id=\"main-wrap\"");
    request.url = album.key;
    CUrlResponse response;
    const QString page = FetchText(response, request, kRenrenTextFlags);
    if (page.indexOf(QStringLiteral("class=\"photo\">")) < 1)
        return;
    QStringList parts;
    SplitBy(page, QStringLiteral("<img"), parts);
    if (parts.size() < 2)
        return;
    QString item = parts.at(1);
    QString url = GetBetween(item, QStringLiteral("data-src=\""), QStringLiteral("\""));
    if (url.isEmpty())
        url = GetBetween(item, QStringLiteral("src=\""), QStringLiteral("\""));
    PageWalk walk;
    HandOverPicture(ctx, url, album.name, albumIndex, walk,
                    QStringLiteral("Referer: %1").arg(album.key));
}

} // namespace phodex
