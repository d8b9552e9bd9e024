// SPDX-License-Identifier: MIT
#include "adapters/yupoo/yupookit.h"

#include "adapters/common/adapterkit.h"
#include "adapters/common/browsercookies.h"
#include "core/jobcontext.h"
#include "core/seams/browserbridge.h"
#include "core/seams/userprompt.h"
#include "net/fetch.h"
#include "net/pagetext.h"
#include "text/markers.h"

#include <QCoreApplication>

namespace phodex {

QString YupooPageHeaders(JobContext& ctx, const QString& page, const QString& cookieAddress) {
    return BrowserCookiesFor(ctx, cookieAddress)
        .appendTo(GzipHeader() + QStringLiteral("\r\nReferer: ") + page);
}

QString WithSchemeName(const QString& link) {
    return link.contains(QStringLiteral("http")) ? link : QStringLiteral("http:") + link;
}

QString FetchYupooPage(CUrlResponse& response, const CUrlRequest& request) {
    // The browser's cookies stand in for the shared jar's. Without them (a
    // browser not started yet) the jar's go, which hold the logins made in
    // the login window or imported from a cookie file.
    const bool browserCookies = request.headers.contains(QStringLiteral("\r\nCookie:"));
    if (!Fetch(response, request, browserCookies ? kFetchNoCookies : 0))
        return QString();
    return GetText(response, kYupooTextFlags);
}

namespace {

bool PassAlbumPassword(PictureContext& ctx, const AlbumInfo& album, CUrlResponse& response,
                       const CUrlRequest& request, QString& text) {
    if (!(album.flags & kAlbumEncrypted) ||
        text.indexOf(QStringLiteral("album_password\">访问密码")) <= 0)
        return true;
    if (!ctx.env.prompt.askYesNo(
            QCoreApplication::translate("phodex::Sites", "加密相册,是否输入密码"), PromptCaption()))
        return false;
    ctx.env.browser.loginAndWait(request.url, 0);
    text = FetchText(response, request, kYupooTextFlags);
    return !text.isEmpty();
}

} // namespace

QString ReadAlbumPage(PictureContext& ctx, const AlbumInfo& album, int page,
                      const AlbumDescriptionMarkers& markers, CUrlRequest& request,
                      QString& description) {
    request.headers = YupooPageHeaders(ctx, request.url, album.key);
    CUrlResponse response;
    QString text = FetchYupooPage(response, request);
    if (text.isEmpty() || page != 1)
        return text;
    if (!PassAlbumPassword(ctx, album, response, request, text))
        return QString();
    QString rest = text;
    description = GetBetween(rest, markers.start, markers.end, kConsume).trimmed();
    description.replace(QStringLiteral("<br />"), QStringLiteral("\r\n"));
    return text;
}

void KeepAlbumDescription(PictureContext& ctx, QString& description) {
    if (!description.isEmpty() && ctx.writeAlbumText(QStringLiteral("相册描述.txt"), description))
        description.clear();
}

} // namespace phodex
