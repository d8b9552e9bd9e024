// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QUrl>

// The one cookie store of the process, shared by the request engine, the
// embedded browser and the adapters. Thread-safe.
namespace phodex {

class CookieJar {
public:
    static CookieJar& instance();

    // The Cookie header value ("a=1; b=2") to send to this address; empty when none match.
    QByteArray cookieHeaderFor(const QUrl& url) const;
    // Stores the cookies of one Set-Cookie header value received from this address.
    void storeSetCookie(const QUrl& url, const QByteArray& setCookieValue);
};

} // namespace phodex
