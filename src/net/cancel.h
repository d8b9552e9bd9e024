// SPDX-License-Identifier: MIT
#pragma once

#include <QtGlobal>

#include <atomic>

// The stop flag of the job a thread works for. A job installs its flag on its
// thread once; every fetch and every pacing wait made on that thread then ends
// early when the flag rises, without each site's code passing it along.
namespace phodex {

// Installs flag as this thread's stop flag for the scope's lifetime (nullptr:
// none); scopes nest.
class CancelScope {
public:
    explicit CancelScope(const std::atomic<bool>* flag);
    ~CancelScope();
    CancelScope(const CancelScope&) = delete;
    CancelScope& operator=(const CancelScope&) = delete;

private:
    const std::atomic<bool>* m_previous;
};

// This thread's stop flag; nullptr when none is installed.
const std::atomic<bool>* ThreadCancelFlag();
bool ThreadCancelled();

// Sleeps ms, or less when this thread's stop flag rises meanwhile; false when
// it rose. The flag is only read, so a signal handler may raise it.
bool SleepUnlessCancelled(qint64 ms);

} // namespace phodex
