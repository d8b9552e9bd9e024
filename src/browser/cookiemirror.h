// SPDX-License-Identifier: MIT
#pragma once

#include "net/cookiejar.h"

#include <QHash>
#include <QObject>

#include <memory>

class QWebEngineCookieStore;

namespace phodex {

// Keeps the browser profile's cookie store and the process's cookie jar
// equal: what a page sets (HttpOnly cookies too) is in the jar at once, so
// the engine's next request carries it and the jar's file keeps it for the
// next run; what the jar holds or receives (a cookies.txt import, a reply to
// the engine) is set in the browser. Lives on the browser's thread; the jar
// may change on any thread.
class CookieMirror : public QObject {
    Q_OBJECT
public:
    CookieMirror(QWebEngineCookieStore* store, CookieJar& jar, QObject* parent = nullptr);
    ~CookieMirror() override;

private:
    struct Relay;

    void browserAdded(const QNetworkCookie& cookie);
    void browserRemoved(const QNetworkCookie& cookie);
    void jarChanged(const QNetworkCookie& cookie, CookieChange change);
    void pushToBrowser(const QNetworkCookie& cookie);

    QWebEngineCookieStore* m_store;
    CookieJar& m_jar;
    std::shared_ptr<Relay> m_relay;
    int m_listener = 0;
    // The jar is being changed on the browser's behalf: its notice is no news.
    bool m_fromBrowser = false;
    // Cookies set in the browser whose echo has not come back yet, by key.
    // Chromium reports every set as a removal of the cookie it replaces
    // followed by the new one; without this the removal would reach the jar.
    QHash<QString, QByteArray> m_pushed;
};

} // namespace phodex
