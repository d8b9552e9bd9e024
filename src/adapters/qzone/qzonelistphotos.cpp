// SPDX-License-Identifier: MIT
#include "adapters/qzone/qqcommon.h"
#include "adapters/qzone/qqcookies.h"
#include "adapters/qzone/qzoneadapters.h"
#include "adapters/qzone/qzonephotopart.h"
#include "adapters/qzone/qzoneroute.h"
#include "adapters/qzone/qzonetoken.h"
#include "adapters/qzone/shuoshuo.h"
#include "core/jobcontext.h"
#include "core/pagewalk.h"
#include "net/pacer.h"
#include "net/pagetext.h"
#include "text/markers.h"

#include <QStringList>

namespace phodex {

namespace {

constexpr int kPhotosPerPage = 400;
constexpr qint64 kAfterLoginMs = 3000;

QString PhotoListAddress(const QString& photoHost, const QString& key, int page, int requests) {
    const QString cookies = QqCookieText(SiteHosts::https(HostRole::QzonePortalHost));
    const QString uin = QzoneViewerUin(cookies, true);
    const quint32 gtk = QzoneToken(QzoneTokenSource(cookies, TokenCookie::PSkeyFirst));
    const int t = int(ClockValue() + 1000000u * quint32(requests + 1));
    QString query = QString::asprintf(
        "t=%d&mode=0&%ls&noTopic=0&uin=%ls&pageStart=%d&pageNum=400&skipCmtCount=0&singleurl=1&"
        "batchId=&notice=0&appid=4&inCharset=utf-8&outCharset=utf-8&source=qzone&plat=qzone&"
        "outstyle=json&format=jsonp&json_esc=1&question=&answer=&callbackFun=shine0&g_tk=%u",
        t, qUtf16Printable(key), qUtf16Printable(uin), kPhotosPerPage * page, gtk);
    return QzoneProxyAddress(photoHost, QStringLiteral("/fcgi-bin/cgi_list_photo?") + query)
        .replace(QStringLiteral("albumid="), QStringLiteral("topicId="));
}

bool HasAllPictures(const PictureContext& ctx, const AlbumInfo& album) {
    return album.photoCount >= 0 && ctx.listedCount() >= album.photoCount;
}

} // namespace

void QzoneListPhotos(PictureContext& ctx, int albumIndex) {
    const AlbumInfo album = ctx.album(albumIndex);
    if (album.cover == QString::fromUtf16(kShuoshuoCover)) {
        QzoneListMoodPhotos(ctx, albumIndex);
        return;
    }
    const QString photoHost = StoredQzoneRoute(ctx.session()).photoHost;
    CUrlRequest request = PageRequest(GzipHeader() + QStringLiteral("\r\nReferer: ") +
                                      QzoneUserHome(ctx.session().addressText()));
    request.attempts = 3;
    request.pauseSeconds = 5;
    CUrlResponse response;
    PageWalk walk;
    bool asked = false;
    for (int page = 0, requests = 0; !HasAllPictures(ctx, album) && walk.nextPage();) {
        request.url = PhotoListAddress(photoHost, album.key, page++, requests++);
        const QString text = FetchText(response, request, kTextInflate | kTextUtf8OrGbk);
        if (text.isEmpty())
            return;
        if (QzoneAlbumRefused(text) && (album.flags & kAlbumEncrypted) && !asked) {
            asked = true;
            if (AskQzoneAlbumPassword(ctx, album.key)) {
                pacer().sleepMs(kAfterLoginMs);
                --page; // the same page again, now with the login
                walk = PageWalk();
                continue;
            }
        }
        QStringList parts;
        if (SplitBy(text, QStringLiteral("\"batchId\""), parts) == 0 ||
            !AddQzonePhotos(ctx, parts, albumIndex, walk, PhotoService::Current))
            return;
        pacer().sleepMs((20 + page) * 200);
    }
}

} // namespace phodex
