// SPDX-License-Identifier: MIT
#include "adapters/common/dispatchkit.h"
#include "adapters/renren/renrenadapters.h"
#include "core/catalogue.h"
#include "core/sitetable.h"
#include "text/markers.h"

#include <QCoreApplication>

// Renren: an owner's albums in three page layouts, one album, or a site's
// archive tags.
namespace phodex {

namespace dispatch {
namespace {

constexpr char kRenrenZhanEmpty[] = QT_TRANSLATE_NOOP(
    "phodex::Sites",
    "1、没有获取到相册，需要你在登录菜单里登录一个人人帐号(登录时勾上下次自动登录)后重新获取");
constexpr char kRenrenEmpty[] = QT_TRANSLATE_NOOP(
    "phodex::Sites", "错误原因：\n1.你没有登录你的人人帐号(在登录菜单里登录,登录时需要勾上下次自动"
                     "登录)\n2.你没有该相册的访问权限.");

// The user or page id of a Renren address; nullopt when its page was needed
// and could not be read.
std::optional<QString> RenrenId(QString address, bool publicPage) {
    if (publicPage) {
        CutAfter(address, QStringLiteral(".com/"));
        CutAt(address, QStringLiteral("/"));
    }
    CutAfter(address, QStringLiteral("id="));
    CutAtEach(address, {"?", "/album", "/profile", "/channel-"});
    const qsizetype slash = address.lastIndexOf(QLatin1Char('/'));
    if (slash >= 1)
        address = address.mid(slash + 1);
    if (AllDigits(address))
        return address;
    const HostRole host = publicPage ? HostRole::RenrenPublicHost : HostRole::RenrenHost;
    std::optional<QString> page = ReadPage(SiteHosts::https(host, QLatin1Char('/') + address));
    if (!page)
        return std::nullopt;
    const QString pid = GetBetween(*page, QStringLiteral("pid: '"), QStringLiteral("'"), kConsume);
    const QString owner =
        GetBetween(*page, QStringLiteral("profile_owner ="), QStringLiteral(";"), kConsume)
            .trimmed();
    if (!owner.isEmpty())
        return owner;
    return pid.isEmpty() ? address : pid;
}

void DispatchRenrenOwner(ListContext& ctx, const QString& address) {
    SetSubType(ctx, SubType::RenrenAlbums);
    const bool publicPage = address.contains(SiteHosts::get(HostRole::RenrenPublicHost));
    const std::optional<QString> id = RenrenId(address, publicPage);
    if (!id)
        return;
    RunList(ctx, publicPage ? "RenrenListAlbumsPublic" : "RenrenListAlbumsV7", *id);
    if (NoAlbums(ctx))
        RunList(ctx, publicPage ? "RenrenListAlbumsV7" : "RenrenListAlbums", *id);
    InformIfEmpty(ctx, QCoreApplication::translate("phodex::Sites", kRenrenEmpty));
}

void DispatchRenren(ListContext& ctx, QString address) {
    if (address.contains(QStringLiteral("/album-"))) {
        CutAtEach(address, {"?", "#"});
        SetSubType(ctx, SubType::RenrenAlbums);
        const bool v7 = address.contains(QStringLiteral("/v7"));
        RunList(ctx, v7 ? "RenrenListAlbumsV7" : "RenrenListAlbums", address);
    } else if (address.contains(SiteHosts::get(HostRole::RenrenZhanHost))) {
        SetSubType(ctx, SubType::RenrenZhan);
        RunList(ctx, "RenrenZhanListAlbums", address);
        InformIfEmpty(ctx, QCoreApplication::translate("phodex::Sites", kRenrenZhanEmpty));
    } else {
        DispatchRenrenOwner(ctx, address);
    }
}

} // namespace
} // namespace dispatch

SiteFamily RenrenFamily() {
    return SiteFamily{
        .name = "renren",
        .rows =
            {
                {.listType = Category::Renren,
                 .subTypes = {SubType::RenrenAlbums},
                 .site = "Renren",
                 .albumIs = "an album (three page layouts)",
                 .listOps = {"RenrenListAlbums", "RenrenListAlbumsV7", "RenrenListAlbumsPublic"},
                 .pictureOps = {"RenrenListPhotos", "RenrenListPhotos2", "RenrenListPhotos3"},
                 .login = QStringLiteral("人人")},
                {.listType = Category::Renren,
                 .subTypes = {SubType::RenrenZhan},
                 .site = "Renren site pages",
                 .albumIs = "an archive tag of a site",
                 .listOps = {"RenrenZhanListAlbums"},
                 .pictureOps = {"RenrenZhanListPhotos"}},
            },
        .dispatches = {{.listType = Category::Renren, .run = dispatch::DispatchRenren}},
        .lists = {{"RenrenListAlbums", RenrenListAlbums},
                  {"RenrenListAlbumsV7", RenrenListAlbumsV7},
                  {"RenrenListAlbumsPublic", RenrenListAlbumsPublic},
                  {"RenrenZhanListAlbums", RenrenZhanListAlbums}},
        .pictures = {{"RenrenListPhotos", RenrenListPhotos},
                     {"RenrenListPhotos2", RenrenListPhotos2},
                     {"RenrenListPhotos3", RenrenListPhotos3},
                     {"RenrenZhanListPhotos", RenrenZhanListPhotos}},
    };
}

} // namespace phodex
