// SPDX-License-Identifier: MIT
#pragma once

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

    // The answer; nullopt when cancelled or when `limit` passed first.
    std::optional<T> waitFor(std::chrono::milliseconds limit) {
        std::unique_lock lock(m_mutex);
        m_cv.wait_for(lock, limit, [this] { return m_settled; });
        return m_value;
    }
    std::optional<T> wait() {
        std::unique_lock lock(m_mutex);
        m_cv.wait(lock, [this] { return m_settled; });
        return m_value;
    }
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
