// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

// The thread a job runs its body on. Each job asks its body to stop through
// the session's states and its stop flag; this class only starts and ends
// threads, the same way for every job.
namespace phodex {

class JobThread {
public:
    JobThread() = default;
    // Joins: the owner must have asked the job to stop first.
    ~JobThread();
    JobThread(const JobThread&) = delete;
    JobThread& operator=(const JobThread&) = delete;

    // Runs body on a new thread once the previous one has ended; false, with
    // error set, when no thread could be made.
    bool start(std::function<void()> body, std::error_code& error);
    // Waits until the thread has ended. Called on the thread itself (an
    // observer reacting to the job's last call), it returns at once: that
    // thread is joined later, by the next start or join on another thread.
    void join();

private:
    // Never joins while holding m_mutex: a body that calls back into its owner
    // would wait for it.
    std::vector<std::thread> takeJoinable();

    std::mutex m_mutex;
    std::thread m_thread;
    std::vector<std::thread> m_ended; // left by join() calls made on the thread itself
};

} // namespace phodex
