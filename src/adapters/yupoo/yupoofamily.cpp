// SPDX-License-Identifier: MIT
#include "adapters/common/dispatchkit.h"
#include "adapters/yupoo/yupooadapters.h"
#include "core/addressclass.h"
#include "core/catalogue.h"
#include "core/sitetable.h"
#include "text/markers.h"

#include <QCoreApplication>

// Yupoo, in its current and its classic page layouts.
namespace phodex {

namespace {

using namespace dispatch;

constexpr char kYupooEmpty[] = QT_TRANSLATE_NOOP(
    "phodex::Sites",
    "没有获取到相册，如果你输入的网址正确，可能是因为被杀毒软件阻止了\r\n\r\n请按以下"
    "步骤操作\r\n\r\n1、将下载器添加到杀毒软件信任列表里\r\n2、重新打开下载器");

// The user name in front of the site's host, "" when the address is on the
// site's own host.
QString YupooSubdomainUser(const QString& address) {
    QString host = address;
    CutAfter(host, QStringLiteral("://"));
    CutAt(host, QStringLiteral("/"));
    const QString domain = QLatin1Char('.') + SiteHosts::get(HostRole::YupooMarker);
    if (host == SiteHosts::get(HostRole::YupooHost) || !host.endsWith(domain))
        return {};
    return host.left(host.size() - domain.size());
}

void DispatchYupooCurrent(ListContext& ctx, QString address) {
    ctx.session().setTextSlot(TextSlot::First, QString());
    QString probe = address;
    const bool oneAlbum =
        !GetBetween(probe, QStringLiteral("albums/"), QStringLiteral("?"), 0).isEmpty();
    if (!oneAlbum) {
        if (containsMarker(address, QStringLiteral("?isSubCate=true")))
            ctx.session().setTextSlot(TextSlot::First, QStringLiteral("&isSubCate=true"));
        CutAt(address, QStringLiteral("?"));
    }
    RunList(ctx, "YupooListAlbums", address);
    SetSubType(ctx, SubType::YupooCurrent);
}

void DispatchYupooClassic(ListContext& ctx, QString address) {
    address.replace(QStringLiteral("/collections"), QStringLiteral("/albums"));
    const QString user = YupooSubdomainUser(address);
    if (!user.isEmpty()) {
        address = QStringLiteral("http://%1/photos/%2/albums/")
                      .arg(SiteHosts::get(HostRole::YupooHost), user);
    } else {
        CutAt(address, QStringLiteral("page"));
    }
    EndWithSlash(address);
    RunList(ctx, "YupooClassicListAlbums", address);
}

void DispatchYupoo(ListContext& ctx, QString address) {
    address.replace(QStringLiteral("https://"), QStringLiteral("http://"));
    if (address.contains(SiteHosts::get(HostRole::YupooCurrentMarker)))
        DispatchYupooCurrent(ctx, address);
    else
        DispatchYupooClassic(ctx, address);
    InformIfEmpty(ctx, QCoreApplication::translate("phodex::Sites", kYupooEmpty));
}

} // namespace

SiteFamily YupooFamily() {
    const QString login = QStringLiteral("又拍（下载器没弹窗提示你登录，就不要在这里登录）");
    return SiteFamily{
        .name = "yupoo",
        .rows =
            {
                {.listType = Category::Yupoo,
                 .subTypes = {SubType::YupooCurrent},
                 .site = "Yupoo (current pages)",
                 .albumIs = "an album",
                 .listOps = {"YupooListAlbums"},
                 .pictureOps = {"YupooListPhotos"},
                 .login = login},
                {.listType = Category::Yupoo,
                 .subTypes = {kAnyOtherSubType},
                 .site = "Yupoo (classic pages)",
                 .albumIs = "an album",
                 .listOps = {"YupooClassicListAlbums"},
                 .pictureOps = {"YupooClassicListPhotos"},
                 .login = login},
            },
        .dispatches = {{.listType = Category::Yupoo, .run = DispatchYupoo}},
        .lists = {{"YupooListAlbums", YupooListAlbums},
                  {"YupooClassicListAlbums", YupooClassicListAlbums}},
        .pictures = {{"YupooListPhotos", YupooListPhotos},
                     {"YupooClassicListPhotos", YupooClassicListPhotos}},
    };
}

} // namespace phodex
