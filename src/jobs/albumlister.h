// SPDX-License-Identifier: MIT
#pragma once

#include "core/jobcontext.h"
#include "jobs/addpicture.h"
#include "jobs/heldobserver.h"
#include "jobs/jobthread.h"

#include <condition_variable>
#include <memory>
#include <mutex>
#include <vector>

namespace phodex {

// One ticked album as its picture operations listed it, in a context of its
// own: listing the next album never touches this one's pictures or folder.
class ListedAlbum {
public:
    // held: the album's lines wait for release().
    ListedAlbum(const DownloadJobContext& job, int index, bool held);

    // Runs the album's picture operations on the calling thread.
    void list();
    void release() { m_observer.release(); }

    int index() const { return m_index; }
    DownloadJobContext& ctx() { return m_ctx; }
    // False: the category and variant have no picture operation.
    bool known() const { return m_known; }
    // A stop was asked for while the album was listed: its list may be cut off.
    bool stopped() const { return m_stopped; }

private:
    const int m_index;
    HeldObserver m_observer;
    JobEnv m_env;
    DownloadJobContext m_ctx;
    bool m_known = true;
    bool m_stopped = false;
};

// Lists the ticked albums in order. Ahead: on a thread of its own, at most one
// album beyond the last one taken, so that an album is listed while the one
// before it downloads; one album is listed at a time either way, so the
// sites see the same requests in the same order. Otherwise each album is
// listed when it is taken, on the taker's thread.
class AlbumLister {
public:
    AlbumLister(const DownloadJobContext& job, std::vector<int> albums, bool ahead);
    // Closes.
    ~AlbumLister();
    AlbumLister(const AlbumLister&) = delete;
    AlbumLister& operator=(const AlbumLister&) = delete;

    // Album k of the list, completely listed; its lines reach the window from
    // the moment it is asked for. From then on album k + 1 may be listed.
    // nullptr when the listing ended before album k (a stop).
    std::unique_ptr<ListedAlbum> take(size_t k);
    // Starts no further album and waits until the one being listed is done:
    // after a stop, at the listing's next check.
    void close();

private:
    void listAhead();
    ListedAlbum* startAhead(size_t k);

    const DownloadJobContext& m_job;
    const std::vector<int> m_albums;
    bool m_ahead;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    size_t m_allowed = 0;                // albums up to this position may be listed
    std::unique_ptr<ListedAlbum> m_next; // being listed or listed, not yet taken
    size_t m_nextAt = 0;
    bool m_nextDone = false;
    bool m_ended = false;  // the listing thread starts no further album
    bool m_closed = false; // the taker wants no further album
    JobThread m_thread;    // last: it ends before the rest goes
};

} // namespace phodex
