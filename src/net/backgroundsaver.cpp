// SPDX-License-Identifier: MIT
#include "net/backgroundsaver.h"

namespace phodex {

BackgroundSaver::BackgroundSaver(std::function<void()> save, std::chrono::milliseconds delay)
    : m_save(std::move(save)), m_delay(delay) {}

BackgroundSaver::~BackgroundSaver() {
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_all();
    if (m_thread.joinable())
        m_thread.join();
}

void BackgroundSaver::changed() {
    {
        std::lock_guard lock(m_mutex);
        if (m_stopping)
            return;
        m_pending = true;
        if (!m_thread.joinable())
            m_thread = std::thread([this] { run(); });
    }
    m_wake.notify_all();
}

void BackgroundSaver::run() {
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_pending || m_stopping; });
        // The rest of a burst arrives meanwhile and goes with this save.
        m_wake.wait_for(lock, m_delay, [this] { return m_stopping; });
        if (m_stopping)
            return;
        m_pending = false;
        lock.unlock();
        m_save();
        lock.lock();
    }
}

} // namespace phodex
