// SPDX-License-Identifier: MIT
#include "adapters/common/adapterkit.h"
#include "adapters/gallery/gallerykit.h"
#include "adapters/portfolio/portfolioadapters.h"
#include "adapters/portfolio/portfoliokit.h"
#include "core/jobcontext.h"
#include "core/pagewalk.h"
#include "core/seams/userprompt.h"
#include "download/sanitizename.h"
#include "net/pagetext.h"
#include "text/markers.h"

#include <QCoreApplication>

#include <QStringList>

namespace phodex {

namespace {

constexpr int kHupuTextFlags = kTextInflate | kTextUtf8OrGbk;
const QString kMaintenance = QStringLiteral("当前页面正在维护中");
// A password album's photo page when the password was not given (or was
// wrong): the password is entered on the site's own page.
const QString kWrongPassword = QStringLiteral("你输入的密码错误");
constexpr char kEnterPasswordFirst[] =
    QT_TRANSLATE_NOOP("phodex::Sites", "请先在登录窗口里输入密码后，再下载");

bool UnderMaintenance(const QString& text) {
    return text.indexOf(kMaintenance) > 0;
}

// The member's name is the first folder after the domain.
QString MemberOf(const QString& address) {
    QString user = address;
    SkipTo(user, SiteHosts::get(HostRole::HupuMarker) + u'/');
    for (const char* end : {"/", "&", "*", "?", "#"})
        CutAt(user, QString::fromLatin1(end));
    return user;
}

// An album is known by its path on the member host without the page part
// ("<member>/photo/a123"): album links come with or without the host, and
// the photo pages are that path with "-<page>.html".
QString AlbumPath(QString link) {
    SkipTo(link, QStringLiteral(".com/"));
    CutAt(link, QStringLiteral("-"));
    CutAt(link, QStringLiteral(".htm"));
    while (link.startsWith(u'/'))
        link.remove(0, 1);
    return link;
}

void ListMemberAlbums(ListContext& ctx, const QString& user) {
    CUrlRequest request = GzipPageRequest();
    PageWalk walk;
    const QString home = SiteHosts::https(HostRole::HupuMemberHost) + QueryValue(user);
    WalkNumberedPages(
        request, kHupuTextFlags, QStringLiteral("id=\"j_next"), walk,
        [&](int page) { return home + QStringLiteral("/photo-%1").arg(page); },
        [&](int, QString& text) {
            if (UnderMaintenance(text))
                return false;
            SkipTo(text, QStringLiteral("class=\"album_list"));
            CutAt(text, QStringLiteral("</ul>"));
            QStringList parts;
            SplitBy(text, QStringLiteral("<li"), parts);
            for (qsizetype i = 1; i < parts.size(); ++i) {
                QString item = parts.at(i);
                AlbumInfo album;
                // A password album's link sits in the password prompt's call.
                if (SkipTo(item, QStringLiteral("login_pwd('")) >= 0)
                    album.flags = kAlbumEncrypted;
                album.key =
                    AlbumPath(GetBetween(item, QStringLiteral("href=\""), QStringLiteral("\"")));
                album.cover = GetBetween(item, QStringLiteral("src=\""), QStringLiteral("\""));
                album.name = GetBetween(item, QStringLiteral("title=\""), QStringLiteral("\""));
                if (album.name.isEmpty())
                    album.name = GetBetween(item, QStringLiteral(">"), QStringLiteral("</"));
                album.photoCount =
                    LeadingNumber(GetBetween(item, QStringLiteral("(共"), QStringLiteral("张")),
                                  album.photoCount);
                if (!AddPagedAlbum(ctx, walk, album))
                    return false;
            }
            return true;
        });
}

void HupuListOneAlbum(ListContext& ctx, const QString& address) {
    QString text = FetchPage(address, kHupuTextFlags);
    if (text.isEmpty() || UnderMaintenance(text))
        return;
    SkipTo(text, QStringLiteral("class=\"albumlist"));
    AlbumInfo album;
    album.cover = GetBetween(text, QStringLiteral("src=\""), QStringLiteral("\""));
    album.name = GetBetween(text, QStringLiteral("alt=\""), QStringLiteral("\""));
    album.key = AlbumPath(address);
    album.photoCount = LeadingNumber(GetBetween(text, QStringLiteral(">共"), QStringLiteral("张")),
                                     album.photoCount);
    ctx.addAlbum(album);
}

} // namespace

void HupuListAlbums(ListContext& ctx, const QString& address) {
    QString owner = MemberOf(address);
    SanitizeName(owner);
    ctx.session().setOwnerFolder(owner);
    if (address.indexOf(QStringLiteral("/photo/a")) > 0)
        HupuListOneAlbum(ctx, address);
    else if (!MemberOf(address).isEmpty())
        ListMemberAlbums(ctx, MemberOf(address));
}

void HupuListPhotos(PictureContext& ctx, int albumIndex) {
    const AlbumInfo album = ctx.album(albumIndex);
    if (album.key.isEmpty())
        return;
    CUrlRequest request = GzipPageRequest();
    PageWalk walk;
    const QString base = SiteHosts::https(HostRole::HupuMemberHost) + PathValue(album.key);
    WalkNumberedPages(
        request, kHupuTextFlags, QStringLiteral("class=\"next"), walk,
        [&](int page) { return base + QStringLiteral("-%1.html").arg(page); },
        [&](int, QString& text) {
            if (text.contains(kWrongPassword)) {
                ctx.env.prompt.information(
                    QCoreApplication::translate("phodex::Sites", kEnterPasswordFirst));
                return false;
            }
            // Without the picture list the page holds only the site's own
            // images (navigation, the password form).
            if (SkipTo(text, QStringLiteral("class=\"albumlist_list")) < 0)
                return false;
            CutAt(text, QStringLiteral("</ul>"));
            QStringList parts;
            if (SplitBy(text, QStringLiteral("<li"), parts) < 1)
                return false;
            for (qsizetype i = 1; i < parts.size(); ++i) {
                QString item = parts.at(i);
                QString url = GetBetween(item, QStringLiteral("src=\""), QStringLiteral("\""));
                // The list shows the small copy; the big one sits beside it
                // under the same name, and is served over plain http.
                ReplaceInFileName(url, QStringLiteral("small."), QStringLiteral("big."));
                if (url.startsWith(QStringLiteral("https://")))
                    url.replace(0, 8, QStringLiteral("http://"));
                const QString title =
                    GetBetween(item, QStringLiteral("title=\""), QStringLiteral("\""));
                if (!HandOverPicture(ctx, url, title, albumIndex, walk))
                    return false;
            }
            return true;
        });
}

} // namespace phodex
