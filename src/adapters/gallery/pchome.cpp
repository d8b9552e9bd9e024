// SPDX-License-Identifier: MIT
#include "adapters/common/adapterkit.h"
#include "adapters/gallery/galleryadapters.h"
#include "adapters/gallery/gallerykit.h"
#include "core/jobcontext.h"
#include "core/pagewalk.h"
#include "net/pagetext.h"
#include "text/markers.h"

#include <QStringList>

namespace phodex {

namespace {

const QString kPchomeNextPage = QStringLiteral("\">下一頁>");
constexpr int kPchomeTextFlags = kTextInflate | kTextBig5;

// The lists show thumbnails, whose file names end with an "s" before the
// extension; the picture itself has the name without it. Folders may hold
// "s." as well and stay as they are.
QString WithoutThumbnailMark(QString url) {
    const qsizetype name = url.lastIndexOf(u'/') + 1;
    const qsizetype dot = url.lastIndexOf(u'.');
    if (dot > name && url.at(dot - 1) == u's')
        url.remove(dot - 1, 1);
    return url;
}

} // namespace

void PchomeListAlbums(ListContext& ctx, const QString& user) {
    if (user.trimmed().isEmpty())
        return;
    ctx.session().setTextSlot(TextSlot::First, user);
    CUrlRequest request = GzipPageRequest();
    PageWalk walk;
    const QString home = SiteHosts::https(HostRole::PchomePhotoHost) + QueryValue(user);
    WalkNumberedPages(
        request, kPchomeTextFlags, kPchomeNextPage, walk,
        [&](int page) { return home + u'*' + QString::number(page); },
        [&](int, QString& text) {
            // What follows is the site's own selection of other users' albums.
            CutAt(text, QStringLiteral("MainListSection"));
            QStringList parts;
            SplitBy(text, QStringLiteral("class=\"MarkSet\""), parts);
            for (qsizetype i = 1; i < parts.size(); ++i) {
                QString item = parts.at(i);
                AlbumInfo album;
                album.key = GetBetween(item, QStringLiteral("href=\""), QStringLiteral("\""));
                const QString cover = GetBetween(item, QStringLiteral("Img["), QStringLiteral("]"));
                if (!cover.isEmpty())
                    album.cover = OnHost(HostRole::PchomePhotoHost, cover);
                album.name = GetBetween(item, QStringLiteral("<span>"), QStringLiteral("</span>"));
                album.photoCount =
                    LeadingNumber(GetBetween(item, QStringLiteral("共"), QStringLiteral("張")));
                if (!AddPagedAlbum(ctx, walk, album))
                    return false;
            }
            return true;
        });
}

void PchomeListPhotos(PictureContext& ctx, int albumIndex) {
    const AlbumInfo album = ctx.album(albumIndex);
    if (album.key.isEmpty())
        return;
    // The pictures' pages are named after the user the albums were listed
    // for, as the listing left it: the owner folder is a folder level by now.
    const QString owner = QueryValue(ctx.session().textSlot(TextSlot::First));
    CUrlRequest request = GzipPageRequest();
    PageWalk walk;
    WalkNumberedPages(
        request, kPchomeTextFlags, kPchomeNextPage, walk,
        [&](int page) {
            return OnHost(HostRole::PchomePhotoHost, album.key + u'*' + QString::number(page));
        },
        [&](int, QString& text) {
            SkipTo(text, QStringLiteral("PhotoList"));
            CutAt(text, QStringLiteral("PageInfo"));
            QStringList parts;
            if (SplitBy(text, QStringLiteral("Icon:'"), parts) < 1)
                return false;
            for (qsizetype i = 1; i < parts.size(); ++i) {
                QString item = parts.at(i);
                const QString path = GetBetween(item, QStringLiteral("/"), QStringLiteral("',"));
                const QString url =
                    path.isEmpty()
                        ? QString()
                        : WithoutThumbnailMark(SiteHosts::https(HostRole::PchomePhotoHost) + path);
                const QString title =
                    GetBetween(item, QStringLiteral("DataSet["), QStringLiteral("]'"));
                const QString photo =
                    GetBetween(item, QStringLiteral("PK:"), QStringLiteral(",")).trimmed();
                // The picture is only served to its own page on the site.
                const QString referer = QStringLiteral("Referer: ") +
                                        SiteHosts::https(HostRole::PchomePhotoHost) + owner + u'/' +
                                        QueryValue(photo);
                if (!HandOverPicture(ctx, url, title, albumIndex, walk, referer))
                    return false;
            }
            return true;
        });
}

} // namespace phodex
