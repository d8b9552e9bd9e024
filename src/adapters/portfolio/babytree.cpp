// SPDX-License-Identifier: MIT
#include "adapters/common/adapterkit.h"
#include "adapters/gallery/gallerykit.h"
#include "adapters/portfolio/portfolioadapters.h"
#include "adapters/portfolio/portfoliokit.h"
#include "core/jobcontext.h"
#include "core/pagewalk.h"
#include "download/sanitizename.h"
#include "net/pagetext.h"
#include "text/escapes.h"
#include "text/markers.h"

#include <QStringList>

namespace phodex {

namespace {

constexpr int kBabytreeTextFlags = kTextInflate | kTextUtf8;
const QByteArray kPageEnd = QByteArrayLiteral("vertical-align:middle");
// The older pages' pager arrow, as the page text has it once its entities
// are decoded ("&gt;" is never left in the text).
const QString kOlderNextPage = QStringLiteral(">></a></li>");
const QString kThumb = QStringLiteral("class=\"thumb\">");

void SetOwnerFromTitle(ListContext& ctx, QString& text, const QString& user) {
    QString owner = GetBetween(text, QStringLiteral("<title>"), QStringLiteral("的相册"));
    if (owner.isEmpty())
        owner = user;
    SanitizeName(owner);
    ctx.session().setOwnerFolder(owner);
}

// The value a photo page names in place of the list's picture, or "".
QString BigPicture(const QString& page, const QByteArray& endMarker, const QString& start) {
    if (page.isEmpty())
        return QString();
    QString text = FetchPage(page, kBabytreeTextFlags, endMarker);
    return Unslashed(GetBetween(text, start, QStringLiteral("\"")));
}

} // namespace

void BabytreeListAlbums(ListContext& ctx, const QString& user) {
    if (user.trimmed().isEmpty())
        return;
    ctx.session().setTextSlot(TextSlot::First, user);
    CUrlRequest request = GzipPageRequest(kPageEnd);
    PageWalk walk;
    const QString home = SiteHosts::https(HostRole::BabytreeHomeHost) + QueryValue(user);
    WalkNumberedPages(
        request, kBabytreeTextFlags, QStringLiteral("\">下一页</a>"), walk,
        [&](int page) { return home + QStringLiteral("/photo/list?pg=%1").arg(page); },
        [&](int page, QString& text) {
            if (page == 1)
                SetOwnerFromTitle(ctx, text, user);
            SkipTo(text, QStringLiteral("album_list"));
            CutAt(text, QStringLiteral("</script>"));
            QStringList parts;
            if (SplitBy(text, QStringLiteral("\"id\":"), parts) < 1)
                return false;
            for (qsizetype i = 1; i < parts.size(); ++i) {
                QString item = parts.at(i);
                AlbumInfo album;
                album.name = UnescapeUnicode(
                    GetBetween(item, QStringLiteral("title\":\""), QStringLiteral("\"")));
                album.key = Unslashed(
                    GetBetween(item, QStringLiteral("album_url\":\""), QStringLiteral("\"")));
                album.photoCount = LeadingNumber(
                    GetBetween(item, QStringLiteral("sum\":\""), QStringLiteral("\"")),
                    album.photoCount);
                album.cover = Unslashed(
                    GetBetween(item, QStringLiteral("cover_url\":\""), QStringLiteral("\"")));
                if (!AddPagedAlbum(ctx, walk, album))
                    return false;
            }
            return true;
        });
}

void BabytreeListAlbumsFallback(ListContext& ctx, const QString& user) {
    if (user.trimmed().isEmpty())
        return;
    CUrlRequest request = GzipPageRequest(kPageEnd);
    PageWalk walk;
    const QString list = SiteHosts::https(HostRole::BabytreeHost) +
                         QStringLiteral("user/showuser.php?uid=u%1&tab=photo&view=album_list&"
                                        "order=&pg=")
                             .arg(QueryValue(user));
    WalkNumberedPages(
        request, kBabytreeTextFlags, kOlderNextPage, walk,
        [&](int page) { return list + QString::number(page); },
        [&](int page, QString& text) {
            if (page == 1)
                SetOwnerFromTitle(ctx, text, user);
            QStringList parts;
            SplitBy(text, kThumb, parts);
            for (qsizetype i = 1; i < parts.size(); ++i) {
                QString item = parts.at(i);
                AlbumInfo album;
                album.key = GetBetween(item, QStringLiteral("href=\""), QStringLiteral("\""));
                album.cover = GetBetween(item, QStringLiteral("src=\""), QStringLiteral("\""));
                album.name =
                    GetBetween(item, QStringLiteral("<strong>"), QStringLiteral("</strong>"));
                album.photoCount = LeadingNumber(
                    GetBetween(item, QStringLiteral("("), QStringLiteral(")")), album.photoCount);
                if (!AddPagedAlbum(ctx, walk, album))
                    return false;
            }
            return true;
        });
}

void BabytreeListPhotos(PictureContext& ctx, int albumIndex) {
    const AlbumInfo album = ctx.album(albumIndex);
    if (album.key.isEmpty())
        return;
    // The album's pictures come as JSON from the album's "ajax" twin.
    QString feed = OnHost(HostRole::BabytreeHomeHost, album.key);
    const qsizetype at = feed.indexOf(QStringLiteral("/album/"));
    if (at >= 0)
        feed.replace(at, 7, QStringLiteral("/albumAjax/"));
    const QByteArray pageEnd = QByteArrayLiteral("mytree-tooltips");
    CUrlRequest request = GzipPageRequest(pageEnd);
    PageWalk walk;
    // The feed has no pager: it goes on until a page brings no picture.
    WalkNumberedPages(
        request, kBabytreeTextFlags, QString(), walk,
        [&](int page) { return feed + QStringLiteral("?format=json&pg=%1").arg(page); },
        [&](int, QString& text) {
            QStringList parts;
            if (SplitBy(text, QStringLiteral("\"href\""), parts) < 1)
                return false;
            for (qsizetype i = 1; i < parts.size(); ++i) {
                QString item = parts.at(i);
                QString page =
                    Unslashed(GetBetween(item, QStringLiteral(":\""), QStringLiteral("\"")));
                if (!page.isEmpty())
                    page = OnHost(HostRole::BabytreeHomeHost, page);
                QString url =
                    Unslashed(GetBetween(item, QStringLiteral("img\":\""), QStringLiteral("\"")));
                const QString title = UnescapeUnicode(
                    GetBetween(item, QStringLiteral("title\":\""), QStringLiteral("\"")));
                const QString big = BigPicture(page, pageEnd, QStringLiteral("big\":{\"url\":\""));
                if (!big.isEmpty())
                    url = big;
                if (!HandOverPicture(ctx, url, title, albumIndex, walk))
                    return false;
            }
            return true;
        });
}

void BabytreeListPhotosFallback(PictureContext& ctx, int albumIndex) {
    const AlbumInfo album = ctx.album(albumIndex);
    if (album.key.isEmpty())
        return;
    const QByteArray pageEnd = QByteArrayLiteral("vertical-align:middle;");
    CUrlRequest request = GzipPageRequest(pageEnd);
    PageWalk walk;
    const QString albumPage = OnHost(HostRole::BabytreeHost, album.key);
    WalkNumberedPages(
        request, kBabytreeTextFlags, kOlderNextPage, walk,
        [&](int page) { return albumPage + QStringLiteral("&pg=%1").arg(page); },
        [&](int, QString& text) {
            QStringList parts;
            if (SplitBy(text, kThumb, parts) < 1)
                return false;
            for (qsizetype i = 1; i < parts.size(); ++i) {
                QString item = parts.at(i);
                QString page = GetBetween(item, QStringLiteral("href=\""), QStringLiteral("\""));
                QString url = GetBetween(item, QStringLiteral("src=\""), QStringLiteral("\""));
                const QString title =
                    GetBetween(item, QStringLiteral("alt=\""), QStringLiteral("\""));
                if (!page.isEmpty()) {
                    page = OnHost(HostRole::BabytreeHost, page);
                    page.replace(QStringLiteral("#detail"), QStringLiteral("&show=big"));
                }
                const QString big = BigPicture(page, pageEnd, QStringLiteral("src=\""));
                if (!big.isEmpty())
                    url = big;
                if (!HandOverPicture(ctx, url, title, albumIndex, walk))
                    return false;
            }
            return true;
        });
}

} // namespace phodex
