// SPDX-License-Identifier: MIT
#include "core/addressclass.h"
#include "core/catalogue.h"
#include "jobs/dispatchrows.h"
#include "jobs/dispatchsteps.h"
#include "text/markers.h"

// ZOL, PChome and Douban, the shop sites and JD.
namespace phodex::dispatch {

namespace {

const QString kDoubanNotPhotos =
    QStringLiteral("请输入豆瓣相册或电影图片页的网址(网址中含有/photos)");
const QString k1688Empty = QStringLiteral(
    "没有获取到商品，请确认输入的是1688店铺或商品页的网址，必要时先在登录菜单里登录");
const QString kTaobaoEmpty = QStringLiteral(
    "没有获取到宝贝，请确认输入的是淘宝(天猫)店铺、搜索页或宝贝页的网址，必要时先在登录菜单里登录");
const QString kJdNotItem = QStringLiteral("请输入京东商品页的网址(item.jd.com)");

void EnsureQuery(QString& address) {
    if (!address.contains(QLatin1Char('?')))
        address += QLatin1Char('?');
}

// The shop list operations put their own page parameters in these places.
void MarkPageParameters(QString& address, const char* viewKey) {
    address.replace(QStringLiteral("pageNum="), QStringLiteral("Korvo1="));
    address.replace(QString::fromLatin1(viewKey), QStringLiteral("Korvo2="));
}

void Dispatch1688(ListContext& ctx, QString address) {
    if (!address.contains(QStringLiteral(".com/offer"))) {
        if (!address.contains(QStringLiteral("/page/"))) {
            CutAt(address, QStringLiteral("com"));
            address += QStringLiteral("com/page/offerlist.htm?");
        } else {
            EnsureQuery(address);
        }
    }
    MarkPageParameters(address, "showType=");
    CallList(ctx, ListOp::Alibaba1688ListProducts, address);
    SetSubType(ctx, SubType::Alibaba1688);
    InformIfEmpty(ctx, k1688Empty);
}

void DispatchTaobao(ListContext& ctx, QString address) {
    const bool listPage = address.contains(QStringLiteral("search")) ||
                          address.contains(QStringLiteral("item.")) ||
                          address.contains(QStringLiteral("/category-")) ||
                          address.contains(QStringLiteral("tbskip."));
    if (!listPage) {
        CutAt(address, QStringLiteral("com"));
        address += QStringLiteral("com/?search=y");
    } else {
        EnsureQuery(address);
    }
    MarkPageParameters(address, "viewType=");
    CallList(ctx, ListOp::TaobaoListProducts, address);
    InformIfEmpty(ctx, kTaobaoEmpty);
}

} // namespace

void DispatchZolProduct(ListContext& ctx, QString address) {
    CutAt(address, QStringLiteral("#"));
    SetSubType(ctx, SubType::ZolProduct);
    CallList(ctx, ListOp::ZolProductList, address);
    StartAtOnceIfOne(ctx);
}

void DispatchZol(ListContext& ctx, QString address) {
    if (address.contains(Host(HostRole::ZolProductHost))) {
        DispatchZolProduct(ctx, address);
        return;
    }
    SetSubType(ctx, SubType::ZolAlbums);
    if (hasWebScheme(address)) {
        CutAfter(address, QStringLiteral("cn/"));
        CutAt(address, QStringLiteral("/"));
    }
    CallList(ctx, ListOp::ZolListAlbums, address);
}

void DispatchPchomeDouban(ListContext& ctx, QString address) {
    if (!containsMarker(address, Host(HostRole::DoubanMarker))) {
        CutAfter(address, QStringLiteral("com.tw/"));
        CutAtEach(address, {"/", "&", "*", "?"});
        ctx.session().setOwnerFolder(address);
        CallList(ctx, ListOp::PchomeListAlbums, address);
        SetSubType(ctx, SubType::PchomeAlbums);
        return;
    }
    if (!address.contains(QStringLiteral("/photos"))) {
        Inform(ctx, kDoubanNotPhotos);
        return;
    }
    CutAtEach(address, {"&", "*", "?"});
    EndWithSlash(address);
    if (address.contains(Host(HostRole::DoubanMovieHost))) {
        CallList(ctx, ListOp::DoubanListMoviePhotos, address);
        SetSubType(ctx, SubType::DoubanMovie);
    } else {
        CallList(ctx, ListOp::DoubanListAlbums, address);
        SetSubType(ctx, SubType::DoubanAlbum);
    }
    StartAtOnce(ctx);
}

void DispatchShops(ListContext& ctx, QString address) {
    CutAt(address, QStringLiteral("#"));
    if (address.contains(Host(HostRole::AliExpressMarker))) {
        CallList(ctx, ListOp::AliExpressListProducts, address); // sets SubType itself
    } else if (address.contains(Host(HostRole::AlibabaMarker))) {
        CallList(ctx, ListOp::AlibabaListProducts, address);
        SetSubType(ctx, SubType::Alibaba);
    } else if (address.contains(Host(HostRole::Alibaba1688Marker) + QLatin1Char('/'))) {
        Dispatch1688(ctx, address);
    } else {
        DispatchTaobao(ctx, address);
    }
    StartAtOnceIfOne(ctx);
}

void DispatchJd(ListContext& ctx, QString address) {
    if (address.contains(Host(HostRole::ZolProductHost))) {
        DispatchZolProduct(ctx, address);
        return;
    }
    SetSubType(ctx, SubType::JdProducts);
    CutAt(address, QStringLiteral("#"));
    if (!address.contains(Host(HostRole::JdItemMarker))) {
        Inform(ctx, kJdNotItem);
        return;
    }
    CallList(ctx, ListOp::JdListProducts, address);
    StartAtOnceIfOne(ctx);
}

} // namespace phodex::dispatch
