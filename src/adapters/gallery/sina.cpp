// SPDX-License-Identifier: MIT
#include "adapters/common/adapterkit.h"
#include "adapters/gallery/galleryadapters.h"
#include "adapters/gallery/gallerykit.h"
#include "core/jobcontext.h"
#include "core/pagewalk.h"
#include "download/sanitizename.h"
#include "net/fetch.h"
#include "net/pacer.h"
#include "net/pagetext.h"
#include "text/escapes.h"
#include "text/markers.h"

#include <QStringList>

namespace phodex {

namespace {

const QString kSinaNextPage = QStringLiteral("\">下一页");
constexpr int kSinaTextFlags = kTextInflate | kTextUtf8;
// The photo blog turns fast readers away for a while: every page is
// followed by a pause, and a page that failed is asked for again after a
// longer one, three times at most.
constexpr qint64 kAfterPageMs = 2000;
constexpr qint64 kSinaRetryPageMs = 4000;
constexpr int kPageAttempts = 4;

// The blog's name in the page title, without the site's suffix.
QString BlogOwner(QString& page) {
    QString owner =
        GetBetween(page, QStringLiteral("<title>"), QStringLiteral("</"), kConsume).trimmed();
    CutAt(owner, QStringLiteral("_新浪"));
    return owner;
}

// The original upload of a picture the page shows in a smaller size.
QString OriginalPicture(QString url, const QStringList& sizes) {
    for (const QString& size : sizes)
        url.replace(size, QStringLiteral("/orignal/"));
    return url;
}

} // namespace

void SinaPhotoListAlbums(ListContext& ctx, const QString& address) {
    CUrlRequest request = GzipPageRequest();
    request.url = address;
    CUrlResponse response;
    QString text = FetchText(response, request, kSinaTextFlags);
    if (text.isEmpty())
        return;
    ctx.session().setOwnerFolder(BlogOwner(text));
    const QString uid = GetBetween(text, QStringLiteral("articlelist_"), QStringLiteral("_"));
    if (uid.isEmpty())
        return;
    ctx.session().setTextSlot(TextSlot::First, uid);
    request.url = SiteHosts::https(HostRole::SinaPhotoBlogHost,
                                   QStringLiteral("/services/ctg_list_ctg.php?format=gsonv&uid=")) +
                  QueryValue(uid);
    text = FetchText(response, request, kSinaTextFlags);
    QStringList parts;
    SplitBy(text, QStringLiteral("\"category\":\""), parts);
    for (qsizetype i = 1; i < parts.size(); ++i) {
        QString item = parts.at(i);
        AlbumInfo album;
        album.name = UnescapeUnicode(TextBefore(item, QStringLiteral("\",")));
        if (album.name.isEmpty())
            continue;
        album.photoCount =
            LeadingNumber(GetBetween(item, QStringLiteral("pic_cnt\":\""), QStringLiteral("\"")));
        album.key =
            Unslashed(GetBetween(item, QStringLiteral("ctg_url\":\""), QStringLiteral("\"")));
        album.cover =
            Unslashed(GetBetween(item, QStringLiteral("big_url\":\""), QStringLiteral("\"")));
        if (!ctx.addAlbum(album))
            return;
    }
}

void SinaPhotoListPhotos(PictureContext& ctx, int albumIndex) {
    const AlbumInfo album = ctx.album(albumIndex);
    if (album.key.isEmpty())
        return;
    CUrlRequest request = GzipPageRequest();
    CUrlResponse response;
    PageWalk walk;
    for (int page = 1; walk.nextPage(); ++page) {
        request.url = album.key + QStringLiteral("/page%1").arg(page);
        request.headers = GzipHeader() + QStringLiteral("\r\nReferer: ") + request.url;
        bool fetched = Fetch(response, request, 0);
        for (int attempt = 1; !fetched && attempt < kPageAttempts; ++attempt) {
            pacer().sleepMs(kSinaRetryPageMs);
            fetched = Fetch(response, request, 0);
        }
        if (!fetched)
            return;
        const QString text = GetText(response, kSinaTextFlags);
        if (text.isEmpty())
            return;
        const bool more = text.contains(kSinaNextPage);
        QStringList parts;
        SplitBy(text, QStringLiteral("class=\"pt_border\""), parts);
        for (qsizetype i = 1; i < parts.size(); ++i) {
            QString item = parts.at(i);
            // The pages write the query separators of the addresses as
            // entities; only those go, not every "amp" of an address.
            const QString url =
                OriginalPicture(GetBetween(item, QStringLiteral("src=\""), QStringLiteral("\"")),
                                {QStringLiteral("/small/")})
                    .replace(QStringLiteral("&amp;"), QStringLiteral("&"));
            const QString title =
                GetBetween(item, QStringLiteral("title=\""), QStringLiteral("\""));
            if (!HandOverPicture(ctx, url, title, albumIndex, walk))
                return;
        }
        walk.notePage(text);
        pacer().sleepMs(kAfterPageMs);
        if (!more)
            return;
    }
}

void SinaBlogListArticles(ListContext& ctx, const QString& address) {
    if (address.isEmpty())
        return;
    CUrlRequest request = GzipPageRequest();
    PageWalk walk;
    // Older blog layouts mark their articles differently; page 1 tells which.
    QString marker = QStringLiteral("class=\"atc_title\">");
    WalkNumberedPages(
        request, kSinaTextFlags, kSinaNextPage, walk,
        [&](int page) { return address + QStringLiteral("_%1.html").arg(page); },
        [&](int page, QString& text) {
            if (page == 1) {
                ctx.session().setOwnerFolder(BlogOwner(text));
                if (!text.contains(marker))
                    marker = QStringLiteral("class=\"SG_j_linedot");
            }
            QStringList parts;
            SplitBy(text, marker, parts);
            for (qsizetype i = 1; i < parts.size(); ++i) {
                QString item = parts.at(i);
                AlbumInfo album;
                album.name = GetBetween(item, QStringLiteral("title=\""), QStringLiteral("\""));
                album.key = GetBetween(item, QStringLiteral("href=\""), QStringLiteral("\""));
                if (album.name.isEmpty())
                    album.name = GetBetween(item, QStringLiteral(">"), QStringLiteral("</"));
                if (album.name.isEmpty())
                    continue;
                if (!AddPagedAlbum(ctx, walk, album))
                    return false;
            }
            return true;
        });
}

void SinaBlogListPhotos(PictureContext& ctx, int albumIndex) {
    const AlbumInfo album = ctx.album(albumIndex);
    if (album.key.isEmpty())
        return;
    CUrlRequest request = GzipPageRequest();
    request.url = album.key;
    request.endMarker = QByteArrayLiteral("class=\"shareUp\">");
    CUrlResponse response;
    QString text = FetchText(response, request, kSinaTextFlags);
    if (text.isEmpty())
        return;
    QString title =
        GetBetween(text, QStringLiteral("class=\"titName"), QStringLiteral("</"), kConsume);
    SkipTo(title, QStringLiteral(">"));
    SanitizeName(title);
    if (!title.isEmpty())
        ctx.session().albums.setName(albumIndex, title);
    else
        title = album.name;
    SkipTo(text, QStringLiteral("class=\"articalContent"));
    // Each picture is linked with its address after "&url=" and shows it in
    // "real_src"; where the two disagree in number the links are not the
    // pictures' own.
    const QString realSrc = QStringLiteral("real_src =\"");
    const QString linked = QStringLiteral("&url=");
    const QString marker = CountOf(text, linked) != CountOf(text, realSrc) ? realSrc : linked;
    QStringList parts;
    if (SplitBy(text, marker, parts) == 0)
        return;
    QString url = parts.at(1);
    CutAt(url, QStringLiteral("\""));
    url = OriginalPicture(
        url, {QStringLiteral("/middle/"), QStringLiteral("/bmiddle/"), QStringLiteral("/mw690/")});
    if (url.isEmpty())
        return;
    ctx.addPicture(url, title, QStringLiteral("Referer: ") + album.key, albumIndex);
}

} // namespace phodex
