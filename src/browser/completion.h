// SPDX-License-Identifier: MIT
#pragma once

#include "net/cancel.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>

namespace phodex {

// One answer handed from the GUI thread to a waiting thread. The first
// set() or cancel() counts; later ones change nothing.
template <class T> class Completion {
public:
    void set(T value) { settle(std::move(value)); }
    void cancel() { settle(std::nullopt); }

    // The answer; nullopt when cancelled, when `limit` passed first or when
    // the waiting thread's job was stopped meanwhile.
    std::optional<T> waitFor(std::chrono::milliseconds limit) {
        return waitUntil(std::chrono::steady_clock::now() + limit);
    }
    std::optional<T> wait() { return waitUntil(std::chrono::steady_clock::time_point::max()); }
    bool settled() const {
        std::lock_guard lock(m_mutex);
        return m_settled;
    }
    // The waiter gave up: work not started yet need not be done.
    void abandon() {
        std::lock_guard lock(m_mutex);
        m_abandoned = true;
    }
    bool abandoned() const {
        std::lock_guard lock(m_mutex);
        return m_abandoned;
    }

private:
    // A job's stop flag may be raised by a signal handler, which cannot wake
    // the condition variable: the wait looks at it at this pace.
    static constexpr std::chrono::milliseconds kLookAgain{50};

    std::optional<T> waitUntil(std::chrono::steady_clock::time_point end) {
        std::unique_lock lock(m_mutex);
        while (!m_settled && !ThreadCancelled()) {
            const auto now = std::chrono::steady_clock::now();
            if (now >= end)
                break;
            m_cv.wait_for(lock,
                          std::min<std::chrono::steady_clock::duration>(end - now, kLookAgain));
        }
        return m_value;
    }

    void settle(std::optional<T> value) {
        {
            std::lock_guard lock(m_mutex);
            if (m_settled)
                return;
            m_settled = true;
            m_value = std::move(value);
        }
        m_cv.notify_all();
    }

    mutable std::mutex m_mutex;
    std::condition_variable m_cv;
    bool m_settled = false;
    bool m_abandoned = false;
    std::optional<T> m_value;
};

} // namespace phodex
