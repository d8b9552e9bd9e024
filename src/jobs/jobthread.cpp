// SPDX-License-Identifier: MIT
#include "jobs/jobthread.h"

namespace phodex {

JobThread::~JobThread() {
    join();
}

std::vector<std::thread> JobThread::takeJoinable() {
    std::lock_guard lock(m_mutex);
    std::vector<std::thread> all = std::move(m_ended);
    m_ended.clear();
    if (m_thread.joinable())
        all.push_back(std::move(m_thread));
    std::vector<std::thread> joinable;
    for (std::thread& thread : all) {
        if (thread.get_id() == std::this_thread::get_id())
            m_ended.push_back(std::move(thread));
        else
            joinable.push_back(std::move(thread));
    }
    return joinable;
}

void JobThread::join() {
    for (std::thread& thread : takeJoinable())
        thread.join();
}

bool JobThread::start(std::function<void()> body, std::error_code& error) {
    join();
    // The thread is made under the lock, so that a body calling back into
    // join() or start() at once finds itself in m_thread.
    std::lock_guard lock(m_mutex);
    if (m_thread.joinable()) // a start on another thread came in between
        m_ended.push_back(std::move(m_thread));
    try {
        m_thread = std::thread(std::move(body));
    } catch (const std::system_error& e) {
        error = e.code();
        return false;
    }
    return true;
}

} // namespace phodex
