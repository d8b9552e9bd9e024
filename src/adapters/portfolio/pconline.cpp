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

constexpr int kPconlineTextFlags = kTextInflate | kTextUtf8;

// An album's link names its first photo page; the album's own page is the
// list beside it. Only the "photo" folder is renamed: the same letters in a
// user's folder or in the host name are theirs.
QString AlbumListAddress(QString address) {
    const qsizetype at = address.lastIndexOf(QStringLiteral("/photo/"));
    if (at >= 0)
        address.insert(at + 7, QStringLiteral("list_"));
    return address;
}

} // namespace

void PconlineListAlbums(ListContext& ctx, const QString& address) {
    CUrlRequest request = GzipPageRequest();
    PageWalk walk;
    WalkNumberedPages(
        request, kPconlineTextFlags, QStringLiteral(">下一页</a>"), walk,
        [&](int page) {
            QString pageAddress = address;
            ReplaceInFileName(pageAddress, QStringLiteral("_dk1stp_"),
                              QStringLiteral("_p%1_").arg(page));
            return pageAddress;
        },
        [&](int page, QString& text) {
            if (page == 1) {
                QString owner = GetBetween(text, QStringLiteral("】"), QStringLiteral("_太平洋"));
                if (owner.isEmpty()) {
                    owner = address;
                    SkipTo(owner, QStringLiteral("cn/"));
                    CutAt(owner, QStringLiteral("/"));
                }
                SanitizeName(owner);
                ctx.session().setOwnerFolder(owner);
            }
            QStringList parts;
            if (SplitBy(text, QStringLiteral("class=\"picbox"), parts) < 1)
                return false;
            for (qsizetype i = 1; i < parts.size(); ++i) {
                QString item = parts.at(i);
                AlbumInfo album;
                const QString link =
                    GetBetween(item, QStringLiteral("href=\""), QStringLiteral("\""));
                if (!link.isEmpty())
                    album.key = AlbumListAddress(OnHost(HostRole::PconlinePhotoHost, link));
                album.name = GetBetween(item, QStringLiteral("title=\""), QStringLiteral("\""));
                album.cover = GetBetween(item, QStringLiteral("src=\""), QStringLiteral("\""));
                if (!AddPagedAlbum(ctx, walk, album))
                    return false;
            }
            return true;
        });
}

void PconlineListPhotos(PictureContext& ctx, int albumIndex) {
    const AlbumInfo album = ctx.album(albumIndex);
    if (album.key.isEmpty())
        return;
    const QString text =
        FetchPage(album.key, kPconlineTextFlags, QByteArrayLiteral("class=\"artOutWrap"));
    QStringList parts;
    SplitBy(text, QStringLiteral("class=\"picture"), parts);
    PageWalk walk;
    for (qsizetype i = 1; i < parts.size(); ++i) {
        QString item = parts.at(i);
        QString url = GetBetween(item, QStringLiteral("src=\""), QStringLiteral("\""));
        ReplaceInFileName(url, QStringLiteral("_mthumb"), QString());
        const QString title = QStringLiteral("%1 (%2)").arg(album.name, QString::number(i));
        if (!HandOverPicture(ctx, url, title, albumIndex, walk))
            return;
    }
}

} // namespace phodex
