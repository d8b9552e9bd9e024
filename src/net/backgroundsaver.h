// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

namespace phodex {

// Runs a save on a thread of its own a short while after a change, so that
// whoever made the change never waits for the disk, and a burst of changes
// costs one save. Saves are at least `delay` apart. The thread starts with the
// first change.
class BackgroundSaver {
public:
    BackgroundSaver(std::function<void()> save, std::chrono::milliseconds delay);
    // Stops the thread once a save under way has ended. Changes not saved yet
    // are the owner's to save.
    ~BackgroundSaver();
    BackgroundSaver(const BackgroundSaver&) = delete;
    BackgroundSaver& operator=(const BackgroundSaver&) = delete;

    // Any thread; never waits for a save.
    void changed();

private:
    void run();

    std::function<void()> m_save;
    std::chrono::milliseconds m_delay;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_pending = false;
    bool m_stopping = false;
    std::thread m_thread;
};

} // namespace phodex
