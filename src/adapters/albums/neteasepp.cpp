// SPDX-License-Identifier: MIT
#include "adapters/albums/albumadapters.h"
#include "adapters/common/adapterkit.h"
#include "adapters/gallery/gallerykit.h"
#include "core/jobcontext.h"
#include "core/pagewalk.h"
#include "core/webaddress.h"
#include "download/sanitizename.h"
#include "net/pagetext.h"
#include "text/markers.h"

#include <QStringList>
#include <QUrl>

namespace phodex {

namespace {

// The photo-set pages are in the site's own code page, which the page text
// decodes by default.
constexpr int kNeteasePpTextFlags = kTextInflate;

// The set page: only the picture list between its two script variables
// lists the set's pictures.
QString FetchSetPage(const QString& address) {
    CUrlRequest request = GzipPageRequest(QByteArrayLiteral("photoidsList"));
    request.startMarker = QByteArrayLiteral("window.picList");
    request.url = address;
    CUrlResponse response;
    return FetchText(response, request, kNeteasePpTextFlags);
}

// The owner page links its sets by path as often as by address; a path is
// read on the owner's own host rather than taken for an address.
QString SetAddress(const QString& owner, const QString& link) {
    if (link.isEmpty())
        return {};
    const QUrl resolved = QUrl(owner).resolved(QUrl(WithWebScheme(link, BareAddress::Relative)));
    if (resolved.scheme() != u"http" && resolved.scheme() != u"https")
        return {};
    return resolved.toString();
}

} // namespace

void NeteasePpListAlbums(ListContext& ctx, const QString& address) {
    QString text = FetchPage(address, kNeteasePpTextFlags);
    if (text.isEmpty())
        return;
    QString owner = GetBetween(text, QStringLiteral("nickName : '"), QStringLiteral("'"));
    SanitizeName(owner);
    ctx.session().setOwnerFolder(owner);
    QStringList parts;
    SplitBy(text, QStringLiteral("<li class=\"w-cover"), parts);
    for (qsizetype i = 1; i < parts.size(); ++i) {
        QString item = parts.at(i);
        AlbumInfo album;
        album.key =
            SetAddress(address, GetBetween(item, QStringLiteral("href=\""), QStringLiteral("\"")));
        if (album.key.isEmpty())
            continue;
        album.name = GetBetween(item, QStringLiteral("title=\""), QStringLiteral("\""));
        album.cover =
            WithWebScheme(GetBetween(item, QStringLiteral("src=\""), QStringLiteral("\"")),
                          BareAddress::Relative);
        SkipTo(item, QStringLiteral("<em>"));
        album.photoCount = LeadingNumber(
            GetBetween(item, QStringLiteral("~ ["), QStringLiteral("张")), album.photoCount);
        if (!ctx.addAlbum(album))
            return;
    }
}

void NeteasePpListPhotos(PictureContext& ctx, int albumIndex) {
    const AlbumInfo album = ctx.album(albumIndex);
    if (album.key.isEmpty())
        return;
    const QString text = FetchSetPage(album.key);
    QStringList parts;
    SplitBy(text, QStringLiteral(",url:'"), parts);
    PageWalk walk;
    for (qsizetype i = 1; i < parts.size(); ++i) {
        QString item = parts.at(i);
        const QString url =
            WithWebScheme(TextBefore(item, QStringLiteral("'")), BareAddress::Relative);
        QString title = GetBetween(item, QStringLiteral(",picDesc:'"), QStringLiteral("'"));
        if (title.isEmpty())
            title = album.name;
        if (!HandOverPicture(ctx, url, title, albumIndex, walk))
            return;
    }
}

} // namespace phodex
