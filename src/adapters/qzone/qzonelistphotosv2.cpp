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
#include "net/pagetext.h"
#include "text/markers.h"

#include <QFileInfo>
#include <QStringList>

namespace phodex {

namespace {

constexpr int kPhotosPerPageV2 = 500;

// The file in the work folder that keeps protected albums on the paged list
// service instead of the view-album one.
const QString kListProtectedMarker = QStringLiteral("Q2.txt");

struct Viewer {
    quint32 gtk = 0;
    QString uin;
};

Viewer CurrentViewer() {
    const QString cookies = QqCookieText(SiteHosts::https(HostRole::QzoneUserHost));
    return Viewer{QzoneToken(QzoneTokenSource(cookies, TokenCookie::SkeyOnly)),
                  QzoneViewerUin(cookies, false)};
}

QString ViewAlbumAddress(const QzoneRoute& route, const QString& key, const Viewer& viewer) {
    QString address =
        QStringLiteral("http://") + route.viewHost +
        QString::asprintf("/cgi-bin/common/cgi_view_album_v2?inCharset=gbk&outCharset=gbk&"
                          "format=jsonp&plat=qzone&source=qzone&%ls&t=%ls&g_tk=%u&uin=%ls",
                          qUtf16Printable(key), qUtf16Printable(RandomFraction()), viewer.gtk,
                          qUtf16Printable(viewer.uin));
    return address.replace(QStringLiteral("albumid="), QStringLiteral("albumId="));
}

QString PhotoListAddress(const QzoneRoute& route, const QString& key, const Viewer& viewer, int n) {
    QString address =
        QStringLiteral("http://") + route.listHost +
        QString::asprintf(
            "/fcgi-bin/cgi_list_photo?g_tk=%u&callback=shine0_Callback&mode=0&%ls&noTopic=0&"
            "uin=%ls&pageStart=%d&pageNum=500&singleurl=1&notice=0&appid=4&inCharset=gbk&"
            "outCharset=gbk&source=qzone&plat=qzone&outstyle=json&format=jsonp&json_esc=1&"
            "callbackFun=shine0&_=%ls",
            viewer.gtk, qUtf16Printable(key), qUtf16Printable(viewer.uin), kPhotosPerPageV2 * n,
            qUtf16Printable(RandomFraction()));
    return address.replace(QStringLiteral("albumid="), QStringLiteral("topicId="));
}

} // namespace

void QzoneListPhotosV2(PictureContext& ctx, int albumIndex) {
    const AlbumInfo album = ctx.album(albumIndex);
    if (album.cover == QString::fromUtf16(kShuoshuoCover))
        return;
    const QzoneRoute route = StoredQzoneRoute(ctx.session());
    CUrlRequest request = PageRequest(GzipHeader() + QStringLiteral("\r\nReferer: ") +
                                      QzoneUserHome(ctx.session().addressText()));
    const bool viewProtected =
        album.flags != 0 && !QFileInfo::exists(ctx.session().workDir + kListProtectedMarker);
    CUrlResponse response;
    PageWalk walk;
    bool viewMode = false;
    bool asked = false;
    for (int n = 0; walk.nextPage();) {
        const Viewer viewer = CurrentViewer();
        const bool view = viewMode || viewProtected;
        request.url = view ? ViewAlbumAddress(route, album.key, viewer)
                           : PhotoListAddress(route, album.key, viewer, n++);
        const QString text = FetchText(response, request, kTextInflate | kTextUtf8OrGbk);
        if (text.isEmpty())
            return;
        if (QzoneAlbumRefused(text) && (album.flags & kAlbumEncrypted) && !asked) {
            asked = true;
            AskQzoneAlbumPassword(ctx, album.key);
        }
        QStringList parts;
        if (SplitBy(text, QStringLiteral("\"batchId\""), parts) == 0) {
            if (view || ctx.listedCount() > 0)
                return;
            viewMode = true; // one try on the view-album service
            walk = PageWalk();
            continue;
        }
        if (!AddQzonePhotos(ctx, parts, albumIndex, walk, PhotoService::Older) || view)
            return;
    }
}

} // namespace phodex
