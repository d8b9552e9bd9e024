// SPDX-License-Identifier: MIT
#include "adapters/albums/albumadapters.h"
#include "adapters/common/adapterkit.h"
#include "adapters/common/privatealbum.h"
#include "core/jobcontext.h"
#include "core/pagewalk.h"
#include "download/sanitizename.h"
#include "net/fetch.h"
#include "net/pagetext.h"
#include "text/escapes.h"
#include "text/markers.h"

#include <QStringList>

namespace phodex {

namespace {

constexpr int kBaiduTextFlags = kTextInflate | kTextUtf8;

QString AlbumHost() {
    return SiteHosts::https(HostRole::BaiduAlbumHost);
}

QString Decoded(const QString& text) {
    return text.contains(QStringLiteral("\\u")) ? UnescapeUnicode(text) : text;
}

// The user page writes its albums as a script object; made to read like the
// service's items, the same markers find their values.
void ListUserPageAlbums(ListContext& ctx, const QString& user, PageWalk& walk, QString& lastKey) {
    QString page = FetchPage(AlbumHost() + QStringLiteral("u/") + QueryValue(user), kBaiduTextFlags,
                             QByteArrayLiteral("id=\"feedback\""));
    SkipTo(page, QStringLiteral("mobileAlbum:"));
    CutAt(page, QStringLiteral("userAlbumList"));
    page.replace(QStringLiteral("\":\""), QStringLiteral(": '"));
    page.replace(QStringLiteral("\",\""), QStringLiteral("',"));
    QStringList parts;
    SplitBy(page, QStringLiteral("create_time:"), parts);
    for (qsizetype i = 1; i < parts.size(); ++i) {
        QString item = parts.at(i);
        AlbumInfo album;
        album.key =
            Unslashed(GetBetween(item, QStringLiteral("album_sign: '"), QStringLiteral("'")));
        if (album.key.isEmpty() || !walk.isNew(album.key))
            continue;
        album.name =
            Decoded(GetBetween(item, QStringLiteral("album_name: '"), QStringLiteral("'")));
        album.photoCount = LeadingNumber(
            GetBetween(item, QStringLiteral("album_picture_total: '"), QStringLiteral("'")),
            album.photoCount);
        album.cover =
            Unslashed(GetBetween(item, QStringLiteral("picture_cover: '"), QStringLiteral("'")));
        lastKey = album.key;
        if (!ctx.addAlbum(album))
            return;
    }
}

// The picture list names a scaled copy; the original sits under the same
// file name in the host's "album/pic/item" folder. An address without that
// folder layout is kept as the service gave it.
QString OriginalPicture(const QString& url) {
    const qsizetype host = url.indexOf(QStringLiteral("://"));
    const qsizetype album = url.indexOf(QStringLiteral("/album/"), host < 0 ? 0 : host + 3);
    const qsizetype name = url.lastIndexOf(u'/');
    if (album < 0 || name <= album)
        return url;
    return url.first(album + 1) + QStringLiteral("album/pic/item") + url.mid(name);
}

} // namespace

void BaiduListAlbums(ListContext& ctx, const QString& user) {
    QString folder = user;
    SanitizeName(folder);
    ctx.session().setOwnerFolder(folder);
    PageWalk walk;
    QString lastKey;
    ListUserPageAlbums(ctx, user, walk, lastKey);
    if (ctx.stopRequested())
        return;
    // The service answers from the album after the one named; a reply that
    // brings no album not seen before ends the listing, as one repeating
    // itself would otherwise be asked for forever.
    const QString service = AlbumHost() + QStringLiteral("album/list/") + QueryValue(user);
    while (walk.nextPage()) {
        const QString text =
            FetchPage(service + QStringLiteral("?size=2000&album_type=0&album_sign=%1&_=%2")
                                    .arg(QueryValue(lastKey), RandomFraction()),
                      kBaiduTextFlags);
        QStringList parts;
        if (text.isEmpty() || SplitBy(text, QStringLiteral("\"picture_cover"), parts) < 1)
            return;
        for (qsizetype i = 1; i < parts.size(); ++i) {
            QString item = parts.at(i);
            AlbumInfo album;
            album.key = Unslashed(
                GetBetween(item, QStringLiteral("album_sign\":\""), QStringLiteral("\"")));
            if (album.key.isEmpty() || !walk.isNew(album.key))
                continue;
            album.cover = Unslashed(GetBetween(item, QStringLiteral(":\""), QStringLiteral("\"")));
            album.name = UnescapeUnicode(
                GetBetween(item, QStringLiteral("album_name\":\""), QStringLiteral("\"")));
            album.photoCount = LeadingNumber(
                GetBetween(item, QStringLiteral("picture_total\":"), QStringLiteral("\"")),
                album.photoCount);
            lastKey = album.key;
            if (!ctx.addAlbum(album))
                return;
        }
    }
}

void BaiduListPhotos(PictureContext& ctx, int albumIndex) {
    const AlbumInfo album = ctx.album(albumIndex);
    if (album.key.isEmpty())
        return;
    const QString list =
        AlbumHost() + QStringLiteral("picture/album/list/") + QueryValue(album.key);
    int listed = 0;
    ReadAlbumPages(ctx, album, list, [&](int, PageWalk& walk) -> std::optional<int> {
        CUrlRequest request = GzipPageRequest();
        request.url =
            list + QStringLiteral("?format=json&size=100&pn=%1&width=80&t=%2&resolution=1280")
                       .arg(listed)
                       .arg(RandomFraction());
        CUrlResponse response;
        // A page that did not arrive, an error page or an empty one says
        // nothing about whether the album is private.
        const bool received = Fetch(response, request, 0) && !IsErrorReply(response);
        const QString text = received ? GetText(response, kBaiduTextFlags) : QString();
        if (text.isEmpty())
            return std::nullopt;
        QStringList parts;
        SplitBy(text, QStringLiteral("picture_name"), parts);
        int onPage = 0;
        for (qsizetype i = 1; i < parts.size(); ++i) {
            QString item = parts.at(i);
            QString title =
                UnescapeUnicode(GetBetween(item, QStringLiteral("\":\""), QStringLiteral("\"")));
            if (title.isEmpty())
                title = album.name;
            const QString url =
                Unslashed(GetBetween(item, QStringLiteral("img_src\":\""), QStringLiteral("\"")));
            if (url.isEmpty())
                continue;
            ++onPage;
            ++listed;
            if (!HandOverPicture(ctx, OriginalPicture(url), title, albumIndex, walk))
                return std::nullopt;
        }
        return onPage;
    });
}

} // namespace phodex
