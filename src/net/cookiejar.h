// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QList>
#include <QNetworkCookie>
#include <QString>
#include <QUrl>

#include <functional>
#include <memory>
#include <mutex>
#include <utility>
#include <vector>

// The one cookie store of the process, shared by the request engine, the
// embedded browser and the adapters. Thread-safe.
//
// Once a store path is set (load or setStorePath), every change is written to
// that file in cookies.txt format, mode 0600. Session cookies are written too:
// the sites' logins live in them, and a later run of the program must still be
// logged in.
namespace phodex {

class CookieStore;
struct CookieChangeEvent;

enum class CookieChange { Added, Removed };

// The file name of the jar in the work folder.
inline constexpr const char kCookieFileName[] = "cookies.txt";

class CookieJar {
public:
    CookieJar();
    ~CookieJar();
    CookieJar(const CookieJar&) = delete;
    CookieJar& operator=(const CookieJar&) = delete;

    static CookieJar& instance();

    // The Cookie header value ("a=1; b=2") to send to this address; empty when none match.
    QByteArray cookieHeaderFor(const QUrl& url) const;
    // Stores the cookies of one Set-Cookie header value received from this address.
    void storeSetCookie(const QUrl& url, const QByteArray& setCookieValue);

    // The cookies that would be sent to this address, longest path first.
    QList<QNetworkCookie> cookiesFor(const QUrl& url) const;
    QList<QNetworkCookie> allCookies() const;

    // For the embedded browser. A cookie with a domain keeps it: a leading dot
    // makes it a domain cookie, none a host-only one; `origin` (the page that
    // set it) is needed only for a cookie without a domain. False when the
    // cookie is not valid or nothing changed.
    bool insert(const QNetworkCookie& cookie, const QUrl& origin = QUrl());
    // Removes the cookie with the same name, domain and path; false when there is none.
    bool remove(const QNetworkCookie& cookie);
    void clear();

    // Called after every real change, on the thread that made it, outside the
    // jar's lock (a listener may call the jar). Storing an identical cookie
    // again is no change, so a listener that mirrors the jar into another
    // store and back does not loop.
    using Listener = std::function<void(const QNetworkCookie& cookie, CookieChange change)>;
    int addListener(Listener listener);
    void removeListener(int id);

    // Sets the store path and merges the file's cookies in. A missing file is
    // a first run (true); false when the file exists but cannot be read, and
    // then the store path is left as it was.
    bool load(const QString& path);
    // Writes the jar to `path` from now on, replacing what the file held;
    // load() is the way to keep a file's cookies.
    void setStorePath(const QString& path);
    QString storePath() const;
    // Writes the store file now; false when there is no store path or the write failed.
    // A failed write is tried again with the next change.
    bool save();
    // Adds the cookies of a cookies.txt file exported from a browser (bad
    // lines are skipped); the number of cookies added or changed, -1 when the
    // file cannot be read.
    int importNetscape(const QString& path);

private:
    // Tells the listeners and writes the store file; called without the lock.
    void afterChanges(const std::vector<CookieChangeEvent>& events);
    bool persist();

    mutable std::mutex m_mutex; // guards everything below
    std::unique_ptr<CookieStore> m_store;
    std::vector<std::pair<int, Listener>> m_listeners;
    int m_nextListenerId = 1;
    QString m_storePath;
    bool m_dirty = false;
    // One file write at a time; a writer that finds its change already
    // written by another returns at once.
    std::mutex m_writeMutex;
};

} // namespace phodex
