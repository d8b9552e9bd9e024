// SPDX-License-Identifier: MIT
#include "adapters/common/dispatchkit.h"
#include "adapters/portfolio/portfolioadapters.h"
#include "core/catalogue.h"
#include "text/markers.h"

#include <QCoreApplication>

namespace phodex::dispatch {

namespace {

constexpr char kHupuEmpty[] = QT_TRANSLATE_NOOP(
    "phodex::Sites", "请先在登录菜单里登录虎扑帐号后重试(登录时勾上下次自动登录)\n\n如果登录菜单里"
                     "不能登录，请在IE里登录");

} // namespace

void DispatchMoko(ListContext& ctx, QString address) {
    if (!address.contains(QStringLiteral("/post"))) {
        CutAfter(address, SiteHosts::get(HostRole::MokoMarker) + QLatin1Char('/'));
        CutAt(address, QStringLiteral("/"));
        address =
            SiteHosts::https(HostRole::MokoHost, QStringLiteral("/post/%1/list.html").arg(address));
    }
    RunList(ctx, "MokoListAlbums", address);
}

void DispatchBabytree(ListContext& ctx, QString address) {
    SetSubType(ctx, SubType::BabytreeAlbums);
    CutAfter(address, QStringLiteral("om/"));
    CutAtEach(address, {"&", "/"});
    RunList(ctx, "BabytreeListAlbums", address);
    if (NoAlbums(ctx)) {
        SetSubType(ctx, SubType::BabytreeFallback);
        RunList(ctx, "BabytreeListAlbumsFallback", address);
    }
}

void DispatchPconline(ListContext& ctx, QString address) {
    if (address.contains(QStringLiteral("_p"))) {
        // Any page of a photo list is listed from its first page.
        for (int n = 1; n <= 99; ++n) {
            const QString page = QStringLiteral("_p%1_").arg(n);
            if (address.contains(page)) {
                address.replace(page, QStringLiteral("_dk1stp_"));
                break;
            }
        }
    } else if (address.contains(QStringLiteral("myphoto."))) {
        address.replace(QStringLiteral(".html"), QStringLiteral("_dk1stp_n15.html"));
    } else {
        CutAfter(address, QStringLiteral(".cn/"));
        CutAt(address, QStringLiteral("/"));
        address = SiteHosts::https(HostRole::PconlinePhotoHost,
                                   QStringLiteral("/%1/myphoto_dk1stp_n15.html").arg(address));
    }
    RunList(ctx, "PconlineListAlbums", address);
}

void DispatchHupu(ListContext& ctx, QString address) {
    RunList(ctx, "HupuListAlbums", address);
    InformIfEmpty(ctx, QCoreApplication::translate("phodex::Sites", kHupuEmpty));
}

void DispatchLofter(ListContext& ctx, QString address) {
    CutAt(address, QStringLiteral("post/"));
    EndWithSlash(address);
    RunList(ctx, "LofterListAlbums", address);
}

void DispatchTopit(ListContext& ctx, QString address) {
    CutAt(address, QStringLiteral("/item"));
    if (address.contains(QStringLiteral("/user/")))
        CutAt(address, QStringLiteral("/albums"));
    CutAtEach(address, {"?", "#"});
    RunList(ctx, "TopitListAlbums", address);
}

} // namespace phodex::dispatch
