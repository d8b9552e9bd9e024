// SPDX-License-Identifier: MIT
#include "net/webops.h"

#include "net/cookiejar.h"
#include "net/fetch.h"

#include <QUrl>

namespace phodex {

QString GetCookies(const QString& url) {
    const QUrl parsed(url);
    if (!parsed.isValid() || parsed.host().isEmpty())
        return QString();
    return QString::fromUtf8(CookieJar::instance().cookieHeaderFor(parsed));
}

bool DownloadToFile(const QString& url, const QString& headers, const QString& path) {
    CUrlRequest request(url, path, 20000);
    request.headers = headers;
    CUrlResponse response;
    return Fetch(response, request, 0);
}

} // namespace phodex
