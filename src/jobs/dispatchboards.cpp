// SPDX-License-Identifier: MIT
#include "core/addressclass.h"
#include "core/catalogue.h"
#include "core/seams/browserbridge.h"
#include "jobs/dispatchrows.h"
#include "jobs/dispatchsteps.h"
#include "text/markers.h"

// Yupoo, 微商相册, Duitang and Huaban.
namespace phodex::dispatch {

namespace {

const QString kYupooEmpty = QStringLiteral(
    "没有获取到相册，如果你输入的网址正确，可能是因为被杀毒软件阻止了\r\n\r\n请按以下"
    "步骤操作\r\n\r\n1、将下载器添加到杀毒软件信任列表里\r\n2、重新打开下载器");
// The "^" of these texts are line breaks.
const QString kDuitangNoUser =
    QStringLiteral("没有找到堆糖用户，请检查网址^请输入堆糖用户主页或相册的网址");
const QString kHuabanNotBoard = QStringLiteral("请输入花瓣画板的网址^画板网址中含有/boards/");
constexpr int kWsxcLoadMs = 20000;

QString WithLineBreaks(QString text) {
    return text.replace(QLatin1Char('^'), QLatin1Char('\n'));
}

// The user name in front of the site's host, "" when the address is on the
// site's own host.
QString YupooSubdomainUser(const QString& address) {
    QString host = address;
    CutAfter(host, QStringLiteral("://"));
    CutAt(host, QStringLiteral("/"));
    const QString domain = QLatin1Char('.') + Host(HostRole::YupooMarker);
    if (host == Host(HostRole::YupooHost) || !host.endsWith(domain))
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
    CallList(ctx, ListOp::YupooListAlbums, address);
    SetSubType(ctx, SubType::YupooCurrent);
}

void DispatchYupooClassic(ListContext& ctx, QString address) {
    address.replace(QStringLiteral("/collections"), QStringLiteral("/albums"));
    const QString user = YupooSubdomainUser(address);
    if (!user.isEmpty()) {
        address =
            QStringLiteral("http://%1/photos/%2/albums/").arg(Host(HostRole::YupooHost), user);
    } else {
        CutAt(address, QStringLiteral("page"));
    }
    EndWithSlash(address);
    CallList(ctx, ListOp::YupooClassicListAlbums, address);
}

} // namespace

void DispatchYupoo(ListContext& ctx, QString address) {
    address.replace(QStringLiteral("https://"), QStringLiteral("http://"));
    if (address.contains(Host(HostRole::YupooCurrentMarker)))
        DispatchYupooCurrent(ctx, address);
    else
        DispatchYupooClassic(ctx, address);
    InformIfEmpty(ctx, kYupooEmpty);
}

void DispatchWsxc(ListContext& ctx, QString address) {
    ctx.session().setTextSlot(TextSlot::Second, address);
    ctx.env.browser.navigateAndWait(address, kWsxcLoadMs);
    if (!address.contains(QStringLiteral("shop_detail/")))
        return;
    CutAfter(address, QStringLiteral("shop_detail/"));
    CutAt(address, QStringLiteral("/"));
    CallList(ctx, ListOp::WsxcListAlbums, address);
    SetSubType(ctx, SubType::WsxcShop);
}

namespace {

void DispatchDuitang(ListContext& ctx, const QString& address) {
    SetSubType(ctx, SubType::DuitangAlbums);
    std::optional<QString> page = FetchPage(address);
    if (!page)
        return;
    const bool oneAlbum = containsMarker(address, QStringLiteral("/album/"));
    if (oneAlbum) {
        QString id = address;
        id.replace(QStringLiteral("/album/?id="), QStringLiteral("/album/"));
        CutAfter(id, QStringLiteral("album/"));
        CutAtEach(id, {"?", "#", "/", "&"});
        ctx.session().setTextSlot(TextSlot::First, *page);
        ctx.session().setTextSlot(TextSlot::Second, id);
    }
    SkipTo(*page, QStringLiteral("dt-header-btm"));
    const QString user =
        GetBetween(*page, QStringLiteral("user_id="), QStringLiteral("\""), kConsume);
    if (user.isEmpty()) {
        Inform(ctx, WithLineBreaks(kDuitangNoUser));
        return;
    }
    ctx.session().setOwnerFolder(QStringLiteral("堆糖_") + user);
    CallList(ctx, ListOp::DuitangListAlbums, user);
    if (oneAlbum)
        StartAtOnce(ctx);
}

} // namespace

void DispatchHuabanDuitang(ListContext& ctx, QString address) {
    if (address.contains(Host(HostRole::DuitangMarker))) {
        DispatchDuitang(ctx, address);
        return;
    }
    SetSubType(ctx, SubType::HuabanBoard);
    if (!address.contains(QStringLiteral("/boards/"))) {
        Inform(ctx, WithLineBreaks(kHuabanNotBoard));
        return;
    }
    CallList(ctx, ListOp::HuabanListBoards, address);
    StartAtOnce(ctx);
}

} // namespace phodex::dispatch
