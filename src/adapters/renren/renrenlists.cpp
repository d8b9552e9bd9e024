// SPDX-License-Identifier: MIT
#include "adapters/common/adapterkit.h"
#include "adapters/renren/renrenadapters.h"
#include "adapters/renren/renrenkit.h"
#include "core/jobcontext.h"
#include "core/pagewalk.h"
#include "download/sanitizename.h"
#include "text/escapes.h"
#include "text/markers.h"

#include <QStringList>

namespace phodex {

namespace {

constexpr int kLongestAlbumName = 300;

bool IsAlbumPage(const QString& address) {
    return address.indexOf(QStringLiteral("/album-")) >= 1;
}

// The owner as the title of an album list names it: "人人网 - <name>的相册".
QString OwnerFromTitle(QString page) {
    QString owner =
        GetBetween(page, QStringLiteral("<title>人人网 - "), QStringLiteral("</title>"));
    CutAt(owner, QStringLiteral("的相册"));
    return owner;
}

// Adds the one album of an album page; false when the name is missing or
// too long to be one (the page is some other page) or a stop was requested.
bool AddPageAlbum(ListContext& ctx, AlbumInfo album) {
    if (album.name.isEmpty() || album.name.size() > kLongestAlbumName)
        return false;
    return ctx.addAlbum(album);
}

void ListClassicAlbumPage(ListContext& ctx, const QString& address) {
    QString page = FetchPage(address, kRenrenTextFlags);
    QString tabs = GetBetween(page, QStringLiteral("class=\"nav-tabs\">"), QStringLiteral("</ul>"));
    ctx.session().setTextSlot(TextSlot::First, tabs);
    QString owner = GetBetween(tabs, QStringLiteral("<li>"), QStringLiteral("</li>")).trimmed();
    if (owner == QStringLiteral("我的相册"))
        owner = GetBetween(page, QStringLiteral("guestName\" value=\""), QStringLiteral("\""));
    ctx.session().setOwnerFolder(owner);
    SkipTo(page, QStringLiteral("class=\"ablum-infor\">"));
    AlbumInfo album;
    album.name = GetBetween(page, QStringLiteral("<h1>"), QStringLiteral("<span"));
    album.key = address;
    album.cover.clear();
    album.photoCount =
        LeadingNumber(GetBetween(page, QStringLiteral("\">("), QStringLiteral("张")), -1);
    AddPageAlbum(ctx, album);
}

// One album of the classic list; its kind names the albums the site keeps
// for the user.
AlbumInfo ClassicAlbum(const QString& item) {
    QString text = item;
    AlbumInfo album;
    album.key = GetBetween(text, QStringLiteral("href=\""), QStringLiteral("\""));
    album.cover = GetBetween(text, QStringLiteral("data-src=\""), QStringLiteral("\""));
    album.photoCount = LeadingNumber(
        GetBetween(text, QStringLiteral("photo-num\">"), QStringLiteral("</div>")), -1);
    album.name = GetBetween(text, QStringLiteral("album-name\">"), QStringLiteral("</span>"));
    if (item.indexOf(QStringLiteral("class=\"userhead\"")) >= 1) {
        album.name = QStringLiteral("头像相册");
    } else if (item.indexOf(QStringLiteral("class=\"phone")) >= 1) {
        album.name = QStringLiteral("手机相册");
    } else if (item.indexOf(QStringLiteral("class=\"password")) >= 1) {
        album.name = QStringLiteral("加密相册");
        // The picture operations ask for its password.
        album.flags |= kAlbumEncrypted;
    }
    album.name = album.name.trimmed();
    return album;
}

void ListClassicOwner(ListContext& ctx, const QString& user) {
    const QString id = QueryValue(user);
    PageWalk walk;
    bool last = false;
    for (int t = 0; !last && walk.nextPage(); ++t) {
        QString page = FetchPage(
            t == 0 ? RenrenPhoto(QStringLiteral("/photo/%1/album/relatives?curpage=1").arg(id))
                   : RenrenPhoto(QStringLiteral("/photo/%1/album/relatives/ajax?offset=%2&limit=40")
                                     .arg(id)
                                     .arg(40 * t)),
            kRenrenTextFlags);
        if (t == 0) {
            ctx.session().setOwnerFolder(OwnerFromTitle(page));
            // An owner with one list page has it all at once.
            if (page.contains(QStringLiteral("first-page clearfix"))) {
                page =
                    FetchPage(RenrenPhoto(QStringLiteral(
                                              "/photo/%1/ajax?__view=async-html&offset=0&limit=500")
                                              .arg(id)),
                              kRenrenTextFlags);
                if (!page.contains(QStringLiteral("first-page clearfix")))
                    return;
                last = true;
            }
        }
        if (page.isEmpty())
            return;
        SkipTo(page, QStringLiteral("class=\"album-list"));
        SkipTo(page, QStringLiteral("<ul"));
        CutAt(page, QStringLiteral("first-page clearfix"));
        QStringList parts;
        if (SplitBy(page, QStringLiteral("<li"), parts) < 1)
            return;
        for (qsizetype i = 1; i < parts.size(); ++i) {
            // The list's closing item links nowhere.
            const AlbumInfo album = ClassicAlbum(parts.at(i));
            if (album.key.isEmpty() || !walk.isNew(album.key))
                continue;
            if (!ctx.addAlbum(album))
                return;
        }
    }
}

void ListV7AlbumPage(ListContext& ctx, const QString& address) {
    const QString page = FetchPage(address, kRenrenTextFlags);
    QString text = page;
    const QString viewer = GetBetween(text, QStringLiteral("name : \""), QStringLiteral("\""));
    ctx.session().setTextSlot(TextSlot::First, viewer);
    AlbumInfo album;
    album.name = GetBetween(text, QStringLiteral("albumName':'"), QStringLiteral("'"));
    album.key = address;
    CutAt(album.key, QStringLiteral("/v7"));
    album.photoCount =
        LeadingNumber(GetBetween(text, QStringLiteral("photoCount':"), QStringLiteral(",")), -1);
    if (!AddPageAlbum(ctx, album))
        return;
    SkipTo(text, QStringLiteral("fd-nav-item"));
    QString owner = GetBetween(text, QStringLiteral("/profile\">"), QStringLiteral("</")).trimmed();
    if (owner == QStringLiteral("我的主页"))
        owner = viewer;
    ctx.session().setOwnerFolder(owner);
}

void ListV7Owner(ListContext& ctx, const QString& user) {
    const QString id = QueryValue(user);
    QString page = FetchPage(
        RenrenPhoto(QStringLiteral("/photo/%1/albumlist/v7?showAll=1#").arg(id)), kRenrenTextFlags);
    ctx.session().setOwnerFolder(OwnerFromTitle(page));
    SkipTo(page, QStringLiteral("'albumList'"));
    CutAt(page, QStringLiteral("</script>"));
    QStringList parts;
    SplitBy(page, QStringLiteral("\"cover\""), parts);
    PageWalk walk;
    walk.nextPage();
    for (qsizetype i = 1; i < parts.size(); ++i) {
        QString item = parts.at(i);
        // The albums of applications hold no pictures of the user's own.
        if (item.indexOf(QStringLiteral("sourceControl\":4,")) >= 1)
            continue;
        AlbumInfo album;
        album.cover = Unslashed(GetBetween(item, QStringLiteral("\""), QStringLiteral("\"")));
        album.name = UnescapeUnicode(
            GetBetween(item, QStringLiteral("albumName\":\""), QStringLiteral("\"")));
        const QString albumId =
            GetBetween(item, QStringLiteral("albumId\":\""), QStringLiteral("\""));
        if (albumId.isEmpty() || !walk.isNew(albumId))
            continue;
        album.key = RenrenPhoto(QStringLiteral("/photo/%1/album-%2/").arg(id, QueryValue(albumId)));
        album.photoCount = LeadingNumber(
            GetBetween(item, QStringLiteral("photoCount\":"), QStringLiteral(",")), -1);
        if (!ctx.addAlbum(album))
            return;
    }
}

} // namespace

void RenrenListAlbums(ListContext& ctx, const QString& address) {
    if (IsAlbumPage(address))
        ListClassicAlbumPage(ctx, address);
    else
        ListClassicOwner(ctx, address);
}

void RenrenListAlbumsV7(ListContext& ctx, const QString& address) {
    if (IsAlbumPage(address))
        ListV7AlbumPage(ctx, address);
    else
        ListV7Owner(ctx, address);
}

void RenrenListAlbumsPublic(ListContext& ctx, const QString& pageId) {
    PageWalk walk;
    bool more = true;
    for (int n = 1; more && walk.nextPage(); ++n) {
        const QString page = FetchPage(
            SiteHosts::https(HostRole::RenrenPublicHost,
                             QStringLiteral("/%1/album?curpage=%2").arg(QueryValue(pageId)).arg(n)),
            kRenrenTextFlags);
        if (page.isEmpty())
            return;
        more = page.contains(QStringLiteral("\">下一页</a>"));
        if (n == 1) {
            QString text = page;
            QString owner = GetBetween(text, QStringLiteral("<title>"), QStringLiteral("</title>"));
            CutAt(owner, QStringLiteral("的相册"));
            SanitizeName(owner);
            ctx.session().setOwnerFolder(owner);
        }
        QStringList parts;
        SplitBy(page, QStringLiteral("class=\"picitem"), parts);
        for (qsizetype i = 1; i < parts.size(); ++i) {
            QString item = parts.at(i);
            const QString link = GetBetween(item, QStringLiteral("href=\""), QStringLiteral("\""));
            if (link.isEmpty() || !walk.isNew(link))
                continue;
            AlbumInfo album;
            album.key = RenrenPhoto(QStringLiteral("/photo%1/").arg(link));
            album.key.replace(QStringLiteral("/album/"), QStringLiteral("/album-"));
            album.cover = GetBetween(item, QStringLiteral("data-src=\""), QStringLiteral("\""));
            album.name = GetBetween(item, QStringLiteral("\"/>"), QStringLiteral("</")).trimmed();
            album.photoCount = LeadingNumber(
                GetBetween(item, QStringLiteral("piccount\">"), QStringLiteral("张")), -1);
            if (!ctx.addAlbum(album))
                return;
        }
        walk.notePage(page);
    }
}

} // namespace phodex
