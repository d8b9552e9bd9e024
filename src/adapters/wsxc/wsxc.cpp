// SPDX-License-Identifier: MIT
#include "adapters/common/adapterkit.h"
#include "adapters/common/browsercookies.h"
#include "adapters/wsxc/wsxcadapters.h"
#include "core/jobcontext.h"
#include "core/pagewalk.h"
#include "core/seams/browserbridge.h"
#include "net/fetch.h"
#include "net/pacer.h"
#include "net/pagetext.h"
#include "text/escapes.h"
#include "text/markers.h"

#include <QCryptographicHash>
#include <QStringList>

namespace phodex {

namespace {

// The service's answer while it wants the shop page to have run its script
// (or a login) first.
const QString kVerifyMarker = QStringLiteral("系统优化");
// The window the site's verification opens closes itself after this many
// seconds: the page only needs to run.
constexpr int kVerifyWindowMode = 4;

QString ListingAddress(const QString& host, const QString& shopId, int page,
                       const QString& cursor) {
    QString address = QStringLiteral("https://") + host +
                      QStringLiteral("/album/personal/all?&albumId=") + QueryValue(shopId) +
                      QStringLiteral("&searchValue=&searchImg=&startDate=&endDate=&sourceId=");
    if (page > 0)
        address += QStringLiteral("&slipType=1&timestamp=") + QueryValue(cursor);
    return address + QStringLiteral("&requestDataType=");
}

QString ListingHeaders(const QString& referer) {
    return QStringLiteral("Content-Type: application/x-www-form-urlencoded; charset=UTF-8\r\n"
                          "wego-channel: net\r\nwego-staging: 0\r\nX-Requested-With: "
                          "XMLHttpRequest\r\nAccept: text/html,application/xhtml+xml,application/"
                          "xml;q=0.9,image/webp,image/apng,*/*;q=0.8\r\nAccept-Encoding: gzip, "
                          "deflate\r\nReferer: ") +
           referer;
}

// A post as the walk tells posts apart: pages the service repeats repeat
// their posts' texts exactly.
QString PostIdentity(const QString& post) {
    return QString::fromLatin1(
        QCryptographicHash::hash(post.toUtf8(), QCryptographicHash::Sha1).toHex());
}

// One post of a listing page; false when the listing is to end (stop).
bool AddPost(ListContext& ctx, QString post) {
    AlbumInfo album;
    album.key = GetBetween(post, QStringLiteral("\"imgsSrc\":["), QStringLiteral("]"));
    if (album.key.isEmpty())
        return !ctx.stopRequested();
    album.cover = GetBetween(post, QStringLiteral("imgs\":[\""), QStringLiteral("\""));
    album.info = GetBetween(post, QStringLiteral("\"title\":\""), QStringLiteral("\""))
                     .replace(QStringLiteral("\\n"), QStringLiteral("\r\n"));
    album.extra = GetBetween(post, QStringLiteral("videoUrl\":\""), QStringLiteral("\""));
    album.name = album.info;
    album.photoCount = -1;
    return ctx.addAlbum(album);
}

// The text of one listing page; "" when the listing is to end. Page 0 may
// first be answered with the site's verification notice: the shop page is
// then opened once in a window of its own, and the page asked again.
QString ReadListingPage(ListContext& ctx, CUrlRequest& request, int fetchFlags, int page,
                        const QString& address) {
    request.url = address;
    CUrlResponse response;
    for (bool prompted = false;;) {
        // The service turns away clients that page faster than its own pages.
        pacer().sleepMs((page % 3) * 1000);
        if (!Fetch(response, request, fetchFlags))
            return QString();
        const QString text = GetText(response, kTextInflate | kTextUtf8);
        if (page > 0 || text.indexOf(kVerifyMarker) <= 0)
            return text;
        if (prompted)
            return QString();
        prompted = true;
        ctx.env.browser.loginAndWait(ctx.session().textSlot(TextSlot::Second), kVerifyWindowMode);
    }
}

} // namespace

QString WsxcAddress(const QString& quoted) {
    QString address = UnescapeUnicode(quoted);
    address.remove(u'"').remove(u'\\');
    return address.trimmed();
}

void WsxcListAlbums(ListContext& ctx, const QString& shopId) {
    ctx.session().setOwnerFolder(shopId);
    const QString shopAddress = ctx.session().textSlot(TextSlot::Second);
    QString referer = shopAddress;
    CutAt(referer, QStringLiteral("#"));
    QString hostText = shopAddress;
    // Every request goes to the shop's own host, so it must be a host and no more.
    const QString host =
        PlainHostName(GetBetween(hostText, QStringLiteral("://"), QStringLiteral("/")));
    if (host.isEmpty() || shopId.isEmpty())
        return;

    CUrlRequest request = PageRequest(ListingHeaders(referer));
    // What the shop page's script left in the browser is what the service
    // checks; the shared cookie store then stays out of these requests.
    const BrowserCookies cookies = BrowserCookiesFor(ctx, shopAddress);
    request.headers = cookies.appendTo(request.headers);
    const int fetchFlags = cookies.fetchFlags();

    PageWalk walk;
    for (int page = 0; walk.nextPage(); ++page) {
        const QString cursor = ctx.session().textSlot(TextSlot::First);
        const QString text = ReadListingPage(ctx, request, fetchFlags, page,
                                             ListingAddress(host, shopId, page, cursor));
        if (text.isEmpty())
            return;
        QStringList posts;
        if (SplitBy(text, QStringLiteral("\"digital_watermark\":"), posts) < 1)
            return;
        for (qsizetype i = 1; i < posts.size(); ++i) {
            QString post = posts.at(i);
            // A repeated post neither moves the cursor nor is listed twice.
            if (!walk.isNew(PostIdentity(post)))
                continue;
            // The cursor moves past every post, pictures or not, so that a
            // page of posts without pictures does not ask for itself again.
            const QString stamp =
                GetBetween(post, QStringLiteral("time_stamp\":"), QStringLiteral(",")).trimmed();
            if (!stamp.isEmpty())
                ctx.session().setTextSlot(TextSlot::First, stamp);
            if (!AddPost(ctx, post))
                return;
        }
        walk.notePage(text);
    }
}

void WsxcListPhotos(PictureContext& ctx, int albumIndex) {
    const AlbumInfo album = ctx.album(albumIndex);
    PageWalk walk;
    if (!album.extra.isEmpty()) {
        // A video post: the video is what the post shows, its pictures are its stills.
        HandOverPicture(ctx, WsxcAddress(album.extra),
                        QStringLiteral("%1.mp4").arg(ctx.listedCount() + 1), albumIndex, walk);
    } else {
        QStringList parts;
        SplitBy(album.key + u',', QStringLiteral(","), parts);
        for (const QString& part : parts) {
            const QString address = WsxcAddress(part);
            if (address.isEmpty())
                continue;
            if (!HandOverPicture(ctx, address, QStringLiteral("%1.jpg").arg(ctx.listedCount() + 1),
                                 albumIndex, walk))
                break;
        }
    }
    if (!album.info.isEmpty())
        ctx.writeAlbumText(QStringLiteral("图片描述.txt"), album.info);
}

} // namespace phodex
