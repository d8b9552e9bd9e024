// SPDX-License-Identifier: MIT
#include "adapters/common/adapterkit.h"
#include "adapters/gallery/gallerykit.h"
#include "adapters/portfolio/portfolioadapters.h"
#include "adapters/portfolio/portfoliokit.h"
#include "core/jobcontext.h"
#include "core/pagewalk.h"
#include "download/sanitizename.h"
#include "net/pagetext.h"
#include "text/markers.h"

#include <QStringList>

namespace phodex {

namespace {

constexpr int kTopitTextFlags = kTextInflate | kTextUtf8;
const QString kTopitNextPage = QStringLiteral("id=\"page-next");

// The pages show a size folder ("com/t", "com/m", "com/s") or a size letter
// before ".jpg"; "o" is the original and "l" the large copy, which the site
// still has when it lost the original.
QString OriginalWithLargeFallback(const QString& url) {
    for (const QString& folder :
         {QStringLiteral("com/t"), QStringLiteral("com/m"), QStringLiteral("com/s")}) {
        const qsizetype at = url.indexOf(folder, 1);
        if (at >= 1) {
            QString original = url;
            QString large = url;
            original.replace(at, folder.size(), QStringLiteral("com/o"));
            large.replace(at, folder.size(), QStringLiteral("com/l"));
            return original + QStringLiteral("\r\n") + large;
        }
    }
    for (const QString& size :
         {QStringLiteral("t.jpg"), QStringLiteral("s.jpg"), QStringLiteral("m.jpg")}) {
        QString original = url;
        QString large = url;
        if (ReplaceInFileName(original, size, QStringLiteral("o.jpg")) &&
            ReplaceInFileName(large, size, QStringLiteral("l.jpg")))
            return original + QStringLiteral("\r\n") + large;
    }
    return url;
}

void TopitListUserAlbums(ListContext& ctx, const QString& address) {
    CUrlRequest request = GzipPageRequest();
    PageWalk walk;
    WalkNumberedPages(
        request, kTopitTextFlags, kTopitNextPage, walk,
        [&](int page) { return address + QStringLiteral("/albums?p=%1").arg(page); },
        [&](int page, QString& text) {
            if (page == 1) {
                SkipTo(text, QStringLiteral("name="));
                QString owner =
                    GetBetween(text, QStringLiteral("content=\""), QStringLiteral(" 专辑\""))
                        .trimmed();
                SanitizeName(owner);
                ctx.session().setOwnerFolder(owner);
            }
            QStringList parts;
            SplitBy(text, QStringLiteral("class=\"albumlist\""), parts);
            for (qsizetype i = 1; i < parts.size(); ++i) {
                QString item = parts.at(i);
                AlbumInfo album;
                const QString link =
                    GetBetween(item, QStringLiteral("href=\""), QStringLiteral("\""));
                if (!link.isEmpty())
                    album.key = OnHost(HostRole::TopitHost, link);
                album.cover = GetBetween(item, QStringLiteral("src=\""), QStringLiteral("\""));
                SkipTo(item, QStringLiteral("albumlist_blk\""));
                album.name = GetBetween(item, QStringLiteral("\">"), QStringLiteral("</"));
                album.photoCount = LeadingNumber(
                    GetBetween(item, QStringLiteral("<span> ( "), QStringLiteral("张")),
                    album.photoCount);
                if (!AddPagedAlbum(ctx, walk, album))
                    return false;
            }
            return true;
        });
}

void TopitListOneAlbum(ListContext& ctx, const QString& address) {
    QString text = FetchPage(address, kTopitTextFlags);
    if (text.isEmpty())
        return;
    // The owner's link, whichever scheme the page writes it with.
    SkipTo(text, SiteHosts::get(HostRole::TopitHost) + QStringLiteral("/user/"));
    QString owner = GetBetween(text, QStringLiteral("<span>"), QStringLiteral("</"));
    SanitizeName(owner);
    ctx.session().setOwnerFolder(owner);
    SkipTo(text, QStringLiteral("class=\"pageheader"));
    AlbumInfo album;
    album.name = GetBetween(text, QStringLiteral("h2>"), QStringLiteral("</"));
    album.key = address;
    ctx.addAlbum(album);
}

} // namespace

void TopitListAlbums(ListContext& ctx, const QString& address) {
    if (address.contains(QStringLiteral("/user/")))
        TopitListUserAlbums(ctx, address);
    else
        TopitListOneAlbum(ctx, address);
}

void TopitListPhotos(PictureContext& ctx, int albumIndex) {
    const AlbumInfo album = ctx.album(albumIndex);
    if (album.key.isEmpty())
        return;
    // The album's pictures come from the site's feed of it, whose id is the
    // album's last folder.
    QString feed = OnHost(HostRole::TopitHost, album.key);
    const qsizetype at = feed.indexOf(QStringLiteral("/album/"));
    if (at >= 0)
        feed.replace(at, 7, QStringLiteral("/broad?type=album&id="));
    CUrlRequest request = GzipPageRequest();
    PageWalk walk;
    WalkNumberedPages(
        request, kTopitTextFlags, kTopitNextPage, walk,
        [&](int page) { return feed + QStringLiteral("&p=%1").arg(page); },
        [&](int, QString& text) {
            SkipTo(text, QStringLiteral("/comments\">"));
            CutAt(text, QStringLiteral("id=\"footer"));
            QStringList parts;
            if (SplitBy(text, QStringLiteral("<img class=\"img"), parts) < 1)
                return false;
            for (qsizetype i = 1; i < parts.size(); ++i) {
                QString item = parts.at(i);
                QString title = GetBetween(item, QStringLiteral("title=\""), QStringLiteral("\""));
                QString url = GetBetween(item, QStringLiteral("original=\""), QStringLiteral("\""));
                if (title.isEmpty())
                    title = GetBetween(item, QStringLiteral("alt=\""), QStringLiteral("\""));
                if (url.isEmpty())
                    url = GetBetween(item, QStringLiteral("src=\""), QStringLiteral("\""));
                if (url.isEmpty())
                    continue;
                if (!HandOverPicture(ctx, OriginalWithLargeFallback(url), title, albumIndex, walk))
                    return false;
            }
            return true;
        });
}

} // namespace phodex
