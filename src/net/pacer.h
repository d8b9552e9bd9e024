// SPDX-License-Identifier: MIT
#pragma once

#include <QtGlobal>

// Every deliberate wait, clock read and random value of the program goes
// through the installed Pacer, so tests can record the waits instead of
// spending them. Network time-outs are not pacing and use the real clock.
namespace phodex {

class Pacer {
public:
    virtual ~Pacer() = default;
    // The real pacer's wait ends early when the calling thread's job is
    // stopped (net/cancel.h).
    virtual void sleepMs(qint64 ms) = 0;
    // Milliseconds since the Unix epoch.
    virtual qint64 nowMs() = 0;
    // A uniformly distributed value in [0, bound); 0 when bound is 0.
    virtual quint32 random(quint32 bound) = 0;
};

// The pacer in use; a real one unless a test installed another.
Pacer& pacer();
// Installs `p` for the whole process (nullptr restores the real one) and
// returns the one installed before. The caller keeps ownership.
Pacer* setPacer(Pacer* p);

// Installs a pacer for the lifetime of a scope.
class ScopedPacer {
public:
    explicit ScopedPacer(Pacer& p) : m_previous(setPacer(&p)) {}
    ~ScopedPacer() { setPacer(m_previous); }
    ScopedPacer(const ScopedPacer&) = delete;
    ScopedPacer& operator=(const ScopedPacer&) = delete;

private:
    Pacer* m_previous;
};

} // namespace phodex
