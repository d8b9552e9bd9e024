// SPDX-License-Identifier: MIT
#include "adapters/common/dispatchkit.h"
#include "adapters/gallery/galleryadapters.h"
#include "core/addressclass.h"
#include "core/catalogue.h"
#include "text/markers.h"

#include <QCoreApplication>

namespace phodex::dispatch {

namespace {

constexpr char kSinaEmpty[] = QT_TRANSLATE_NOOP(
    "phodex::Sites",
    "没有获取到相册，请在登录菜单里登录新浪(微博)帐号后重试,登录时勾上下次自动登录");

} // namespace

bool IsSinaBlogArticle(const QString& address, int) {
    return address.contains(QStringLiteral("/s/"));
}

void DispatchSinaBlog(ListContext& ctx, QString address) {
    SetSubType(ctx, SubType::SinaBlogArticles);
    const qsizetype underscore = address.lastIndexOf(QLatin1Char('_'));
    RunList(ctx, "SinaBlogListArticles", underscore < 0 ? QString() : address.left(underscore));
    InformIfEmpty(ctx, QCoreApplication::translate("phodex::Sites", kSinaEmpty));
}

void DispatchSinaPhoto(ListContext& ctx, QString address) {
    SetSubType(ctx, SubType::SinaPhotoAlbums);
    RunList(ctx, "SinaPhotoListAlbums", address);
    InformIfEmpty(ctx, QCoreApplication::translate("phodex::Sites", kSinaEmpty));
}

void DispatchPoco(ListContext& ctx, QString address) {
    CutAfter(address, QStringLiteral("user_id="));
    CutAfter(address, QStringLiteral("user/id"));
    CutAtEach(address, {"/", "&", "*", "?", "#", "."});
    RunList(ctx, "PocoListAlbums", address);
}

void DispatchHome51(ListContext& ctx, QString address) {
    if (hasWebScheme(address)) {
        CutAfter(address, QStringLiteral("com/"));
        CutAt(address, QStringLiteral("/"));
    }
    ctx.session().setOwnerFolder(address);
    RunList(ctx, "Home51ListAlbums", address);
}

bool IsZolProduct(const QString& address, int) {
    return address.contains(SiteHosts::get(HostRole::ZolProductHost));
}

void DispatchZolProduct(ListContext& ctx, QString address) {
    CutAt(address, QStringLiteral("#"));
    SetSubType(ctx, SubType::ZolProduct);
    RunList(ctx, "ZolProductList", address);
    StartAtOnceIfOne(ctx);
}

void DispatchZol(ListContext& ctx, QString address) {
    SetSubType(ctx, SubType::ZolAlbums);
    if (hasWebScheme(address)) {
        CutAfter(address, QStringLiteral("cn/"));
        CutAt(address, QStringLiteral("/"));
    }
    RunList(ctx, "ZolListAlbums", address);
}

void DispatchPchome(ListContext& ctx, QString address) {
    CutAfter(address, QStringLiteral("com.tw/"));
    CutAtEach(address, {"/", "&", "*", "?"});
    ctx.session().setOwnerFolder(address);
    RunList(ctx, "PchomeListAlbums", address);
    SetSubType(ctx, SubType::PchomeAlbums);
}

} // namespace phodex::dispatch
