// SPDX-License-Identifier: MIT
#include "download/manager.h"

#include "core/seams/jobobserver.h"
#include "download/worker.h"
#include "net/cancel.h"
#include "net/failure.h"
#include "net/pacer.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLoggingCategory>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

namespace phodex {

namespace {

Q_LOGGING_CATEGORY(lcDownload, "phodex.download", QtWarningMsg)

// How often the manager looks at the stop flag while no worker ends.
constexpr auto kStopPoll = std::chrono::milliseconds(50);

// The shared state of one manager run: workers take the next picture and
// report each end; the manager thread waits on it.
class WorkQueue {
public:
    WorkQueue(const CDownList& list, const DownloadParams& params, std::atomic<bool>& stop)
        : m_list(list), m_params(params), m_stop(stop), m_total(int(list.urls.size())) {}

    void workerLoop() {
        // The single-thread pause ends early on a stop.
        const CancelScope stoppable(&m_stop);
        for (int index = m_next.fetch_add(1); index < m_total; index = m_next.fetch_add(1)) {
            if (m_stop.load())
                return;
            if (m_params.threads == 1 && index > 0)
                pacer().sleepMs(kSingleThreadPauseMs);
            if (m_stop.load())
                return;
            clearWriteFailure();
            const bool saved = DownloadPicture(m_list, index, m_params, &m_stop);
            const qint64 bytes =
                saved ? QFileInfo(m_list.folder + m_list.names.at(index)).size() : 0;
            if (!saved)
                keepWriteFailure(LastWriteFailure());
            // A transfer the stop ended is a stopped download even when it
            // was the last one: the watcher may see the count complete first.
            if (!saved && m_stop.load())
                m_cancelled = true;
            finish(saved, bytes);
        }
    }

    struct Count {
        int done = 0;
        qint64 bytes = 0; // of the pictures saved
    };

    // Waits until a worker ends, the work is done or the wait times out.
    Count waitForChange(int shown) {
        std::unique_lock lock(m_mutex);
        m_changed.wait_for(lock, kStopPoll, [&] { return m_done != shown || m_stop.load(); });
        return {m_done, m_bytes};
    }

    int done() const {
        std::lock_guard lock(m_mutex);
        return m_done;
    }
    int saved() const {
        std::lock_guard lock(m_mutex);
        return m_saved;
    }
    int total() const { return m_total; }
    QString writeFailure() const {
        std::lock_guard lock(m_mutex);
        return m_writeFailure;
    }
    bool cancelled() const { return m_cancelled.load(); }

private:
    // The first one is enough: a full or read-only folder fails every
    // picture after it the same way.
    void keepWriteFailure(const QString& failure) {
        std::lock_guard lock(m_mutex);
        if (m_writeFailure.isEmpty())
            m_writeFailure = failure;
    }
    void finish(bool saved, qint64 bytes) {
        {
            std::lock_guard lock(m_mutex);
            ++m_done;
            m_saved += saved ? 1 : 0;
            m_bytes += bytes;
        }
        m_changed.notify_all();
    }

    const CDownList& m_list;
    const DownloadParams m_params;
    std::atomic<bool>& m_stop;
    const int m_total;
    std::atomic<int> m_next{0};
    std::atomic<bool> m_cancelled{false};
    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    int m_done = 0;
    int m_saved = 0;
    qint64 m_bytes = 0;
    QString m_writeFailure;
};

// Shows progress until every picture is done or a stop is seen.
bool WatchProgress(WorkQueue& queue, std::atomic<bool>& stop, JobObserver& observer) {
    int shown = 0;
    while (shown < queue.total()) {
        if (stop.load())
            return true;
        const WorkQueue::Count count = queue.waitForChange(shown);
        if (count.done != shown) {
            shown = count.done;
            observer.progress(count.done, queue.total(), count.bytes);
        }
    }
    return false;
}

} // namespace

QString ProgressText(int done, int total) {
    return QCoreApplication::translate("phodex::Download", "已下载%1/%2......")
        .arg(done)
        .arg(total);
}

DownloadOutcome DownloadManager(const CDownList& list, const DownloadParams& params,
                                Session& session, JobObserver& observer) {
    DownloadOutcome outcome;
    outcome.total = int(list.urls.size());
    const int setting = std::clamp(int(params.threads), int(kMinThreads), int(kMaxThreads));
    const int threads = std::min(outcome.total, setting);
    if (threads <= 0)
        return outcome;
    session.downloadsRunning = true;
    const qint64 started = pacer().nowMs();
    WorkQueue queue(list, params, session.stopFlag);
    std::vector<std::thread> workers;
    workers.reserve(size_t(threads));
    for (int slot = 0; slot < threads; ++slot) {
        try {
            workers.emplace_back([&queue] { queue.workerLoop(); });
        } catch (const std::system_error& error) {
            // The workers that did start share the pictures out.
            qCWarning(lcDownload) << "cannot start a download worker:" << error.what();
            break;
        }
    }
    outcome.workersStarted = int(workers.size());
    if (workers.empty()) {
        session.downloadsRunning = false;
        return outcome;
    }
    outcome.stopped = WatchProgress(queue, session.stopFlag, observer);
    // Transfers in flight see the stop flag and end; nothing may touch the
    // folder or the list after this function until every worker is gone.
    for (std::thread& worker : workers)
        worker.join();
    outcome.stopped = outcome.stopped || queue.cancelled();
    qCDebug(lcDownload) << "OK" << outcome.total;
    outcome.done = queue.done();
    outcome.saved = queue.saved();
    outcome.writeFailure = queue.writeFailure();
    outcome.elapsedMs = pacer().nowMs() - started;
    session.downloadsRunning = false;
    return outcome;
}

} // namespace phodex
