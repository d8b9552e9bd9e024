// SPDX-License-Identifier: MIT
#include "adapters/common/adapterkit.h"
#include "adapters/gallery/galleryadapters.h"
#include "adapters/gallery/gallerykit.h"
#include "core/jobcontext.h"
#include "core/pagewalk.h"
#include "core/seams/userprompt.h"
#include "core/webaddress.h"
#include "net/pagetext.h"
#include "text/codepage.h"
#include "text/escapes.h"
#include "text/markers.h"

#include <QStringList>

namespace phodex {

namespace {

// The site's notice when it is busy; its pages are asked for again while
// they carry it.
const QString kBusy = QStringLiteral("请稍候再试");

CUrlRequest Home51Request() {
    CUrlRequest request = GzipPageRequest();
    request.retryMarker = ToGbk(kBusy);
    request.attempts = 3;
    request.pauseSeconds = 10;
    request.connectTimeoutMs = 15000;
    return request;
}

} // namespace

void Home51ListAlbums(ListContext& ctx, const QString& user) {
    if (user.trimmed().isEmpty())
        return;
    ctx.session().setTextSlot(TextSlot::First, user);
    CUrlRequest request = Home51Request();
    request.url =
        SiteHosts::https(HostRole::Home51Host) + QueryValue(user) + QStringLiteral("/photo");
    CUrlResponse response;
    QString text = FetchText(response, request, kTextInflate | kTextUtf8);
    SkipTo(text, QStringLiteral("class=\"p_main"));
    QStringList parts;
    SplitBy(text, QStringLiteral("class=\"pic"), parts);
    for (qsizetype i = 1; i < parts.size(); ++i) {
        QString item = parts.at(i);
        AlbumInfo album;
        album.cover = GetBetween(item, QStringLiteral("src=\""), QStringLiteral("\""));
        album.key = GetBetween(item, QStringLiteral("href=\""), QStringLiteral("\""));
        album.name = GetBetween(item, QStringLiteral(">"), QStringLiteral("</"));
        if (album.name.isEmpty())
            continue;
        album.photoCount =
            LeadingNumber(GetBetween(item, QStringLiteral("(共"), QStringLiteral("张")));
        if (!ctx.addAlbum(album))
            return;
    }
}

void Home51ListPhotos(PictureContext& ctx, int albumIndex) {
    const AlbumInfo album = ctx.album(albumIndex);
    if (album.key.isEmpty())
        return;
    // The album's own page: whatever way the key was written, one slash
    // after the host.
    const QString albumPage = OnHost(HostRole::Home51Host, album.key);
    CUrlRequest request = Home51Request();
    request.url = albumPage;
    CUrlResponse response;
    QString text = FetchText(response, request, kTextInflate | kTextUtf8);
    if (SkipTo(text, QStringLiteral("class=\"photo_item_list")) < 0)
        return;
    // One picture of the album names the data view that lists them all.
    const QString photoId = GetBetween(text, QStringLiteral("/item/"), QStringLiteral(".htm"));
    request.url = SiteHosts::https(HostRole::Home51Host) +
                  QueryValue(ctx.session().textSlot(TextSlot::First)) +
                  QStringLiteral("/photo/getdataview/?id=") + QueryValue(photoId);
    const QString view = FetchText(response, request, kTextInflate | kTextUtf8);
    text = view;
    QStringList parts;
    if (SkipTo(text, QStringLiteral("rows\":")) < 0 ||
        SplitBy(text, QStringLiteral("\"photo_id\""), parts) == 0) {
        if (view.indexOf(kBusy) > 0)
            ctx.env.prompt.information(view);
        return;
    }
    const QString referer = QStringLiteral("Referer: ") + albumPage;
    PageWalk walk;
    for (qsizetype i = 1; i < parts.size(); ++i) {
        QString item = parts.at(i);
        QString title = UnescapeUnicode(
            GetBetween(item, QStringLiteral("photo_name\":\""), QStringLiteral("\"")));
        const QString url = WithWebScheme(
            Unslashed(GetBetween(item, QStringLiteral("big_photo\":\""), QStringLiteral("\""))),
            BareAddress::Relative);
        if (title.isEmpty())
            title = album.name;
        if (!HandOverPicture(ctx, url, title, albumIndex, walk, referer))
            return;
    }
}

} // namespace phodex
