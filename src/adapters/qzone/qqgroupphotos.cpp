// SPDX-License-Identifier: MIT
#include "adapters/common/adapterkit.h"
#include "adapters/qzone/qqcommon.h"
#include "adapters/qzone/qzoneadapters.h"
#include "adapters/qzone/qzonephotopart.h"
#include "core/jobcontext.h"
#include "core/pagewalk.h"
#include "net/pagetext.h"
#include "text/markers.h"

#include <QStringList>

namespace phodex {

namespace {

constexpr int kPhotosPerRequest = 500;

QString PhotoListAddress(const QString& key, int start) {
    return QzoneProxyAddress(
        SiteHosts::get(HostRole::QqGroupPhotoHost),
        QString::asprintf(
            "/cgi-bin/upp/qun_list_photo_v2?callback=shine4_Callback&t=507118553&getCommentCnt=0&"
            "getMemberRole=1&getalbum=1&format=jsonp&platform=qzone&inCharset=utf-8&outCharset="
            "utf-8&source=qzone&callbackFun=shine4&%ls&_=%ls&start=%d&num=500",
            qUtf16Printable(key), qUtf16Printable(RandomFraction()), start));
}

// The original upload, else the high-definition rendition, else the big
// one at its 800 size.
QString GroupPhotoAddress(const QString& part) {
    QString text = part;
    QString address = GetBetween(text, QStringLiteral("\"rawurl\" : \""), QStringLiteral("\""));
    if (address.isEmpty())
        address = GetBetween(text, QStringLiteral("\"hdurl\" : \""), QStringLiteral("\""));
    if (address.isEmpty()) {
        address = GetBetween(text, QStringLiteral("\"burl\" : \""), QStringLiteral("\""));
        if (address.isEmpty())
            return QString();
        address += QStringLiteral("/800");
    }
    return Unslashed(address)
        .replace(QStringLiteral("/200/"), QStringLiteral("/"))
        .replace(QStringLiteral("/200?"), QStringLiteral("/800?"));
}

} // namespace

void QqGroupListPhotos(PictureContext& ctx, int albumIndex) {
    const AlbumInfo album = ctx.album(albumIndex);
    CUrlRequest request =
        PageRequest(GzipHeader() + QStringLiteral("\r\nReferer: ") +
                    SiteHosts::https(HostRole::QqGroupHost, QStringLiteral("/group")));
    request.attempts = 3;
    request.pauseSeconds = 5;
    CUrlResponse response;
    PageWalk walk;
    const int titleMode = ctx.extension().qzoneTitleMode;
    for (int start = 0; walk.nextPage(); start += kPhotosPerRequest) {
        request.url = PhotoListAddress(album.key, start);
        const QString text = FetchText(response, request, kTextInflate | kTextUtf8);
        QStringList parts;
        if (text.isEmpty() || SplitBy(text, QStringLiteral("\"bheight\""), parts) == 0)
            return;
        for (qsizetype i = 1; i < parts.size(); ++i) {
            if (!HandOverPicture(ctx, GroupPhotoAddress(parts.at(i)),
                                 QzonePhotoTitle(parts.at(i), titleMode), albumIndex, walk))
                return;
        }
    }
}

} // namespace phodex
