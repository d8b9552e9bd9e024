// SPDX-License-Identifier: MIT
#include "adapters/qzone/qzoneroute.h"

#include "adapters/qzone/qqcommon.h"
#include "core/jobcontext.h"
#include "core/seams/userprompt.h"
#include "net/fetch.h"
#include "net/pagetext.h"
#include "text/markers.h"

#include <QCoreApplication>

namespace phodex {

namespace {

constexpr char kRouteFailed[] = QT_TRANSLATE_NOOP("phodex::Sites", "QQ空间相册错误1");

QString RouteHeaders(const QString& qq, RouteCaller caller) {
    const QString referer = QStringLiteral("Referer: ") + QzoneUserHome(qq);
    return caller == RouteCaller::Albums ? referer
                                         : GzipHeader() + QStringLiteral("\r\n") + referer;
}

} // namespace

QzoneRoute ParseQzoneRoute(QString text) {
    QzoneRoute route;
    route.idcNum = LeadingNumber(
        GetBetween(text, QStringLiteral("idcno\":\""), QStringLiteral(","), kConsume));
    const QString section =
        GetBetween(text, QStringLiteral("default\":\""), QStringLiteral("\""), kConsume);
    SkipTo(text, section + QStringLiteral("\":"));
    route.viewHost = GetBetween(text, QStringLiteral("\"nu\":\""), QStringLiteral("\""), kConsume);
    route.listHost = GetBetween(text, QStringLiteral("\"p\":\""), QStringLiteral("\""), kConsume)
                         .replace(QStringLiteral("sznewp"), QStringLiteral("alist"))
                         .replace(QStringLiteral("xanewp"), QStringLiteral("xalist"));
    route.photoHost = GetBetween(text, QStringLiteral("\"s\":\""), QStringLiteral("\""), kConsume)
                          .replace(SiteHosts::get(HostRole::QzonePhotoShortHost),
                                   SiteHosts::get(HostRole::QzonePhotoHost));
    route.viewHost = PlainHostName(route.viewHost);
    route.listHost = PlainHostName(route.listHost);
    route.photoHost = PlainHostName(route.photoHost);
    route.rest = text;
    return route;
}

std::optional<QzoneRoute> RequestQzoneRoute(ListContext& ctx, const QString& qq,
                                            RouteCaller caller) {
    CUrlRequest request = PageRequest(RouteHeaders(qq, caller));
    request.url = SiteHosts::https(HostRole::QzoneUserHost, QStringLiteral("/proxy/domain/")) +
                  SiteHosts::get(HostRole::QzoneRouteHost) + QStringLiteral("/GetRoute?UIN=") + qq +
                  QStringLiteral("&type=json&version=2");
    CUrlResponse response;
    if (!Fetch(response, request, 0)) {
        ctx.env.prompt.information(QCoreApplication::translate("phodex::Sites", kRouteFailed));
        return std::nullopt;
    }
    const int textFlags =
        caller == RouteCaller::Albums ? int(ctx.extension().qzoneV3Charset) : kTextInflate;
    QzoneRoute route = ParseQzoneRoute(GetText(response, textFlags));
    StoreQzoneRoute(ctx.session(), route);
    return route;
}

void StoreQzoneRoute(Session& session, const QzoneRoute& route) {
    session.setTextSlot(TextSlot::First, route.viewHost);
    session.setTextSlot(TextSlot::Second, route.listHost);
    session.setTextSlot(TextSlot::Third, route.photoHost);
}

QzoneRoute StoredQzoneRoute(const Session& session) {
    QzoneRoute route;
    route.viewHost = session.textSlot(TextSlot::First);
    route.listHost = session.textSlot(TextSlot::Second);
    route.photoHost = session.textSlot(TextSlot::Third);
    return route;
}

} // namespace phodex
