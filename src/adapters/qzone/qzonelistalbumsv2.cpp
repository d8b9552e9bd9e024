// SPDX-License-Identifier: MIT
#include "adapters/qzone/qqcommon.h"
#include "adapters/qzone/qqcookies.h"
#include "adapters/qzone/qzoneadapters.h"
#include "adapters/qzone/qzonealbumpage.h"
#include "adapters/qzone/qzoneroute.h"
#include "adapters/qzone/qzonetoken.h"
#include "core/jobcontext.h"
#include "core/pagewalk.h"
#include "net/pagetext.h"
#include "text/markers.h"

namespace phodex {

void QzoneListAlbumsV2(ListContext& ctx, const QString& qq) {
    std::optional<QzoneRoute> route = RequestQzoneRoute(ctx, qq, RouteCaller::AlbumsV2);
    if (!route)
        return;
    const QString cookies = QqCookieText(SiteHosts::https(HostRole::QzoneUserHost));
    const quint32 gtk = QzoneToken(QzoneTokenSource(cookies, TokenCookie::SkeyOnly));
    CUrlRequest request =
        PageRequest(GzipHeader() + QStringLiteral("\r\nReferer: ") + QzoneUserHome(qq));
    request.url = QStringLiteral("http://") + route->listHost +
                  QString::asprintf("/fcgi-bin/fcg_list_album_v2?hostUin=%ls&format=jsonp&plat="
                                    "qzone&source=qzone&t=%ls&g_tk=%u",
                                    qUtf16Printable(qq), qUtf16Printable(RandomFraction()), gtk);
    // The older photo list is served by the static host's list twin.
    route->listHost = PlainHostName(
        GetBetween(route->rest, QStringLiteral("\"s\":\""), QStringLiteral("\""), kConsume)
            .replace(QStringLiteral("static"), QStringLiteral("plist")));
    StoreQzoneRoute(ctx.session(), *route);
    CUrlResponse response;
    const QString text =
        FetchText(response, request, int(ctx.extension().qzoneV2Charset) | kTextInflate);
    if (text.isEmpty() || QzoneAlbumListRefused(ctx, text, qq))
        return;
    PageWalk walk;
    walk.nextPage();
    AddQzoneAlbums(ctx, text, route->idcNum, qq, walk);
}

} // namespace phodex
