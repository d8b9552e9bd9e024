// SPDX-License-Identifier: MIT
#include "adapters/common/adapterkit.h"
#include "adapters/common/browsercookies.h"
#include "adapters/yupoo/yupooadapters.h"
#include "adapters/yupoo/yupookit.h"
#include "core/jobcontext.h"
#include "core/pagewalk.h"
#include "download/sanitizename.h"
#include "net/pacer.h"
#include "text/markers.h"

#include <QStringList>

// The current pages: an owner's gallery "?tab=gallery&page=<n>" and album
// pages "page=<n>&tab=min".
namespace phodex {

namespace {

const QString kLastPage = QStringLiteral("pagination__disabled\" title=\"后一页");
constexpr qint64 kYupooPagePauseMs = 1000;
const AlbumDescriptionMarkers kCurrentDescription{QStringLiteral("description\" content=\""),
                                                  QStringLiteral("\"")};

bool IsLastPage(const QString& text) {
    return text.indexOf(kLastPage) > 0;
}

// An album link as the gallery writes it, made absolute: "/photos/..." paths
// live on the album host, "/albums/..." ones under the owner's home.
QString GalleryAlbumKey(QString key, const QString& base) {
    if (key.startsWith(QStringLiteral("/p"))) {
        key = QStringLiteral("http://") + SiteHosts::get(HostRole::YupooAlbumHost) + key;
    } else if (key.startsWith(QStringLiteral("/album"))) {
        key = base + key;
        key.replace(QStringLiteral("//album"), QStringLiteral("/album"));
    }
    return WithSchemeName(key);
}

void CurrentListOneAlbum(ListContext& ctx, const QString& address) {
    CUrlRequest request =
        PageRequest(QStringLiteral("Referer: ") + address + QStringLiteral("\r\n") + GzipHeader());
    request.headers = BrowserCookiesFor(ctx, address).appendTo(request.headers);
    request.url = address;
    CutAt(request.url, QStringLiteral("&"));
    CUrlResponse response;
    QString text = FetchYupooPage(response, request);
    if (text.isEmpty())
        return;
    AlbumInfo album;
    album.name = GetBetween(text, QStringLiteral("alert__title\">"), QStringLiteral("</"), kConsume)
                     .remove(QStringLiteral("<pre>"));
    QString owner = GetBetween(text, QStringLiteral("_nickname\">"), QStringLiteral("<"), kConsume);
    SanitizeName(owner, kNoFallbackNumber, true);
    ctx.session().setOwnerFolder(owner);
    album.key = request.url;
    album.photoCount = -1;
    ctx.addAlbum(album);
}

void ListGallery(ListContext& ctx, const QString& address) {
    QString base = address;
    CutAt(base, QStringLiteral(".com"));
    base += QStringLiteral(".com/");
    const QString tail = ctx.session().textSlot(TextSlot::First);
    CUrlRequest request = PageRequest(QString());
    CUrlResponse response;
    PageWalk walk;
    QString firstKey;
    for (int page = 1; walk.nextPage(); ++page) {
        request.url = QStringLiteral("%1?tab=gallery&page=%2%3").arg(base).arg(page).arg(tail);
        request.headers = YupooPageHeaders(ctx, request.url, base);
        QString text = FetchYupooPage(response, request);
        if (text.isEmpty())
            return;
        const bool last = IsLastPage(text);
        if (page == 1) {
            QString owner =
                GetBetween(text, QStringLiteral("alert__title>"), QStringLiteral("<"), kConsume);
            if (owner.isEmpty())
                owner = GetBetween(text, QStringLiteral("alert__title\">"), QStringLiteral("<"),
                                   kConsume);
            SanitizeName(owner, kNoFallbackNumber, true);
            ctx.session().setOwnerFolder(owner);
        }
        QStringList parts;
        if (SplitBy(text, QStringLiteral("__children\">"), parts) < 1)
            return;
        for (qsizetype i = 1; i < parts.size(); ++i) {
            QString part = parts.at(i);
            AlbumInfo album;
            album.name =
                GetBetween(part, QStringLiteral("title=\""), QStringLiteral("\""), kConsume);
            album.key = GalleryAlbumKey(
                GetBetween(part, QStringLiteral("href=\""), QStringLiteral("\""), kConsume), base);
            album.cover = WithSchemeName(
                GetBetween(part, QStringLiteral("src=\""), QStringLiteral("\""), kConsume));
            album.photoCount = LeadingNumber(
                GetBetween(part, QStringLiteral("photonumber\">"), QStringLiteral("<"), kConsume));
            if (album.cover.indexOf(kYupooDefaultCover) > 0)
                album.flags = kAlbumEncrypted;
            // Past its last page the site shows the first one again.
            if (firstKey.isEmpty())
                firstKey = album.key;
            else if (album.key == firstKey)
                return;
            if (!walk.isNew(album.key + u'\n' + album.name))
                continue;
            if (!ctx.addAlbum(album))
                return;
        }
        walk.notePage(text);
        pacer().sleepMs(kYupooPagePauseMs);
        if (last)
            return;
    }
}

} // namespace

void YupooListAlbums(ListContext& ctx, const QString& address) {
    QString probe = address;
    if (!GetBetween(probe, QStringLiteral("albums/"), QStringLiteral("?")).isEmpty())
        CurrentListOneAlbum(ctx, address);
    else
        ListGallery(ctx, address);
}

void YupooListPhotos(PictureContext& ctx, int albumIndex) {
    const AlbumInfo album = ctx.album(albumIndex);
    if (album.key.isEmpty())
        return;
    const bool large = ctx.profile().HasOption(kOptionYupooLarge);
    const QString intake = QStringLiteral("Referer: ") + album.key;
    // An album address without a query starts one for the page.
    const QChar join = album.key.contains(u'?') ? u'&' : u'?';
    CUrlRequest request = PageRequest(QString());
    PageWalk walk;
    QString description;
    for (int page = 1; walk.nextPage(); ++page) {
        request.url = album.key + join + QStringLiteral("page=%1&tab=min").arg(page);
        const QString text =
            ReadAlbumPage(ctx, album, page, kCurrentDescription, request, description);
        if (text.isEmpty())
            return;
        const bool last = IsLastPage(text);
        QStringList parts;
        if (SplitBy(text, QStringLiteral("class=\"showalbum__children"), parts) < 1)
            return;
        for (qsizetype i = 1; i < parts.size(); ++i) {
            QString part = parts.at(i);
            const bool original = !large && part.indexOf(QStringLiteral("origin-src=\"")) > 0;
            QString url = GetBetween(
                part, original ? QStringLiteral("origin-src=\"") : QStringLiteral("data-src=\""),
                QStringLiteral("\""), kConsume);
            if (!url.isEmpty())
                url = WithSchemeName(url);
            const QString title =
                GetBetween(part, QStringLiteral("<h3 title=\""), QStringLiteral("\""), kConsume);
            // An empty text: the picture-name escape for it names nothing here.
            const bool more = HandOverPicture(ctx, url, title, albumIndex, walk, intake, QString());
            KeepAlbumDescription(ctx, description);
            if (!more)
                return;
        }
        walk.notePage(text);
        if (last)
            return;
    }
}

} // namespace phodex
