// SPDX-License-Identifier: MIT
#include "jobs/albumlister.h"

#include "jobs/picturewalk.h"
#include "net/cancel.h"

namespace phodex {

namespace {

// downState back to running for the next album, unless a stop was asked for.
bool ResumeAlbum(Session& s) {
    int finished = kDownAlbumFinished;
    s.downState.compare_exchange_strong(finished, kDownRunning);
    return s.downState.load() != kDownStopRequested;
}

} // namespace

ListedAlbum::ListedAlbum(const DownloadJobContext& job, int index, bool held)
    : m_index(index),
      m_observer(job.env.observer, held), m_env{job.env.session, job.env.sites,   m_observer,
                                                job.env.prompt,  job.env.browser, job.env.keys,
                                                job.env.shell},
      m_ctx(job, m_env) {}

void ListedAlbum::list() {
    Session& s = m_ctx.session();
    m_ctx.beginAlbum(m_index);
    if (!ResumeAlbum(s)) {
        m_stopped = true;
        return;
    }
    m_known = WalkPictureOperations(m_ctx, m_ctx.subType(), m_index);
    m_stopped = s.downState.load() == kDownStopRequested;
}

AlbumLister::AlbumLister(const DownloadJobContext& job, std::vector<int> albums, bool ahead)
    : m_job(job), m_albums(std::move(albums)), m_ahead(ahead) {
    std::error_code error;
    // Without a thread of its own each album is listed at its turn.
    if (m_ahead && !m_thread.start([this] { listAhead(); }, error))
        m_ahead = false;
}

AlbumLister::~AlbumLister() {
    close();
}

void AlbumLister::close() {
    {
        std::lock_guard lock(m_mutex);
        m_closed = true;
    }
    m_changed.notify_all();
    m_thread.join();
}

std::unique_ptr<ListedAlbum> AlbumLister::take(size_t k) {
    if (k >= m_albums.size())
        return nullptr;
    if (!m_ahead) {
        auto album = std::make_unique<ListedAlbum>(m_job, m_albums[k], false);
        album->list();
        return album;
    }
    ListedAlbum* listing = nullptr;
    {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [&] { return m_ended || (m_next && m_nextAt == k); });
        if (!m_next || m_nextAt != k)
            return nullptr;
        listing = m_next.get();
    }
    // Its turn has come: what it found so far, and the rest as it comes.
    listing->release();
    std::unique_ptr<ListedAlbum> album;
    {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [&] { return m_nextDone; });
        album = std::move(m_next);
        m_allowed = k + 1;
    }
    m_changed.notify_all();
    return album;
}

// Makes the album at position k the one being listed once its turn has come;
// nullptr when no further album is to be listed.
ListedAlbum* AlbumLister::startAhead(size_t k) {
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [&] { return m_closed || k <= m_allowed; });
    if (m_closed || m_job.session().downState.load() == kDownStopRequested)
        return nullptr;
    m_next = std::make_unique<ListedAlbum>(m_job, m_albums[k], true);
    m_nextAt = k;
    m_nextDone = false;
    return m_next.get();
}

void AlbumLister::listAhead() {
    // Its pacing waits and requests end at once on a stop, as the job's own do.
    const CancelScope stoppable(&m_job.session().stopFlag);
    for (size_t k = 0; k < m_albums.size(); ++k) {
        ListedAlbum* listing = startAhead(k);
        if (!listing)
            break;
        m_changed.notify_all();
        listing->list();
        {
            std::lock_guard lock(m_mutex);
            m_nextDone = true;
        }
        m_changed.notify_all();
    }
    {
        std::lock_guard lock(m_mutex);
        m_ended = true;
    }
    m_changed.notify_all();
}

} // namespace phodex
