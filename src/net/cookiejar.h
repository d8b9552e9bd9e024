// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QList>
#include <QNetworkCookie>
#include <QString>
#include <QUrl>

#include <chrono>
#include <functional>
#include <memory>
#include <mutex>
#include <utility>
#include <vector>

// The one cookie store of the process, shared by the request engine, the
// embedded browser and the adapters. Thread-safe.
//
// Once a store path is set (load or setStorePath), the jar is written to that
// file in cookies.txt format, mode 0600, by a thread of its own shortly after a
// change (kCookieSaveDelay): the threads that change the jar never wait for the
// disk, a burst of changes is written once, and a crash loses no more than the
// last moment of changes; the file is always replaced whole. Session cookies
// are written too: the sites' logins live in them, and a later run of the
// program must still be logged in. A program calls flush() before it exits.
namespace phodex {

class BackgroundSaver;
class CookieStore;
struct CookieChangeEvent;

enum class CookieChange { Added, Removed };

// The file name of the jar in the work folder.
inline constexpr const char kCookieFileName[] = "cookies.txt";
// How long after a change the file is written; also the least time between two writes.
inline constexpr std::chrono::milliseconds kCookieSaveDelay{250};

class CookieJar {
public:
    CookieJar();
    // Writes the changes not written yet.
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
    // Writes the changes not written yet now, on the calling thread; true when
    // the file holds the jar, false when there is no store path or the write
    // failed. A failed write is tried again with the next change.
    bool flush();
    // Adds the cookies of a cookies.txt file exported from a browser (bad
    // lines are skipped); the number of cookies added or changed, -1 when the
    // file cannot be read.
    int importNetscape(const QString& path);

private:
    // Tells the listeners and has the store file written; called without the lock.
    void afterChanges(const std::vector<CookieChangeEvent>& events);
    // Has the saver write the file when something is to be written there.
    void scheduleSave();
    bool writePending();

    mutable std::mutex m_mutex; // guards everything below
    std::unique_ptr<CookieStore> m_store;
    std::vector<std::pair<int, Listener>> m_listeners;
    int m_nextListenerId = 1;
    QString m_storePath;
    // Changes made, and how many of them the file holds.
    quint64 m_changes = 0;
    quint64 m_saved = 0;
    // One file write at a time; a writer that finds the changes already
    // written by another returns at once.
    std::mutex m_writeMutex;
    std::unique_ptr<BackgroundSaver> m_saver;
};

} // namespace phodex
