// SPDX-License-Identifier: MIT
#include "adapters/common/adapterkit.h"
#include "adapters/common/browsercookies.h"
#include "adapters/instagram/instagramadapters.h"
#include "core/jobcontext.h"
#include "core/pagewalk.h"
#include "net/fetch.h"
#include "net/pacer.h"
#include "net/pagetext.h"
#include "text/escapes.h"
#include "text/markers.h"

#include <QStringList>

namespace phodex {

namespace {

constexpr int kInstagramTextFlags = kTextInflate | kTextUtf8;
// The query service limits how fast a profile's pages may be asked for.
constexpr qint64 kInstagramPagePauseMs = 3000;
const QString kQueryDoc = QStringLiteral("17991233890457762");

QString QueryAddress(const QString& profileId, const QString& after) {
    const QString variables =
        QStringLiteral("{\"id\":\"%1\",\"after\":\"%2\",\"first\":12}").arg(profileId, after);
    // The cursor is base64 text, whose "+" and "/" must reach the service
    // as they are.
    return SiteHosts::https(HostRole::InstagramHost, QStringLiteral("/graphql/query/?doc_id=") +
                                                         kQueryDoc + QStringLiteral("&variables=") +
                                                         QueryValue(variables));
}

QString QueryHeaders(const AlbumInfo& album) {
    return QStringLiteral("User-Agent: Mozilla/5.0 (Windows NT 5.1) AppleWebKit/537.36 (KHTML, "
                          "like Gecko) Chrome/30.0.1599.101 Safari/537.36\r\n"
                          "Accept-Encoding: gzip, deflate\r\n"
                          "Accept-Language:zh-CN,zh;q=0.8\r\n"
                          "X-IG-App-ID: %1\r\nReferer: %2")
        .arg(kInstagramWebAppId, album.key);
}

} // namespace

void InstagramListAlbums(ListContext& ctx, const QString& user) {
    const QString profile =
        ctx.session().textSlot(TextSlot::First) + QStringLiteral(".com/") + user;
    const BrowserCookies cookies = BrowserCookiesFor(ctx, profile);
    CUrlRequest request = PageRequest(cookies.appendTo(QString()));
    request.url = profile;
    CUrlResponse response;
    if (!Fetch(response, request, cookies.fetchFlags()))
        return;
    QString text = GetText(response, kInstagramTextFlags);
    const QString profileId =
        GetBetween(text, QStringLiteral("\"profile_id\":\""), QStringLiteral("\""), kConsume);
    ctx.session().setTextSlot(TextSlot::Third, profileId);
    ctx.session().setOwnerFolder(QString());
    ctx.session().setTextSlot(TextSlot::Second, user);
    AlbumInfo album;
    album.name = user;
    album.key = profile;
    album.photoCount = -1;
    ctx.addAlbum(album);
}

void InstagramListPhotos(PictureContext& ctx, int albumIndex) {
    const AlbumInfo album = ctx.album(albumIndex);
    const QString profileId = ctx.session().textSlot(TextSlot::Third);
    const BrowserCookies cookies = BrowserCookiesFor(ctx, album.key);
    CUrlRequest request = PageRequest(cookies.appendTo(QueryHeaders(album)));
    CUrlResponse response;
    QString after;
    PageWalk walk;
    while (walk.nextPage()) {
        request.url = QueryAddress(profileId, after);
        if (!Fetch(response, request, cookies.fetchFlags()))
            return;
        const QString text = GetText(response, kInstagramTextFlags);
        if (text.isEmpty())
            return;
        QString page = text;
        after =
            JsonText(GetBetween(page, QStringLiteral("\"end_cursor\":\""), QStringLiteral("\"")));
        QStringList parts;
        if (SplitBy(text, QStringLiteral("\"__typename\":"), parts) == 0)
            return;
        for (qsizetype i = 1; i < parts.size(); ++i) {
            QString item = parts.at(i);
            QString title =
                JsonText(GetBetween(item, QStringLiteral("\"id\":\""), QStringLiteral("\"")));
            QString url =
                GetBetween(item, QStringLiteral("\"video_url\":\""), QStringLiteral("\""));
            if (!url.isEmpty())
                title += QStringLiteral(".mp4");
            else
                url = GetBetween(item, QStringLiteral("\"display_url\":\""), QStringLiteral("\""));
            // A carousel shows its first picture as its own as well: each
            // address goes once, however often the pages repeat it.
            if (!HandOverPicture(ctx, JsonText(url), title, albumIndex, walk))
                return;
        }
        walk.notePage(text);
        pacer().sleepMs(kInstagramPagePauseMs);
        if (after.isEmpty())
            return;
    }
}

} // namespace phodex
