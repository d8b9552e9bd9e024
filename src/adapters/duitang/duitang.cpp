// SPDX-License-Identifier: MIT
#include "adapters/common/adapterkit.h"
#include "adapters/duitang/duitangadapters.h"
#include "core/jobcontext.h"
#include "core/pagewalk.h"
#include "net/pacer.h"
#include "text/markers.h"

#include <QStringList>

namespace phodex {

namespace {

constexpr int kDuitangTextFlags = 0x03;
constexpr qint64 kOneAlbumPauseMs = 2000;
constexpr qint64 kAlbumPagePauseMs = 1500;
constexpr qint64 kPicturePagePauseMs = 2500;
constexpr int kPerPage = 24;
// What the blog-list service is to tell of each picture; its commas stay
// escaped in the query.
const QString kBlogFields = QStringLiteral(
    "&include_fields=top_comments%2Cis_root%2Csource_link%2Cbuyable%2Croot_id%2Cstatus%2Clike_"
    "count%2Csender%2Creply_count");

QString SiteAddress(const QString& path) {
    return QStringLiteral("http://") + SiteHosts::get(HostRole::DuitangHost) + path;
}

void DuitangListOneAlbum(ListContext& ctx) {
    QString page = ctx.session().textSlot(TextSlot::First);
    AlbumInfo album;
    album.name = GetBetween(page, QStringLiteral("album-title\">"), QStringLiteral("</"), kConsume)
                     .trimmed();
    album.photoCount =
        LeadingNumber(GetBetween(page, QStringLiteral("count\">"), QStringLiteral("个"), kConsume));
    album.key = ctx.session().textSlot(TextSlot::Second);
    ctx.addAlbum(album);
    if (!ctx.stopRequested())
        pacer().sleepMs(kOneAlbumPauseMs);
}

void DuitangListUserAlbums(ListContext& ctx, const QString& user) {
    CUrlRequest request = PageRequest(GzipHeader() + QStringLiteral("\r\nReferer: ") +
                                      SiteAddress(QStringLiteral("/people/?user_id=") + user));
    CUrlResponse response;
    PageWalk walk;
    for (int page = 1; walk.nextPage(); ++page) {
        pacer().sleepMs(kAlbumPagePauseMs);
        // The seconds followed by "0000": a value that changes with every call.
        const qint64 seconds = pacer().nowMs() / 1000;
        request.url =
            SiteAddress(QStringLiteral("/album/list/%1/%2/?user_id=").arg(page).arg(kPerPage)) +
            QueryValue(user) +
            QStringLiteral("&_=%1%2")
                .arg(qint32(quint32(seconds)))
                .arg(qint32(seconds >> 32), 4, 10, QLatin1Char('0'));
        const QString text = FetchText(response, request, kDuitangTextFlags);
        if (text.isEmpty())
            return;
        QStringList parts;
        if (SplitBy(text, QStringLiteral("\"like_count\""), parts) < 1)
            return;
        for (qsizetype i = 1; i < parts.size(); ++i) {
            QString part = parts.at(i);
            AlbumInfo album;
            album.photoCount = LeadingNumber(
                GetBetween(part, QStringLiteral("count\":"), QStringLiteral(","), kConsume));
            album.cover = JsonText(
                GetBetween(part, QStringLiteral("pics\":[\""), QStringLiteral("\""), kConsume));
            album.key = GetBetween(part, QStringLiteral("\"id\":"), QStringLiteral(","), kConsume)
                            .trimmed();
            album.name = JsonText(
                GetBetween(part, QStringLiteral("name\":\""), QStringLiteral("\""), kConsume));
            if (album.name.isEmpty() || !walk.isNew(album.key))
                continue;
            if (!ctx.addAlbum(album))
                return;
        }
        walk.notePage(text);
    }
}

// A thumbnail's path names its picture without the size part.
QString FullPicture(QString path) {
    path.replace(QStringLiteral(".thumb.224_0."), QStringLiteral("."));
    path.replace(QStringLiteral(".thumb.700_0."), QStringLiteral("."));
    return path;
}

} // namespace

void DuitangListAlbums(ListContext& ctx, const QString& user) {
    if (!ctx.session().textSlot(TextSlot::First).isEmpty())
        DuitangListOneAlbum(ctx);
    else
        DuitangListUserAlbums(ctx, user);
}

void DuitangListPhotos(PictureContext& ctx, int albumIndex) {
    const AlbumInfo album = ctx.album(albumIndex);
    if (album.key.isEmpty())
        return;
    CUrlRequest request = PageRequest(GzipHeader() + QStringLiteral("\r\nReferer: ") +
                                      SiteAddress(QStringLiteral("/album/?id=") + album.key));
    // The service wants a value that differs from page to page: the seconds
    // and a counter, started from the clock and counted up per page.
    const quint32 stamp = quint32(pacer().nowMs() / 1000);
    int tick = int(ClockValue() % 800);
    CUrlResponse response;
    PageWalk walk;
    for (int start = 0; walk.nextPage(); start += kPerPage, ++tick) {
        request.url = QStringLiteral("https://") + SiteHosts::get(HostRole::DuitangHost) +
                      QStringLiteral("/napi/blog/list/by_album/?album_id=") +
                      QueryValue(album.key) + QStringLiteral("&limit=%1").arg(kPerPage) +
                      kBlogFields +
                      QStringLiteral("&start=%1&_=%2%3")
                          .arg(start)
                          .arg(qint32(stamp))
                          .arg(tick, 3, 10, QLatin1Char('0'));
        QString text = FetchText(response, request, kDuitangTextFlags);
        if (text.isEmpty())
            return;
        const QString whole = text;
        bool more = text.contains(QStringLiteral("more\":1"));
        CutAt(text, QStringLiteral("has_next\":"));
        QStringList parts;
        if (SplitBy(text, QStringLiteral("\"photo\""), parts) < 1)
            more = false;
        for (qsizetype i = 1; i < parts.size(); ++i) {
            QString part = parts.at(i);
            const QString path = FullPicture(JsonText(
                GetBetween(part, QStringLiteral("path\":\""), QStringLiteral("\""), kConsume)));
            if (path.size() <= 7)
                continue;
            const QString title = JsonText(
                GetBetween(part, QStringLiteral("msg\":\""), QStringLiteral("\""), kConsume));
            if (!HandOverPicture(ctx, path, title, albumIndex, walk))
                return;
        }
        walk.notePage(whole);
        pacer().sleepMs(kPicturePagePauseMs);
        if (!more)
            return;
    }
}

} // namespace phodex
