// SPDX-License-Identifier: MIT
#include "adapters/common/dispatchkit.h"
#include "adapters/weibo/weiboadapters.h"
#include "core/catalogue.h"
#include "core/sitetable.h"

#include <QCoreApplication>

namespace phodex {

namespace {

constexpr char kWeiboEmpty[] = QT_TRANSLATE_NOOP(
    "phodex::Sites",
    "没有获取到相册，请在登录菜单里登录新浪(微博)帐号后重试,登录时勾上下次自动登录");

bool IsWeibo(const QString& address, int) {
    return address.contains(SiteHosts::get(HostRole::WeiboMarker));
}

void DispatchWeibo(ListContext& ctx, QString address) {
    dispatch::SetSubType(ctx, SubType::WeiboAlbums);
    RunList(ctx, "WeiboListAlbums", address);
    dispatch::InformIfEmpty(ctx, QCoreApplication::translate("phodex::Sites", kWeiboEmpty));
}

} // namespace

SiteFamily WeiboFamily() {
    return SiteFamily{
        .name = "weibo",
        .rows = {{.listType = Category::Sina,
                  .subTypes = {SubType::WeiboAlbums},
                  .site = "Weibo",
                  .albumIs = "an album of the user",
                  .listOps = {"WeiboListAlbums"},
                  .pictureOps = {"WeiboListPhotos"},
                  .login = QStringLiteral("新浪微博（登录时勾上下次自动登录）")}},
        .dispatches = {{.listType = Category::Sina, .claims = IsWeibo, .run = DispatchWeibo}},
        .lists = {{"WeiboListAlbums", WeiboListAlbums}},
        .pictures = {{"WeiboListPhotos", WeiboListPhotos}},
    };
}

} // namespace phodex
