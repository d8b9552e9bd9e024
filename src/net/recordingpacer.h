// SPDX-License-Identifier: MIT
#pragma once

#include "net/pacer.h"

#include <QList>
#include <mutex>

// A pacer for tests: waits are recorded and return at once, the clock moves
// only by the recorded waits, and random values come from a fixed sequence.
namespace phodex {

class RecordingPacer final : public Pacer {
public:
    explicit RecordingPacer(qint64 startMs = 1'600'000'000'000) : m_now(startMs) {}

    void sleepMs(qint64 ms) override {
        std::lock_guard lock(m_mutex);
        m_sleeps.append(ms);
        m_now += ms;
    }
    qint64 nowMs() override {
        std::lock_guard lock(m_mutex);
        return m_now;
    }
    quint32 random(quint32 bound) override {
        std::lock_guard lock(m_mutex);
        m_seed = m_seed * 1103515245u + 12345u;
        return bound == 0 ? 0 : (m_seed >> 8) % bound;
    }
    QList<qint64> sleeps() const {
        std::lock_guard lock(m_mutex);
        return m_sleeps;
    }

private:
    mutable std::mutex m_mutex;
    QList<qint64> m_sleeps;
    qint64 m_now;
    quint32 m_seed = 1;
};

} // namespace phodex
