// SPDX-License-Identifier: MIT
#include "adapters/common/dispatchkit.h"
#include "adapters/qzone/qzoneadapters.h"
#include "adapters/qzone/shuoshuo.h"
#include "core/catalogue.h"
#include "core/seams/keystate.h"
#include "text/markers.h"

#include <QCoreApplication>

namespace phodex::dispatch {

namespace {

constexpr char kQzoneNotNumber[] = QT_TRANSLATE_NOOP("phodex::Sites", "请直接输入QQ号进行下载");
constexpr char kQzoneEmpty[] = QT_TRANSLATE_NOOP(
    "phodex::Sites",
    "没有获取到相册，原因如下：\n\n1、该空间需要登录QQ号后才能查看，你哪个号能进入他的"
    "空间，就先在下载器的登录菜单里登录了那个号后再点获取相册\n\n2、下载QQ空间相册"
    "请直接输入QQ号进行下载");
constexpr char kTencentWeiboEmpty[] = QT_TRANSLATE_NOOP(
    "phodex::Sites", "没有获取到相册，可按以下步骤操作：\n\n1、请先在下载器的登录菜单里登录你的腾讯"
                     "微博帐号(登录时勾上下次自动登录)\n\n2、输入你要下载的那个人的微博主页网址后，"
                     "点获取相册列表");
constexpr char kQqGroupEmpty[] = QT_TRANSLATE_NOOP(
    "phodex::Sites", "没有获取到相册，可按以下步骤操作：\n\n1、你哪个号加入了你要下载的QQ群，就先在"
                     "下载器的登录菜单里登录那个QQ号\n\n2、输入你要下载的QQ群号后，点获取相册列表");

bool IsTencentWeiboHome(const QString& address) {
    const QString home = SiteHosts::get(HostRole::TencentWeiboHost) + QLatin1Char('/');
    return address.contains(QStringLiteral("http://") + home) ||
           address.contains(QStringLiteral("https://") + home);
}

void DispatchQzone(ListContext& ctx, QString number) {
    CutAfter(number, QStringLiteral("com/"));
    CutAtEach(number, {"/", "&", "*", "?", "#"});
    if (!AllDigits(number)) {
        Inform(ctx, QCoreApplication::translate("phodex::Sites", kQzoneNotNumber));
        return;
    }
    RunList(ctx, "QzoneListAlbums", number);
    ctx.session().setOwnerFolder(number);
    if (NoAlbums(ctx))
        RunList(ctx, "QzoneListAlbumsV2", number);
    InformIfEmpty(ctx, QCoreApplication::translate("phodex::Sites", kQzoneEmpty));
    if (!NoAlbums(ctx) || ctx.env.keys.ctrlHeld())
        ctx.addAlbum(ShuoshuoAlbum(number));
}

void DispatchTencentWeibo(ListContext& ctx, QString user) {
    CutAfter(user, QStringLiteral(".com/"));
    CutAfter(user, QStringLiteral("hoto/"));
    CutAtEach(user, {"/", "?"});
    ctx.session().setOwnerFolder(user);
    ctx.session().setTextSlot(TextSlot::Second, user);
    RunList(ctx, "TencentWeiboListAlbums", user);
    SetSubType(ctx, SubType::TencentWeiboAlbums);
    InformIfEmpty(ctx, QCoreApplication::translate("phodex::Sites", kTencentWeiboEmpty));
}

void DispatchQqGroup(ListContext& ctx, QString group) {
    CutAfter(group, QStringLiteral("!/"));
    CutAtEach(group, {"/", "?", "#"});
    ctx.session().setOwnerFolder(group);
    RunList(ctx, "QqGroupListAlbums", group);
    SetSubType(ctx, SubType::QqGroupAlbums);
    InformIfEmpty(ctx, QCoreApplication::translate("phodex::Sites", kQqGroupEmpty));
}

} // namespace

void DispatchQq(ListContext& ctx, QString address) {
    const int subType = ctx.session().subType.load();
    if (subType == SubType::QzoneAlbums)
        DispatchQzone(ctx, address);
    else if (IsTencentWeiboHome(address) || subType == SubType::TencentWeiboAlbums)
        DispatchTencentWeibo(ctx, address);
    else if (subType == SubType::QqGroupAlbums)
        DispatchQqGroup(ctx, address);
}

} // namespace phodex::dispatch
