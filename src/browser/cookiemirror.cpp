// SPDX-License-Identifier: MIT
#include "browser/cookiemirror.h"

#include "net/cookiestore.h"

#include <QThread>
#include <QWebEngineCookieStore>

#include <mutex>

namespace phodex {
namespace {

QString CookieKey(const QNetworkCookie& cookie) {
    const QString path = cookie.path().isEmpty() ? QStringLiteral("/") : cookie.path();
    return QString::fromLatin1(cookie.name()) + u'\n' + cookie.domain() + u'\n' + path;
}

} // namespace

// Lets jar listeners on other threads reach the mirror only while it exists.
struct CookieMirror::Relay {
    std::mutex mutex;
    CookieMirror* mirror = nullptr;
};

CookieMirror::CookieMirror(QWebEngineCookieStore* store, CookieJar& jar, QObject* parent)
    : QObject(parent), m_store(store), m_jar(jar), m_relay(std::make_shared<Relay>()) {
    m_relay->mirror = this;
    connect(store, &QWebEngineCookieStore::cookieAdded, this, &CookieMirror::browserAdded);
    connect(store, &QWebEngineCookieStore::cookieRemoved, this, &CookieMirror::browserRemoved);
    std::weak_ptr<Relay> weak = m_relay;
    m_listener = jar.addListener([weak](const QNetworkCookie& cookie, CookieChange change) {
        const std::shared_ptr<Relay> relay = weak.lock();
        if (!relay)
            return;
        std::lock_guard lock(relay->mutex);
        CookieMirror* mirror = relay->mirror;
        if (!mirror)
            return;
        if (QThread::currentThread() == mirror->thread()) {
            mirror->jarChanged(cookie, change);
            return;
        }
        QMetaObject::invokeMethod(
            mirror, [mirror, cookie, change] { mirror->jarChanged(cookie, change); },
            Qt::QueuedConnection);
    });
    for (const QNetworkCookie& cookie : jar.allCookies())
        pushToBrowser(cookie);
    store->loadAllCookies();
}

CookieMirror::~CookieMirror() {
    m_jar.removeListener(m_listener);
    std::lock_guard lock(m_relay->mutex);
    m_relay->mirror = nullptr;
}

void CookieMirror::browserAdded(const QNetworkCookie& cookie) {
    const QString key = CookieKey(cookie);
    const auto pushed = m_pushed.constFind(key);
    if (pushed != m_pushed.constEnd()) {
        const bool echo = *pushed == cookie.value();
        m_pushed.erase(pushed);
        if (echo)
            return;
    }
    m_fromBrowser = true;
    m_jar.insert(cookie);
    m_fromBrowser = false;
}

void CookieMirror::browserRemoved(const QNetworkCookie& cookie) {
    if (m_pushed.contains(CookieKey(cookie)))
        return;
    // Only the value the browser dropped: a newer one the jar got meanwhile stays.
    const QString key = CookieKey(cookie);
    for (const QNetworkCookie& held : m_jar.cookiesFor(cookieOrigin(cookie))) {
        if (CookieKey(held) == key && held.value() == cookie.value()) {
            m_fromBrowser = true;
            m_jar.remove(held);
            m_fromBrowser = false;
            return;
        }
    }
}

void CookieMirror::jarChanged(const QNetworkCookie& cookie, CookieChange change) {
    if (m_fromBrowser)
        return;
    if (change == CookieChange::Added) {
        pushToBrowser(cookie);
        return;
    }
    QNetworkCookie target = cookie;
    if (!target.domain().startsWith(u'.'))
        target.setDomain(QString());
    m_pushed.remove(CookieKey(cookie));
    m_store->deleteCookie(target, cookieOrigin(cookie));
}

void CookieMirror::pushToBrowser(const QNetworkCookie& cookie) {
    if (cookie.domain().isEmpty())
        return;
    // Chromium turns any domain attribute into a domain cookie; a host-only
    // cookie is set without one, from its host.
    QNetworkCookie sent = cookie;
    if (!sent.domain().startsWith(u'.'))
        sent.setDomain(QString());
    m_pushed.insert(CookieKey(cookie), cookie.value());
    m_store->setCookie(sent, cookieOrigin(cookie));
}

} // namespace phodex
