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
    try {
        std::thread thread(std::move(body));
        std::lock_guard lock(m_mutex);
        m_thread = std::move(thread);
    } catch (const std::system_error& e) {
        error = e.code();
        return false;
    }
    return true;
}

} // namespace phodex
