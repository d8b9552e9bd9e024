// SPDX-License-Identifier: MIT
#include "net/cookiejar.h"

#include "net/backgroundsaver.h"
#include "net/cookiestore.h"
#include "net/netscapecookies.h"

#include <QFile>

namespace phodex {

CookieJar::CookieJar()
    : m_store(std::make_unique<CookieStore>()),
      m_saver(std::make_unique<BackgroundSaver>([this] { writePending(); }, kCookieSaveDelay)) {}

CookieJar::~CookieJar() {
    m_saver.reset();
    writePending();
}

CookieJar& CookieJar::instance() {
    static CookieJar jar;
    return jar;
}

QByteArray CookieJar::cookieHeaderFor(const QUrl& url) const {
    QByteArray header;
    for (const QNetworkCookie& cookie : cookiesFor(url)) {
        if (!header.isEmpty())
            header += "; ";
        header += cookie.toRawForm(QNetworkCookie::NameAndValueOnly);
    }
    return header;
}

void CookieJar::storeSetCookie(const QUrl& url, const QByteArray& setCookieValue) {
    const QList<QNetworkCookie> parsed = QNetworkCookie::parseCookies(setCookieValue);
    std::vector<CookieChangeEvent> events;
    {
        std::lock_guard lock(m_mutex);
        for (const QNetworkCookie& cookie : parsed) {
            if (auto event = m_store->put(cookie, url))
                events.push_back(*event);
        }
    }
    afterChanges(events);
}

QList<QNetworkCookie> CookieJar::cookiesFor(const QUrl& url) const {
    std::lock_guard lock(m_mutex);
    return m_store->cookiesForUrl(url);
}

QList<QNetworkCookie> CookieJar::allCookies() const {
    std::lock_guard lock(m_mutex);
    return m_store->liveCookies();
}

bool CookieJar::insert(const QNetworkCookie& cookie, const QUrl& origin) {
    std::optional<CookieChangeEvent> event;
    {
        std::lock_guard lock(m_mutex);
        event = m_store->adopt(cookie, origin);
    }
    if (!event)
        return false;
    afterChanges({*event});
    return true;
}

bool CookieJar::remove(const QNetworkCookie& cookie) {
    std::optional<CookieChangeEvent> event;
    {
        std::lock_guard lock(m_mutex);
        event = m_store->take(cookie);
    }
    if (!event)
        return false;
    afterChanges({*event});
    return true;
}

void CookieJar::clear() {
    std::vector<CookieChangeEvent> events;
    {
        std::lock_guard lock(m_mutex);
        for (const QNetworkCookie& cookie : m_store->liveCookies()) {
            if (auto event = m_store->take(cookie))
                events.push_back(*event);
        }
    }
    afterChanges(events);
}

int CookieJar::addListener(Listener listener) {
    std::lock_guard lock(m_mutex);
    m_listeners.emplace_back(m_nextListenerId, std::move(listener));
    return m_nextListenerId++;
}

void CookieJar::removeListener(int id) {
    std::lock_guard lock(m_mutex);
    std::erase_if(m_listeners, [id](const auto& entry) { return entry.first == id; });
}

bool CookieJar::load(const QString& path) {
    const NetscapeFile file = readNetscapeFile(path);
    if (!file.readable && QFile::exists(path))
        return false;
    std::vector<CookieChangeEvent> events;
    {
        std::lock_guard lock(m_mutex);
        // Cookies the jar got before the file was read must reach the file too.
        if (!m_store->liveCookies().isEmpty())
            ++m_changes;
        m_storePath = path;
        for (const QNetworkCookie& cookie : file.cookies) {
            if (auto event = m_store->adopt(cookie, QUrl()))
                events.push_back(*event);
        }
    }
    afterChanges(events);
    scheduleSave();
    return true;
}

void CookieJar::setStorePath(const QString& path) {
    {
        std::lock_guard lock(m_mutex);
        m_storePath = path;
        ++m_changes;
    }
    scheduleSave();
}

QString CookieJar::storePath() const {
    std::lock_guard lock(m_mutex);
    return m_storePath;
}

bool CookieJar::flush() {
    return writePending();
}

int CookieJar::importNetscape(const QString& path) {
    const NetscapeFile file = readNetscapeFile(path);
    if (!file.readable)
        return -1;
    std::vector<CookieChangeEvent> events;
    {
        std::lock_guard lock(m_mutex);
        for (const QNetworkCookie& cookie : file.cookies) {
            if (auto event = m_store->adopt(cookie, QUrl()))
                events.push_back(*event);
        }
    }
    afterChanges(events);
    return int(events.size());
}

void CookieJar::afterChanges(const std::vector<CookieChangeEvent>& events) {
    if (events.empty())
        return;
    std::vector<Listener> listeners;
    {
        std::lock_guard lock(m_mutex);
        ++m_changes;
        for (const auto& entry : m_listeners)
            listeners.push_back(entry.second);
    }
    for (const CookieChangeEvent& event : events) {
        for (const Listener& listener : listeners)
            listener(event.cookie, event.change);
    }
    scheduleSave();
}

void CookieJar::scheduleSave() {
    {
        std::lock_guard lock(m_mutex);
        if (m_storePath.isEmpty() || m_saved == m_changes)
            return;
    }
    m_saver->changed();
}

bool CookieJar::writePending() {
    std::lock_guard writing(m_writeMutex);
    QString path;
    QList<QNetworkCookie> cookies;
    quint64 changes = 0;
    {
        std::lock_guard lock(m_mutex);
        if (m_storePath.isEmpty())
            return false;
        if (m_saved == m_changes)
            return true;
        changes = m_changes;
        path = m_storePath;
        cookies = m_store->liveCookies();
    }
    if (!writeNetscapeFile(path, cookies))
        return false;
    std::lock_guard lock(m_mutex);
    m_saved = changes;
    return true;
}

} // namespace phodex
