// SPDX-License-Identifier: MIT
#include "adapters/common/adapterkit.h"
#include "adapters/renren/renrenadapters.h"
#include "adapters/renren/renrenkit.h"
#include "core/jobcontext.h"
#include "core/pagewalk.h"
#include "text/escapes.h"
#include "text/markers.h"

#include <QStringList>

#include <functional>
#include <limits>
#include <optional>

namespace phodex {

namespace {

QString RefererFor(const QString& address) {
    return QStringLiteral("Referer: %1").arg(address);
}

bool IsEncrypted(const AlbumInfo& album) {
    return (album.flags & kAlbumEncrypted) != 0;
}

// The classic list names a scaled copy; the picture's own page shows the
// large one.
QString LargePicture(const QString& albumKey, QString item, const QString& url) {
    if (url.contains(QStringLiteral("original_")) || url.contains(QStringLiteral("xlarge_")))
        return url;
    QString owner = albumKey;
    CutAt(owner, QStringLiteral("/album-"));
    const QString photoId =
        GetBetween(item, QStringLiteral("\"photoId\":\""), QStringLiteral("\""));
    if (photoId.isEmpty())
        return url;
    QString page =
        FetchPage(QStringLiteral("%1/photo-%2/large?xtype=album").arg(owner, QueryValue(photoId)),
                  kRenrenTextFlags);
    const QString box = QStringLiteral("class=\"photoes-box\">");
    const qsizetype last = page.lastIndexOf(box);
    if (last < 1)
        return url;
    page = page.mid(last + box.size());
    const QString large = GetBetween(page, QStringLiteral("src=\""), QStringLiteral("\""));
    return large.isEmpty() ? url : large;
}

struct ListPicture {
    QString url; // "" when the item names none
    QString title;
};

// Reads the list pages of an album, n = 1, 2, ..., each picture asked for
// with its page as Referer. The list has no next-page marker: it is read
// until a page gives no picture, or none that was not seen (a page past the
// end may repeat the last one).
void ReadListPages(PictureContext& ctx, int albumIndex,
                   const std::function<QString(int n)>& pageAddress,
                   const std::function<ListPicture(QString item)>& picture) {
    PageWalk walk;
    for (int n = 1; walk.nextPage(); ++n) {
        const QString address = pageAddress(n);
        const QString text = FetchPage(address, kRenrenTextFlags);
        QStringList parts;
        if (text.isEmpty() || SplitBy(text, QStringLiteral("\"position\":"), parts) < 1)
            return;
        for (qsizetype i = 1; i < parts.size(); ++i) {
            const ListPicture found = picture(parts.at(i));
            if (!HandOverPicture(ctx, found.url, found.title, albumIndex, walk,
                                 RefererFor(address)))
                return;
        }
    }
}

// The album as the classic pages read it; nullopt when it has no address, or
// it is encrypted and the user would not give its password.
std::optional<AlbumInfo> OpenClassicAlbum(PictureContext& ctx, int albumIndex) {
    AlbumInfo album = ctx.album(albumIndex);
    if (album.key.isEmpty())
        return std::nullopt;
    if (IsEncrypted(album) &&
        !AskForAlbumPassword(ctx, JoinPath(album.key, QStringLiteral("private"))))
        return std::nullopt;
    return album;
}

} // namespace

void RenrenListPhotos(PictureContext& ctx, int albumIndex) {
    const AlbumInfo album = ctx.album(albumIndex);
    if (album.key.isEmpty())
        return;
    if (IsEncrypted(album))
        AskForAlbumPassword(ctx, album.key);
    ReadListPages(
        ctx, albumIndex,
        [&](int n) {
            return JoinPath(album.key, QStringLiteral("bypage/ajax/v7?page=%1&pageSize=40").arg(n));
        },
        [&](QString item) {
            return ListPicture{.url = Unslashed(GetBetween(item, QStringLiteral("url\":\""),
                                                           QStringLiteral("\""))),
                               .title = QString::number(ctx.listedCount() + 1)};
        });
}

void RenrenListPhotos2(PictureContext& ctx, int albumIndex) {
    std::optional<AlbumInfo> opened = OpenClassicAlbum(ctx, albumIndex);
    if (!opened)
        return;
    AlbumInfo album = *opened;
    QString base = album.key;
    CutAt(base, QStringLiteral("?"));
    ctx.session().setTextSlot(TextSlot::First, base);
    const QString pageName = AlbumPageName(FetchPage(album.key, kRenrenTextFlags));
    if (!pageName.isEmpty())
        album.name = pageName;
    ReadListPages(
        ctx, albumIndex,
        [&](int n) {
            return JoinPath(base, QStringLiteral("bypage/ajax?curPage=%1&pagenum=65535").arg(n));
        },
        [&](QString item) {
            ListPicture picture{.url = Unslashed(GetBetween(item, QStringLiteral("\"largeUrl\":\""),
                                                            QStringLiteral("\"")))};
            if (picture.url.isEmpty())
                return picture;
            picture.title = UnescapeUnicode(
                GetBetween(item, QStringLiteral("\"title\":\""), QStringLiteral("\"")));
            if (picture.title.isEmpty())
                picture.title = album.name;
            picture.url = LargePicture(album.key, item, picture.url);
            return picture;
        });
}

void RenrenListPhotos3(PictureContext& ctx, int albumIndex) {
    std::optional<AlbumInfo> opened = OpenClassicAlbum(ctx, albumIndex);
    if (!opened)
        return;
    AlbumInfo album = *opened;
    QString page = FetchPage(album.key, kRenrenTextFlags);
    const QString name = AlbumPageName(page);
    if (!name.isEmpty()) {
        album.name = name;
        ctx.session().albums.setName(albumIndex, name);
    }
    SkipTo(page, QStringLiteral("data-info=\"{album:'"));
    const QString link = GetBetween(page, QStringLiteral("href=\""), QStringLiteral("\""));
    ctx.session().setTextSlot(TextSlot::First, link);
    if (link.isEmpty())
        return;
    // The list answers with the pictures before the last one it named; only
    // positions below those already taken are new. A pass that adds nothing
    // ends the album, as the same answer would come again.
    int lowest = std::numeric_limits<int>::max();
    PageWalk walk;
    while (walk.nextPage()) {
        QString text = FetchPage(link, kRenrenTextFlags);
        if (SkipTo(text, QStringLiteral("\"list\":")) < 0)
            return;
        QStringList parts;
        SplitBy(text, QStringLiteral("\"position\":"), parts);
        for (qsizetype i = 1; i < parts.size(); ++i) {
            QString item = parts.at(i);
            const int position = LeadingNumber(TextBefore(item, QStringLiteral(",")), -1);
            if (position < 0 || position >= lowest)
                continue;
            lowest = position;
            QString title = UnescapeUnicode(
                GetBetween(item, QStringLiteral("\"originTitle\":\""), QStringLiteral("\"")));
            if (title.isEmpty())
                title = album.name;
            const QString large =
                GetBetween(item, QStringLiteral("\"largeurl\":\""), QStringLiteral("\""));
            ctx.session().setTextSlot(TextSlot::Second, large);
            QString url =
                GetBetween(item, QStringLiteral("\"xLargeUrl\":\""), QStringLiteral("\""));
            url = Unslashed(url.isEmpty() ? large : url);
            if (!HandOverPicture(ctx, url, title, albumIndex, walk, RefererFor(link)))
                return;
            if (position <= 1)
                return;
        }
    }
}

} // namespace phodex
