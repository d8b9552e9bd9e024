// SPDX-License-Identifier: MIT
#include "net/cancel.h"

#include <algorithm>
#include <chrono>
#include <thread>

namespace phodex {

namespace {

thread_local const std::atomic<bool>* t_cancelFlag = nullptr;

// A raised flag is seen within this time. The flag may be raised by a signal
// handler, which cannot wake a condition variable, so the wait looks again
// at this pace instead.
constexpr qint64 kLookAgainMs = 20;

} // namespace

CancelScope::CancelScope(const std::atomic<bool>* flag) : m_previous(t_cancelFlag) {
    t_cancelFlag = flag;
}

CancelScope::~CancelScope() {
    t_cancelFlag = m_previous;
}

const std::atomic<bool>* ThreadCancelFlag() {
    return t_cancelFlag;
}

bool ThreadCancelled() {
    return t_cancelFlag && t_cancelFlag->load(std::memory_order_relaxed);
}

bool SleepUnlessCancelled(qint64 ms) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (!ThreadCancelled()) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            end - std::chrono::steady_clock::now());
        if (left.count() <= 0)
            return true;
        std::this_thread::sleep_for(std::min(left, std::chrono::milliseconds(kLookAgainMs)));
    }
    return false;
}

} // namespace phodex
