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

namespace phodex {

namespace {

constexpr int kAlbumsPerPage = 48;

QString AlbumListAddress(const QzoneRoute& route, const QString& qq, int pageStart) {
    const QString cookies = QqCookieText(SiteHosts::https(HostRole::QzoneUserHost));
    const QString uin = QzoneViewerUin(cookies, true);
    const quint32 gtk = QzoneToken(QzoneTokenSource(cookies, TokenCookie::PSkeyFirst));
    const QString query = QString::asprintf(
        "g_tk=%u&callback=shine5_Callback&hostUin=%ls&uin=%ls&appid=4&inCharset=utf-8&outCharset="
        "utf-8&source=qzone&plat=qzone&format=jsonp&notice=0&filter=1&handset=4&pageNumModeSort="
        "40&pageNumModeClass=15&needUserInfo=1&idcNum=%d&mode=2&sortOrder=0&pageStart=%d&pageNum="
        "48&callbackFun=shine5&_=%ls",
        gtk, qUtf16Printable(qq), qUtf16Printable(uin), route.idcNum, pageStart,
        qUtf16Printable(RandomFraction()));
    return QzoneProxyAddress(route.listHost,
                             QStringLiteral("/fcgi-bin/fcg_list_album_v3?") + query);
}

} // namespace

void QzoneListAlbums(ListContext& ctx, const QString& qq) {
    const std::optional<QzoneRoute> route = RequestQzoneRoute(ctx, qq, RouteCaller::Albums);
    if (!route)
        return;
    CUrlRequest request = PageRequest(QStringLiteral("Referer: ") + QzoneUserHome(qq));
    CUrlResponse response;
    PageWalk walk;
    for (int pageStart = 0; walk.nextPage(); pageStart += kAlbumsPerPage) {
        request.url = AlbumListAddress(*route, qq, pageStart);
        const QString text = FetchText(response, request, kTextUtf8);
        if (text.isEmpty() || QzoneAlbumListRefused(ctx, text, qq))
            return;
        if (!AddQzoneAlbums(ctx, text, route->idcNum, qq, walk))
            return;
    }
}

} // namespace phodex
