// SPDX-License-Identifier: MIT
#include "net/cookiestore.h"

#include <QDateTime>
#include <QUrl>

namespace phodex {

namespace {

bool isExpired(const QNetworkCookie& cookie, const QDateTime& now) {
    return !cookie.isSessionCookie() && cookie.expirationDate() <= now;
}

} // namespace

std::optional<CookieChangeEvent> CookieStore::put(QNetworkCookie cookie, const QUrl& origin) {
    if (origin.host().isEmpty())
        return std::nullopt;
    cookie.normalize(origin);
    if (!validateCookie(cookie, origin))
        return std::nullopt;
    QList<QNetworkCookie> cookies = allCookies();
    const auto same = std::find_if(cookies.begin(), cookies.end(), [&](const QNetworkCookie& c) {
        return c.hasSameIdentifier(cookie);
    });
    if (isExpired(cookie, QDateTime::currentDateTimeUtc())) {
        // A server deletes a cookie by sending it already expired.
        if (same == cookies.end())
            return std::nullopt;
        CookieChangeEvent removed{*same, CookieChange::Removed};
        cookies.erase(same);
        setAllCookies(cookies);
        return removed;
    }
    if (same != cookies.end()) {
        if (*same == cookie)
            return std::nullopt;
        *same = cookie;
    } else {
        cookies.append(cookie);
    }
    setAllCookies(cookies);
    return CookieChangeEvent{cookie, CookieChange::Added};
}

std::optional<CookieChangeEvent> CookieStore::adopt(QNetworkCookie cookie, const QUrl& origin) {
    if (cookie.domain().isEmpty())
        return put(cookie, origin);
    const QUrl from = cookieOrigin(cookie);
    // normalize() would turn a bare domain into a domain cookie; without one
    // it takes the origin's host, which keeps the cookie host-only.
    if (!cookie.domain().startsWith(u'.'))
        cookie.setDomain(QString());
    return put(cookie, from);
}

std::optional<CookieChangeEvent> CookieStore::take(const QNetworkCookie& cookie) {
    QList<QNetworkCookie> cookies = allCookies();
    const auto same = std::find_if(cookies.begin(), cookies.end(), [&](const QNetworkCookie& c) {
        return c.hasSameIdentifier(cookie);
    });
    if (same == cookies.end())
        return std::nullopt;
    CookieChangeEvent removed{*same, CookieChange::Removed};
    cookies.erase(same);
    setAllCookies(cookies);
    return removed;
}

QList<QNetworkCookie> CookieStore::liveCookies() const {
    const QDateTime now = QDateTime::currentDateTimeUtc();
    QList<QNetworkCookie> live;
    for (const QNetworkCookie& cookie : allCookies()) {
        if (!isExpired(cookie, now))
            live.append(cookie);
    }
    return live;
}

QUrl cookieOrigin(const QNetworkCookie& cookie) {
    QString host = cookie.domain();
    // A domain cookie comes from a host below its domain. Were the host the
    // domain itself, the public-suffix check would let ".com" through.
    if (host.startsWith(u'.'))
        host.prepend(u'a');
    QUrl origin;
    origin.setScheme(cookie.isSecure() ? QStringLiteral("https") : QStringLiteral("http"));
    origin.setHost(host);
    origin.setPath(cookie.path().isEmpty() ? QStringLiteral("/") : cookie.path());
    return origin;
}

} // namespace phodex
