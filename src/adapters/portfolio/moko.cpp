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

constexpr int kMokoTextFlags = kTextInflate | kTextUtf8;
const QString kSideBox = QStringLiteral("<div class=\"sBox");
// The pager's "next" link; pages write its arrow as an entity or as it is.
const QString kNextLink = QStringLiteral("class=\"b bC\">");
const QString kNextPages[] = {QStringLiteral("class=\"b bC\">&gt;</a>"),
                              QStringLiteral("class=\"b bC\">></a>")};

QString OwnerName(QString text) {
    QString owner = GetBetween(text, QStringLiteral("title=\""), QStringLiteral("'s"));
    SanitizeName(owner);
    return owner;
}

// A list page's address without its page file: "<base>/<n>.html" are its pages.
QString PageBase(const QString& address) {
    return address.first(qMax<qsizetype>(address.lastIndexOf(u'/'), 0));
}

// The post lists of an owner's page: one for each category the owner keeps.
QStringList ListBases(ListContext& ctx, const QString& address) {
    if (address.contains(QStringLiteral("/category/")) || address.contains(QStringLiteral("/new/")))
        return {PageBase(address)};
    QString text = FetchPage(address, kMokoTextFlags, kSideBox.toUtf8());
    SkipTo(text, QStringLiteral("imgUserLogo"));
    ctx.session().setOwnerFolder(OwnerName(text));
    SkipTo(text, QStringLiteral("class=\"mwC\""));
    CutAt(text, kSideBox);
    QStringList parts;
    SplitBy(text, QStringLiteral("href=\""), parts);
    QStringList bases;
    for (qsizetype i = 1; i < parts.size(); ++i) {
        QString link = parts.at(i);
        CutAt(link, QStringLiteral("\""));
        const QString base = PageBase(OnHost(HostRole::MokoHost, link));
        // A category linked twice is still read once.
        if (!link.isEmpty() && !bases.contains(base))
            bases << base;
    }
    return bases;
}

AlbumInfo PostOf(QString item, bool showLayout) {
    AlbumInfo album;
    const QString count = showLayout
                              ? GetBetween(item, QStringLiteral("mC\">"), QStringLiteral("</"))
                              : GetBetween(item, QStringLiteral("/>("), QStringLiteral(")"));
    album.photoCount = LeadingNumber(count, album.photoCount);
    album.name = GetBetween(item, QStringLiteral("title=\""), QStringLiteral("\""));
    album.key = GetBetween(item, QStringLiteral("href=\""), QStringLiteral("\""));
    album.cover = GetBetween(item, QStringLiteral("src2=\""), QStringLiteral("\""));
    return album;
}

} // namespace

void MokoListAlbums(ListContext& ctx, const QString& address) {
    const QStringList bases = ListBases(ctx, address);
    for (qsizetype b = 0; b < bases.size(); ++b) {
        const QString& base = bases.at(b);
        CUrlRequest request = GzipPageRequest();
        PageWalk walk;
        bool stopped = false;
        WalkNumberedPages(
            request, kMokoTextFlags, kNextLink, walk,
            [&](int page) { return base + QStringLiteral("/%1.html").arg(page); },
            [&](int page, QString& text) {
                if (b == 0 && page == 1 && ctx.session().ownerFolder().isEmpty()) {
                    QString owner =
                        GetBetween(text, QStringLiteral("<title>"), QStringLiteral("'s"));
                    SanitizeName(owner);
                    ctx.session().setOwnerFolder(owner);
                }
                const bool more = text.contains(kNextPages[0]) || text.contains(kNextPages[1]);
                const bool showLayout = text.indexOf(QStringLiteral("class=\"show")) > 0;
                QStringList parts;
                SplitBy(text,
                        showLayout ? QStringLiteral("class=\"show")
                                   : QStringLiteral("class=\"twShow"),
                        parts);
                for (qsizetype i = 1; i < parts.size(); ++i) {
                    if (!AddPagedAlbum(ctx, walk, PostOf(parts.at(i), showLayout))) {
                        stopped = true;
                        return false;
                    }
                }
                return more;
            });
        if (stopped)
            return;
    }
}

void MokoListPhotos(PictureContext& ctx, int albumIndex) {
    const AlbumInfo album = ctx.album(albumIndex);
    if (album.key.isEmpty())
        return;
    const QString text = FetchPage(OnHost(HostRole::MokoHost, album.key), kTextInflate);
    QStringList parts;
    SplitBy(text, QStringLiteral("class=\"picBox\">"), parts);
    PageWalk walk;
    for (qsizetype i = 1; i < parts.size(); ++i) {
        QString item = parts.at(i);
        const QString url = GetBetween(item, QStringLiteral("src2=\""), QStringLiteral("\""));
        if (!HandOverPicture(ctx, url, album.name, albumIndex, walk))
            return;
    }
}

} // namespace phodex
