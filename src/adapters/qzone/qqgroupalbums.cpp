// SPDX-License-Identifier: MIT
#include "adapters/qzone/qqcommon.h"
#include "adapters/qzone/qqcookies.h"
#include "adapters/qzone/qzoneadapters.h"
#include "adapters/qzone/qzonetoken.h"
#include "core/jobcontext.h"
#include "core/pagewalk.h"
#include "core/seams/browserbridge.h"
#include "net/pagetext.h"
#include "text/markers.h"

#include <QStringList>

namespace phodex {

namespace {

constexpr int kAlbumsPerRequest = 36;

struct GroupViewer {
    QString uin;
    quint32 gtk = 0;
    QString pageToken;
};

QString AlbumListAddress(const QString& group, const GroupViewer& viewer, int start) {
    return QzoneProxyAddress(
        SiteHosts::get(HostRole::QqGroupPhotoHost),
        QString::asprintf(
            "/cgi-bin/upp/qun_list_album_v2?g_tk=%u&qzonetoken=%ls&callback=shine7_Callback&t="
            "947098911&qunId=%ls&uin=%ls&start=%d&num=36&getMemberRole=1&format=jsonp&platform="
            "qzone&inCharset=utf-8&outCharset=utf-8&source=qzone&callbackFun=shine7&_=%ls",
            viewer.gtk, qUtf16Printable(viewer.pageToken), qUtf16Printable(QueryValue(group)),
            qUtf16Printable(viewer.uin), start, qUtf16Printable(RandomFraction())));
}

AlbumInfo ParseGroupAlbum(QString part, const QString& group, const GroupViewer& viewer) {
    AlbumInfo album;
    album.info = GetBetween(part, QStringLiteral("createtime\" : \""), QStringLiteral("\""))
                     .replace(u':', QStringLiteral("："));
    album.cover = Unslashed(TextBefore(part, QStringLiteral("\"")));
    const QString id = GetBetween(part, QStringLiteral("\"id\" : \""), QStringLiteral("\""));
    album.key =
        QString::asprintf("qzonetoken=%ls&qunId=%ls&albumId=%ls&uin=%ls&hostUin=%ls&g_tk=%u",
                          qUtf16Printable(viewer.pageToken), qUtf16Printable(QueryValue(group)),
                          qUtf16Printable(QueryValue(id)), qUtf16Printable(viewer.uin),
                          qUtf16Printable(viewer.uin), viewer.gtk);
    album.name = GetBetween(part, QStringLiteral("\"title\" : \""), QStringLiteral("\""));
    album.photoCount = LeadingNumber(
        GetBetween(part, QStringLiteral("\"photocnt\" :"), QStringLiteral(","), kConsume), -1);
    return album;
}

bool NotLoggedIn(const QString& text) {
    return text.indexOf(QStringLiteral("message\":\"对不起，您尚未登录")) >= 1;
}

} // namespace

void QqGroupListAlbums(ListContext& ctx, const QString& group) {
    CUrlRequest request =
        PageRequest(GzipHeader() + QStringLiteral("\r\nReferer: ") +
                    SiteHosts::https(HostRole::QzoneProxyHost,
                                     QStringLiteral("/groupphoto/index?inqq=3&groupId=")) +
                    QueryValue(group));
    request.attempts = 3;
    request.pauseSeconds = 5;
    const QString cookies = QqCookieText(SiteHosts::https(HostRole::QzoneProxyHost));
    const GroupViewer viewer{QqGroupViewer(cookies),
                             QzoneToken(QzoneTokenSource(cookies, TokenCookie::PSkeyFirst)),
                             ctx.session().siteValues().value(kQzonePageTokenKey)};
    ctx.session().setTextSlot(TextSlot::First, viewer.uin);
    CUrlResponse response;
    PageWalk walk;
    for (int start = 0; walk.nextPage(); start += kAlbumsPerRequest) {
        request.url = AlbumListAddress(group, viewer, start);
        const QString text = FetchText(response, request, kTextInflate | kTextUtf8);
        QStringList parts;
        if (text.isEmpty() || NotLoggedIn(text) ||
            SplitBy(text, QStringLiteral("\"coverurl\" : \""), parts) == 0)
            return;
        for (qsizetype i = 1; i < parts.size(); ++i) {
            const AlbumInfo album = ParseGroupAlbum(parts.at(i), group, viewer);
            if (!walk.isNew(album.key) || album.name.isEmpty())
                continue;
            if (!ctx.addAlbum(album))
                return;
        }
    }
}

} // namespace phodex
