// SPDX-License-Identifier: MIT
#include "adapters/common/dispatchkit.h"
#include "adapters/stores/storeadapters.h"
#include "core/catalogue.h"
#include "core/sitetable.h"
#include "text/markers.h"

#include <QCoreApplication>

// The shop sites: Taobao and Tmall, 1688, Alibaba and AliExpress products.
namespace phodex {

namespace {

using namespace dispatch;

constexpr char k1688Empty[] = QT_TRANSLATE_NOOP(
    "phodex::Sites",
    "没有获取到商品，请确认输入的是1688店铺或商品页的网址，必要时先在登录菜单里登录");
constexpr char kTaobaoEmpty[] = QT_TRANSLATE_NOOP(
    "phodex::Sites",
    "没有获取到宝贝，请确认输入的是淘宝(天猫)店铺、搜索页或宝贝页的网址，必要时先在登录菜单里登录");

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
    RunList(ctx, "Alibaba1688ListProducts", address);
    SetSubType(ctx, SubType::Alibaba1688);
    InformIfEmpty(ctx, QCoreApplication::translate("phodex::Sites", k1688Empty));
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
    RunList(ctx, "TaobaoListProducts", address);
    InformIfEmpty(ctx, QCoreApplication::translate("phodex::Sites", kTaobaoEmpty));
}

void DispatchShops(ListContext& ctx, QString address) {
    CutAt(address, QStringLiteral("#"));
    if (address.contains(SiteHosts::get(HostRole::AliExpressMarker))) {
        RunList(ctx, "AliExpressListProducts", address); // sets SubType itself
    } else if (address.contains(SiteHosts::get(HostRole::AlibabaMarker))) {
        RunList(ctx, "AlibabaListProducts", address);
        SetSubType(ctx, SubType::Alibaba);
    } else if (address.contains(SiteHosts::get(HostRole::Alibaba1688Marker) + QLatin1Char('/'))) {
        Dispatch1688(ctx, address);
    } else {
        DispatchTaobao(ctx, address);
    }
    StartAtOnceIfOne(ctx);
}

std::vector<SiteRow> StoreRows() {
    return {
        {.listType = Category::Shops,
         .subTypes = {SubType::Alibaba1688},
         .site = "1688",
         .albumIs = "a product offer",
         .listOps = {"Alibaba1688ListProducts"},
         .pictureOps = {"Alibaba1688ListPhotos"}},
        {.listType = Category::Shops,
         .subTypes = {SubType::Alibaba},
         .site = "Alibaba international",
         .albumIs = "a product",
         .listOps = {"AlibabaListProducts"},
         .pictureOps = {"AlibabaListPhotos"}},
        {.listType = Category::Shops,
         .subTypes = {SubType::AliExpress},
         .site = "AliExpress",
         .albumIs = "a product",
         .listOps = {"AliExpressListProducts"},
         .pictureOps = {"AliExpressListPhotos"}},
        {.listType = Category::Shops,
         .subTypes = {SubType::AliExpressImagePaths},
         .site = "AliExpress",
         .albumIs = "a product",
         .listOps = {"AliExpressListProducts"},
         .pictureOps = {"AliExpressListImagePaths"}},
        {.listType = Category::Shops,
         .subTypes = {kAnyOtherSubType},
         .site = "Taobao, Tmall",
         .albumIs = "a product",
         .listOps = {"TaobaoListProducts"},
         .pictureOps = {"TaobaoListPhotos"},
         .login = QStringLiteral("淘宝（强烈建议用小号登录）")},
    };
}

} // namespace

SiteFamily StoresFamily() {
    return SiteFamily{
        .name = "stores",
        .rows = StoreRows(),
        .dispatches = {{.listType = Category::Shops, .run = DispatchShops}},
        .lists = {{"TaobaoListProducts", TaobaoListProducts},
                  {"Alibaba1688ListProducts", Alibaba1688ListProducts},
                  {"AlibabaListProducts", AlibabaListProducts},
                  {"AliExpressListProducts", AliExpressListProducts}},
        .pictures = {{"TaobaoListPhotos", TaobaoListPhotos},
                     {"Alibaba1688ListPhotos", Alibaba1688ListPhotos},
                     {"AlibabaListPhotos", AlibabaListPhotos},
                     {"AliExpressListPhotos", AliExpressListPhotos},
                     {"AliExpressListImagePaths", AliExpressListImagePaths}},
    };
}

} // namespace phodex
