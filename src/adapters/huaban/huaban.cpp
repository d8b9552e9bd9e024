// SPDX-License-Identifier: MIT
#include "adapters/common/adapterkit.h"
#include "adapters/common/browsercookies.h"
#include "adapters/huaban/huabanadapters.h"
#include "core/jobcontext.h"
#include "core/pagewalk.h"
#include "download/sanitizename.h"
#include "net/fetch.h"
#include "net/pacer.h"
#include "net/pagetext.h"
#include "text/markers.h"

#include <QStringList>

namespace phodex {

namespace {

constexpr int kHuabanTextFlags = 0x03;
// The API host answers a busy moment with a gateway page: the same page is
// asked again after a pause, a few times.
constexpr int kAttempts = 3;
constexpr qint64 kRetryPauseMs = 6000;
constexpr qint64 kHuabanPagePauseMs = 2000;

bool IsGatewayTimeout(const QString& text) {
    return text.indexOf(QStringLiteral("504 Gateway Time-out")) > 0;
}

// A pins page of the board on the API host; after is the id of the last
// pin read, "" for the first page.
QString PinsPage(const QString& boardKey, const QString& after) {
    QString address = boardKey + QStringLiteral("pins?limit=20");
    if (!after.isEmpty())
        address += QStringLiteral("&max=") + QueryValue(after);
    address.replace(QStringLiteral(".com/"), QStringLiteral(".com/boards/"));
    address.replace(QStringLiteral("://"), QStringLiteral("://api."));
    return address;
}

// The picture of a pin: its file key in the bucket's image host.
QString PinPicture(const QString& part) {
    QString text = part;
    const QString key = GetBetween(text, QStringLiteral("key\":\""), QStringLiteral("\""));
    const QString bucket =
        PlainHostName(GetBetween(text, QStringLiteral("bucket\":\""), QStringLiteral("\"")));
    if (key.isEmpty() || bucket.isEmpty())
        return QString();
    return QStringLiteral("https://") + bucket + u'.' + SiteHosts::get(HostRole::HuabanHost) +
           u'/' + QueryValue(key);
}

} // namespace

void HuabanListBoards(ListContext& ctx, const QString& address) {
    QString site = address;
    CutAt(site, QStringLiteral("boards/"));
    ctx.session().setTextSlot(TextSlot::Third, site);
    ctx.session().setTextSlot(TextSlot::First, QString());
    if (!address.contains(QStringLiteral("/boards/")))
        return;
    CUrlRequest request = PageRequest(GzipHeader());
    request.minLength = 100;
    request.attempts = 4;
    request.pauseSeconds = 4;
    const BrowserCookies cookies = BrowserCookiesFor(ctx, address);
    request.headers = cookies.appendTo(request.headers);
    request.url = address;
    CutAt(request.url, QStringLiteral("?"));
    CUrlResponse response;
    if (!Fetch(response, request, cookies.fetchFlags()))
        return;
    QString text = GetText(response, kHuabanTextFlags);
    SkipTo(text, QStringLiteral("app.page[\""));
    const QString board =
        GetBetween(text, QStringLiteral("board_id\":"), QStringLiteral(","), kConsume).trimmed();
    AlbumInfo album;
    album.name =
        JsonText(GetBetween(text, QStringLiteral("title\":\""), QStringLiteral("\""), kConsume));
    album.photoCount = LeadingNumber(
        GetBetween(text, QStringLiteral("pin_count\":"), QStringLiteral(","), kConsume));
    QString owner =
        JsonText(GetBetween(text, QStringLiteral("username\":\""), QStringLiteral("\""), kConsume));
    SanitizeName(owner, kNoFallbackNumber, true);
    ctx.session().setOwnerFolder(owner);
    // The id goes into the API addresses.
    if (!AllDigits(board))
        return;
    album.key = site + board + u'/';
    ctx.addAlbum(album);
}

void HuabanListPhotos(PictureContext& ctx, int albumIndex) {
    const AlbumInfo album = ctx.album(albumIndex);
    if (album.key.isEmpty())
        return;
    const QString headers = GzipHeader() + QStringLiteral("\r\nReferer: ") + album.key;
    CUrlRequest request = PageRequest(headers);
    CUrlResponse response;
    PageWalk walk;
    QString lastId;
    ctx.session().setTextSlot(TextSlot::Second, QString());
    int failures = 0;
    for (;;) {
        if (failures >= kAttempts)
            return;
        request.url = PinsPage(
            album.key, walk.pages() == 0 ? QString() : ctx.session().textSlot(TextSlot::Second));
        QString text = FetchText(response, request, kHuabanTextFlags);
        if (text.isEmpty() || IsGatewayTimeout(text)) {
            ++failures;
            pacer().sleepMs(kRetryPauseMs);
            continue;
        }
        failures = 0;
        if (!walk.nextPage())
            return;
        // The first pin is then preceded by the separator like the others.
        text.replace(QStringLiteral("\"pins\":[{"), QStringLiteral("\"pins\":[},{"));
        if (ctx.listedCount() >= album.photoCount)
            return;
        QStringList parts;
        if (SplitBy(text, QStringLiteral("},{\"pin_id\""), parts) < 1)
            return;
        for (qsizetype i = 1; i < parts.size(); ++i) {
            QString part = parts.at(i);
            const QString id =
                GetBetween(part, QStringLiteral(":"), QStringLiteral(","), kConsume).trimmed();
            ctx.session().setTextSlot(TextSlot::Second, id);
            if (id.isEmpty() || id == lastId)
                continue;
            lastId = id;
            const QString url = PinPicture(part);
            const QString title = JsonText(
                GetBetween(part, QStringLiteral("raw_text\":\""), QStringLiteral("\""), kConsume));
            if (!HandOverPicture(ctx, url, title, albumIndex, walk) ||
                ctx.listedCount() >= album.photoCount)
                return;
        }
        walk.notePage(text);
        pacer().sleepMs(kHuabanPagePauseMs);
    }
}

} // namespace phodex
