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
    QString text = ctx.env.browser.cookiesFor(siteAddress);
    // The text becomes one header line: a line break in it would start another.
    text.remove(u'\r').remove(u'\n');
    return BrowserCookies{text};
}

} // namespace phodex
