// SPDX-License-Identifier: MIT
#include "core/addressclass.h"
#include "core/catalogue.h"
#include "jobs/dispatchrows.h"
#include "jobs/dispatchsteps.h"
#include "text/escapes.h"
#include "text/markers.h"

// Baidu (albums and Tieba) and Renren: the rows that may read a page first.
namespace phodex::dispatch {

namespace {

const QString kRenrenZhanEmpty = QStringLiteral(
    "1、没有获取到相册，需要你在登录菜单里登录一个人人帐号(登录时勾上下次自动登录)后重新获取");
const QString kRenrenEmpty =
    QStringLiteral("错误原因：\n1.你没有登录你的人人帐号(在登录菜单里登录,登录时需要勾上下次自动"
                   "登录)\n2.你没有该相册的访问权限.");

QString ForumName(QString address) {
    CutAfter(address, QStringLiteral("kw="));
    CutAtEach(address, {"/", "?", "#", "&"});
    return address;
}

// A Tieba post address becomes the photo path of its thread.
std::optional<QString> TiebaThreadAddress(ListContext& ctx, const QString& address) {
    QString post = address;
    CutAfter(post, QStringLiteral("com/p/"));
    CutAtEach(post, {"/", "?", "#", "&"});
    ctx.session().setTextSlot(TextSlot::First, post);
    std::optional<QString> page = FetchPage(address);
    if (!page)
        return std::nullopt;
    const QString forum = GetBetween(*page, QStringLiteral("?kw="), QStringLiteral("\""), kConsume);
    return HttpsAddress(HostRole::TiebaHost,
                        QStringLiteral("/photo/p?kw=%1&fp=1&tid=%2").arg(forum, post));
}

void DispatchTieba(ListContext& ctx, QString address) {
    const bool post = containsMarker(address, QStringLiteral("com/p/"));
    if (post || containsMarker(address, QStringLiteral("photo/p?kw="))) {
        if (post) {
            std::optional<QString> thread = TiebaThreadAddress(ctx, address);
            if (!thread)
                return;
            address = *thread;
        }
        CallList(ctx, ListOp::TiebaListThread, address);
        const QString forum = ForumName(address);
        ctx.session().setTextSlot(TextSlot::First, forum);
        ctx.session().setOwnerFolder(UrlDecodeUtf8(forum));
        SetSubType(ctx, SubType::TiebaThread);
        StartAtOnceIfOne(ctx);
        return;
    }
    const QString forum = ForumName(address);
    ctx.session().setTextSlot(TextSlot::First, forum);
    CallList(ctx, ListOp::TiebaListAlbums, forum);
    ctx.session().setOwnerFolder(UrlDecodeUtf8(forum));
    SetSubType(ctx, SubType::TiebaForum);
}

} // namespace

void DispatchBaidu(ListContext& ctx, QString address) {
    if (address.contains(Host(HostRole::TiebaHost))) {
        DispatchTieba(ctx, address);
        return;
    }
    QString user = address;
    if (!address.contains(QStringLiteral("u/"))) {
        std::optional<QString> page = FetchPage(address);
        if (!page)
            return;
        user = GetBetween(*page, QStringLiteral("/profile/"), QStringLiteral("\""), kConsume);
    }
    CutAfter(user, QStringLiteral("u/"));
    CutAtEach(user, {"/", "?", "#", "&"});
    CallList(ctx, ListOp::BaiduListAlbums, user);
    SetSubType(ctx, SubType::BaiduAlbums);
}

namespace {

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
    std::optional<QString> page = FetchPage(HttpsAddress(host, QLatin1Char('/') + address));
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
    const bool publicPage = address.contains(Host(HostRole::RenrenPublicHost));
    const std::optional<QString> id = RenrenId(address, publicPage);
    if (!id)
        return;
    CallList(ctx, publicPage ? ListOp::RenrenListAlbumsPublic : ListOp::RenrenListAlbumsV7, *id);
    if (NoAlbums(ctx)) {
        CallList(ctx, publicPage ? ListOp::RenrenListAlbumsV7 : ListOp::RenrenListAlbums, *id);
    }
    InformIfEmpty(ctx, kRenrenEmpty);
}

} // namespace

void DispatchRenren(ListContext& ctx, QString address) {
    if (address.contains(QStringLiteral("/album-"))) {
        CutAtEach(address, {"?", "#"});
        SetSubType(ctx, SubType::RenrenAlbums);
        const bool v7 = address.contains(QStringLiteral("/v7"));
        CallList(ctx, v7 ? ListOp::RenrenListAlbumsV7 : ListOp::RenrenListAlbums, address);
    } else if (address.contains(Host(HostRole::RenrenZhanHost))) {
        SetSubType(ctx, SubType::RenrenZhan);
        CallList(ctx, ListOp::RenrenZhanListAlbums, address);
        InformIfEmpty(ctx, kRenrenZhanEmpty);
    } else {
        DispatchRenrenOwner(ctx, address);
    }
}

} // namespace phodex::dispatch
