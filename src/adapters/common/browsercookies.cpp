// SPDX-License-Identifier: MIT
#include "adapters/common/browsercookies.h"

#include "core/jobcontext.h"
#include "core/seams/browserbridge.h"
#include "net/urlrequest.h"

namespace phodex {

QString BrowserCookies::appendTo(const QString& headers) const {
    if (text.isEmpty())
        return headers;
    const QString line = QStringLiteral("Cookie:") + text;
    return headers.isEmpty() ? line : headers + QStringLiteral("\r\n") + line;
}

int BrowserCookies::fetchFlags() const {
    return text.isEmpty() ? 0 : kFetchNoCookies;
}

BrowserCookies BrowserCookiesFor(JobContext& ctx, const QString& siteAddress) {
    return BrowserCookies{ctx.env.browser.cookiesFor(siteAddress)};
}

} // namespace phodex
