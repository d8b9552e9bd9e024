// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// The login a user made in the browser window, carried by the requests of
// the sites that are read as that browser reads them.
namespace phodex {

class JobContext;

// The browser's cookies for one site, as a request sends them itself.
struct BrowserCookies {
    QString text; // "a=1;b=2"; "" when the browser holds none for the site

    // headers with a "Cookie:" line after them (no blank after the colon,
    // as the sites have always been sent it); headers as they are without
    // cookies.
    QString appendTo(const QString& headers) const;
    // The Fetch flags that go with them: with a cookie line of its own the
    // request leaves the shared cookie jar alone, so that no cookie is sent
    // twice; without one the jar's cookies (a --cookies import) go.
    int fetchFlags() const;
};

// Asks the browser for its cookies for siteAddress. That is an address on
// the site ("https://host/..."), never a bare user name or id: the cookie
// store matches cookies by host and path.
BrowserCookies BrowserCookiesFor(JobContext& ctx, const QString& siteAddress);

} // namespace phodex
