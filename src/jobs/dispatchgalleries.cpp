// SPDX-License-Identifier: MIT
#include "core/addressclass.h"
#include "core/catalogue.h"
#include "jobs/dispatchrows.h"
#include "jobs/dispatchsteps.h"
#include "text/markers.h"

// The photo sites whose rows only reshape the address.
namespace phodex::dispatch {

namespace {

const QString kSinaEmpty =
    QStringLiteral("没有获取到相册，请在登录菜单里登录新浪(微博)帐号后重试,登录时勾上下次自动登录");
const QString kHupuEmpty =
    QStringLiteral("请先在登录菜单里登录虎扑帐号后重试(登录时勾上下次自动登录)\n\n如果登录菜单里"
                   "不能登录，请在IE里登录");

} // namespace

void DispatchNetease(ListContext& ctx, QString address) {
    if (address.contains(Host(HostRole::NeteasePpMarker))) {
        SetSubType(ctx, SubType::NeteasePhotoSets);
        CallList(ctx, ListOp::NeteasePpListAlbums, address);
    } else {
        CallList(ctx, ListOp::NeteaseListAlbums, address);
    }
}

void DispatchSina(ListContext& ctx, QString address) {
    if (address.contains(QStringLiteral("/s/"))) {
        SetSubType(ctx, SubType::SinaBlogArticles);
        const qsizetype underscore = address.lastIndexOf(QLatin1Char('_'));
        CallList(ctx, ListOp::SinaBlogListArticles,
                 underscore < 0 ? QString() : address.left(underscore));
    } else if (address.contains(Host(HostRole::WeiboMarker))) {
        SetSubType(ctx, SubType::WeiboAlbums);
        CallList(ctx, ListOp::WeiboListAlbums, address);
    } else {
        SetSubType(ctx, SubType::SinaPhotoAlbums);
        CallList(ctx, ListOp::SinaPhotoListAlbums, address);
    }
    InformIfEmpty(ctx, kSinaEmpty);
}

void DispatchInstagram(ListContext& ctx, QString address) {
    if (!address.contains(Host(HostRole::InstagramMarker)))
        return;
    QString site = address;
    CutAt(site, QStringLiteral(".com/"));
    ctx.session().setTextSlot(TextSlot::First, site);
    CutAfter(address, QStringLiteral("com/"));
    CutAtEach(address, {"/", "?", "#"});
    CallList(ctx, ListOp::InstagramListAlbums, address);
    SetSubType(ctx, SubType::InstagramProfile);
    StartAtOnce(ctx);
}

void DispatchPoco(ListContext& ctx, QString address) {
    CutAfter(address, QStringLiteral("user_id="));
    CutAfter(address, QStringLiteral("user/id"));
    CutAtEach(address, {"/", "&", "*", "?", "#", "."});
    CallList(ctx, ListOp::PocoListAlbums, address);
}

void DispatchHome51(ListContext& ctx, QString address) {
    if (hasWebScheme(address)) {
        CutAfter(address, QStringLiteral("com/"));
        CutAt(address, QStringLiteral("/"));
    }
    ctx.session().setOwnerFolder(address);
    CallList(ctx, ListOp::Home51ListAlbums, address);
}

void DispatchMoko(ListContext& ctx, QString address) {
    if (!address.contains(QStringLiteral("/post"))) {
        CutAfter(address, Host(HostRole::MokoMarker) + QLatin1Char('/'));
        CutAt(address, QStringLiteral("/"));
        address =
            HttpsAddress(HostRole::MokoHost, QStringLiteral("/post/%1/list.html").arg(address));
    }
    CallList(ctx, ListOp::MokoListAlbums, address);
}

void DispatchBabytree(ListContext& ctx, QString address) {
    SetSubType(ctx, SubType::BabytreeAlbums);
    CutAfter(address, QStringLiteral("om/"));
    CutAtEach(address, {"&", "/"});
    CallList(ctx, ListOp::BabytreeListAlbums, address);
    if (NoAlbums(ctx)) {
        SetSubType(ctx, SubType::BabytreeFallback);
        CallList(ctx, ListOp::BabytreeListAlbumsFallback, address);
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
        address = HttpsAddress(HostRole::PconlinePhotoHost,
                               QStringLiteral("/%1/myphoto_dk1stp_n15.html").arg(address));
    }
    CallList(ctx, ListOp::PconlineListAlbums, address);
}

void DispatchHupu(ListContext& ctx, QString address) {
    CallList(ctx, ListOp::HupuListAlbums, address);
    InformIfEmpty(ctx, kHupuEmpty);
}

void DispatchLofter(ListContext& ctx, QString address) {
    CutAt(address, QStringLiteral("post/"));
    EndWithSlash(address);
    CallList(ctx, ListOp::LofterListAlbums, address);
}

void DispatchTopit(ListContext& ctx, QString address) {
    CutAt(address, QStringLiteral("/item"));
    if (address.contains(QStringLiteral("/user/")))
        CutAt(address, QStringLiteral("/albums"));
    CutAtEach(address, {"?", "#"});
    CallList(ctx, ListOp::TopitListAlbums, address);
}

} // namespace phodex::dispatch
