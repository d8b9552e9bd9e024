// SPDX-License-Identifier: MIT
#pragma once

#include "net/cookiejar.h"

#include <QNetworkCookieJar>

#include <optional>

// The cookie rules of QtNetwork (domain and public-suffix checks, path and
// secure matching, expiry) with the access CookieJar needs. Not thread-safe:
// CookieJar serialises every call.
namespace phodex {

struct CookieChangeEvent {
    QNetworkCookie cookie;
    CookieChange change;
};

class CookieStore : public QNetworkCookieJar {
public:
    // Normalises the cookie against `origin` and stores it when valid for
    // it. Only a real change is reported: storing an identical cookie again
    // reports nothing, an expired one removes the stored cookie of that name.
    std::optional<CookieChangeEvent> put(QNetworkCookie cookie, const QUrl& origin);
    // A cookie from another store or a file, which carries its domain: a
    // leading dot makes it a domain cookie, none a host-only one. `origin` is
    // used only when the cookie has no domain.
    std::optional<CookieChangeEvent> adopt(QNetworkCookie cookie, const QUrl& origin);
    // Removes the cookie with the same name, domain and path.
    std::optional<CookieChangeEvent> take(const QNetworkCookie& cookie);
    // Every stored cookie that has not expired.
    QList<QNetworkCookie> liveCookies() const;
};

// The address a cookie could have come from, for cookies that arrive without
// one (a browser's store, a cookies.txt file).
QUrl cookieOrigin(const QNetworkCookie& cookie);

} // namespace phodex
