// SPDX-License-Identifier: MIT
#include "adapters/common/adapterkit.h"
#include "adapters/gallery/galleryadapters.h"
#include "adapters/gallery/gallerykit.h"
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

const QString kZolNextPage = QStringLiteral("class=\"nor\">下一页");
const QString kItem = QStringLiteral("id=\"pic_");
constexpr char kUnnamedProduct[] =
    QT_TRANSLATE_NOOP("phodex::Sites", "没有找到这个产品的名称，请确认网址是ZOL的产品页面");

// The full-size picture of a thumbnail address. Thumbnails sit either in a
// size folder right after the host ("cn/t_s120x90/...") or carry the size
// in the file name after an underscore ("abc_120x90.jpg").
QString FullSizeAddress(QString url) {
    const qsizetype at = url.indexOf(QStringLiteral("cn/t_s"));
    if (at > 0) {
        QString rest = url.sliced(at);
        const QString size = GetBetween(rest, QStringLiteral("cn/t_s"), QStringLiteral("/"));
        // "cn/" stays: the folder starts at its slash.
        if (!size.isEmpty())
            url.remove(at + 2, 4 + size.size());
        return url;
    }
    // Only the file name is looked at: an underscore in the host or in a
    // folder is part of the picture's place, not of its size.
    const qsizetype name = url.lastIndexOf(u'/') + 1;
    const qsizetype under = url.indexOf(u'_', name);
    const qsizetype dot = under < 0 ? -1 : url.indexOf(u'.', under);
    if (dot > under)
        url.remove(under, dot - under);
    return url;
}

// A product page's picture sections: the heading of a section names the
// pictures of the pieces after it.
QString SectionTitle(const QString& piece) {
    QString text = piece;
    const QString header =
        GetBetween(text, QStringLiteral("section-header"), QStringLiteral("<em>"));
    return header.sliced(header.lastIndexOf(u'>') + 1);
}

} // namespace

void ZolListAlbums(ListContext& ctx, const QString& user) {
    if (user.trimmed().isEmpty())
        return;
    ctx.session().setTextSlot(TextSlot::First, user);
    CUrlRequest request = GzipPageRequest();
    PageWalk walk;
    const QString home = SiteHosts::https(HostRole::ZolPhotoHost) + QueryValue(user);
    WalkNumberedPages(
        request, kTextInflate, kZolNextPage, walk,
        [&](int page) { return home + QStringLiteral("/album_%1.html").arg(page); },
        [&](int page, QString& text) {
            if (page == 1) {
                QString owner =
                    GetBetween(text, QStringLiteral("<title>"), QStringLiteral("的全部相册"));
                SanitizeName(owner);
                ctx.session().setOwnerFolder(owner);
            }
            QStringList parts;
            SplitBy(text, kItem, parts);
            for (qsizetype i = 1; i < parts.size(); ++i) {
                QString item = parts.at(i);
                AlbumInfo album;
                album.key = GetBetween(item, QStringLiteral("href=\""), QStringLiteral("1.html"));
                album.cover = GetBetween(item, QStringLiteral("src=\""), QStringLiteral("\""));
                album.name = GetBetween(item, QStringLiteral("title=\""), QStringLiteral("\""));
                album.photoCount = LeadingNumber(
                    GetBetween(item, QStringLiteral("K_11\">"), QStringLiteral("张")));
                if (!AddPagedAlbum(ctx, walk, album))
                    return false;
            }
            return true;
        });
}

void ZolListPhotos(PictureContext& ctx, int albumIndex) {
    const AlbumInfo album = ctx.album(albumIndex);
    if (album.key.isEmpty())
        return;
    CUrlRequest request = GzipPageRequest();
    PageWalk walk;
    WalkNumberedPages(
        request, kTextInflate, kZolNextPage, walk,
        [&](int page) {
            return OnHost(HostRole::ZolPhotoHost,
                          album.key + QString::number(page) + QStringLiteral(".html"));
        },
        [&](int, QString& text) {
            QStringList parts;
            if (SplitBy(text, kItem, parts) < 1)
                return false;
            for (qsizetype i = 1; i < parts.size(); ++i) {
                QString item = parts.at(i);
                const QString url = FullSizeAddress(
                    GetBetween(item, QStringLiteral("src=\""), QStringLiteral("\"")));
                const QString title =
                    GetBetween(item, QStringLiteral("title=\""), QStringLiteral("\""));
                if (!HandOverPicture(ctx, url, title, albumIndex, walk))
                    return false;
            }
            return true;
        });
}

void ZolProductList(ListContext& ctx, const QString& address) {
    CUrlRequest request = GzipPageRequest();
    request.url = address;
    CUrlResponse response;
    QString text = FetchText(response, request, kTextInflate);
    if (text.isEmpty())
        return;
    QString name = GetBetween(text, QStringLiteral("page-title\">"), QStringLiteral("<"));
    SanitizeName(name);
    if (name.isEmpty()) {
        ctx.env.prompt.information(QCoreApplication::translate("phodex::Sites", kUnnamedProduct));
        return;
    }
    ctx.session().setOwnerFolder(QStringLiteral("Zol"));
    AlbumInfo album;
    album.name = name;
    album.key = address;
    album.photoCount = -1;
    // The picture operation reads this very page, not a fresh copy.
    if (ctx.addAlbum(album))
        ctx.session().setTextSlot(TextSlot::First, text);
}

void ZolProductPhotos(PictureContext& ctx, int albumIndex) {
    QString text = ctx.session().textSlot(TextSlot::First);
    if (text.indexOf(QStringLiteral("class=\"content")) <= 0) {
        ReportUnreadablePage(ctx, text, 3);
        return;
    }
    SkipTo(text, QStringLiteral("class=\"content"));
    SkipTo(text, QStringLiteral("class=\"section"));
    CutAt(text, QStringLiteral("Detail/RelativePro"));
    QStringList pieces;
    SplitBy(text, QStringLiteral("<li>"), pieces);
    QString title = QStringLiteral("图片");
    PageWalk walk;
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        const QString& piece = pieces.at(i);
        if (i > 0) {
            QString rest = piece;
            QString url = GetBetween(rest, QStringLiteral("src=\""), QStringLiteral("\""));
            // Shorter values are placeholders, not addresses.
            if (url.size() >= 7) {
                url.replace(QStringLiteral("_120x90/"), QStringLiteral("/"));
                if (!HandOverPicture(ctx, url, title, albumIndex, walk))
                    return;
            }
        }
        if (piece.indexOf(QStringLiteral("section-header")) > 0)
            title = SectionTitle(piece);
    }
}

} // namespace phodex
