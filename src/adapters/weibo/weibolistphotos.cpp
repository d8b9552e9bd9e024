// SPDX-License-Identifier: MIT
#include "adapters/common/adapterkit.h"
#include "adapters/weibo/weiboadapters.h"
#include "core/jobcontext.h"
#include "core/pagewalk.h"
#include "net/pacer.h"
#include "net/pagetext.h"
#include "text/escapes.h"
#include "text/markers.h"

#include <QStringList>

#include <limits>

namespace phodex {

namespace {

constexpr qint64 kPicturesPerPage = 32;
// The service answers a page with no pictures now and then although the
// album goes on: the same page is asked for again after a pause, and a
// second empty answer moves on to the next page after a shorter one.
constexpr qint64 kWeiboRetryPageMs = 3000;
constexpr qint64 kSkipPageMs = 1500;

QString PictureTitle(const QString& part, const QString& albumName) {
    QString text = part;
    const QString title = StripTags(UnescapeUnicode(
        GetBetween(text, QStringLiteral("\"caption\":\""), QStringLiteral("\",\""))));
    return title.isEmpty() ? albumName : title;
}

// host and path with exactly one "/" between them, however the service
// wrote the host.
QString UnderHost(QString host, const QString& path) {
    while (host.endsWith(u'/'))
        host.chop(1);
    return host + u'/' + path;
}

// The original upload when the service names one; else the address made
// from the picture's host and name: older uploads ("pic_type" 0) sit under
// the owner's id in the 180 size, the others in the large size. "" when the
// part names no picture.
QString WeiboPictureAddress(const QString& part, const QString& uid) {
    QString text = part;
    QString url =
        GetBetween(text, QStringLiteral("original_pic\":\""), QStringLiteral("\""), kConsume);
    if (url.isEmpty()) {
        const QString type = GetBetween(text, QStringLiteral("pic_type\":"), QStringLiteral(","));
        const QString name =
            GetBetween(text, QStringLiteral("pic_name\":\""), QStringLiteral("\""));
        const QString host =
            Unslashed(GetBetween(text, QStringLiteral("pic_host\":\""), QStringLiteral("\"")));
        if (name.isEmpty() || host.isEmpty())
            return QString();
        url = type == u"0" ? UnderHost(host, uid + QStringLiteral("/180/") + name)
                           : UnderHost(host, QStringLiteral("large/") + name);
    }
    return Unslashed(url);
}

} // namespace

void WeiboListPhotos(PictureContext& ctx, int albumIndex) {
    const AlbumInfo album = ctx.album(albumIndex);
    if (album.key.isEmpty())
        return;
    const QString uid = ctx.session().siteValues().value(kWeiboUidKey);
    CUrlRequest request = PageRequest(GzipHeader() + QStringLiteral("\r\nReferer: ") +
                                      SiteHosts::https(HostRole::WeiboPhotoHost) + uid +
                                      QStringLiteral("/talbum/index?from=profile_wb"));
    request.attempts = 3;
    request.pauseSeconds = 4;
    // The pages the album's count calls for: empty pages before the last
    // of them are short pages of the service, not the album's end.
    const qint64 needed = (qint64(album.photoCount) + kPicturesPerPage - 1) / kPicturesPerPage;
    CUrlResponse response;
    // No page cap: the walk is bounded by the count and by pages that bring
    // nothing new, as when the service repeats its last page.
    PageWalk walk(std::numeric_limits<int>::max());
    qint64 page = 0;
    bool retried = false;
    while (ctx.keepListing()) {
        const qint64 p = page + 1;
        request.url = album.key + QString::number(p) + QStringLiteral("&_rnd=") + RandomFraction();
        const QString text = FetchText(response, request, kTextInflate | kTextUtf8);
        if (text.isEmpty())
            return;
        QStringList parts;
        if (SplitBy(text, QStringLiteral("album_id\":"), parts) < 2) {
            if (p >= needed)
                return;
            pacer().sleepMs(retried ? kSkipPageMs : kWeiboRetryPageMs);
            if (retried)
                page = p;
            retried = !retried;
            continue;
        }
        // Every page gets its own second chance.
        retried = false;
        if (!walk.nextPage())
            return;
        // The text after the first separator is the album's own record.
        for (qsizetype i = 2; i < parts.size(); ++i) {
            const QString& part = parts.at(i);
            if (!HandOverPicture(ctx, WeiboPictureAddress(part, uid),
                                 PictureTitle(part, album.name), albumIndex, walk))
                return;
        }
        // Records without an address (removed pictures) are still the
        // album's next page, unless the service sends that page again.
        walk.notePage(text);
        page = p;
    }
}

} // namespace phodex
