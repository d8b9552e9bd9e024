// SPDX-License-Identifier: MIT
#include "net/pacer.h"

#include "net/cancel.h"

#include <QDateTime>
#include <QRandomGenerator>
#include <atomic>

namespace phodex {

namespace {

class RealPacer final : public Pacer {
public:
    // A stop of the thread's job ends the wait early.
    void sleepMs(qint64 ms) override { SleepUnlessCancelled(ms); }
    qint64 nowMs() override { return QDateTime::currentMSecsSinceEpoch(); }
    quint32 random(quint32 bound) override {
        return bound == 0 ? 0 : QRandomGenerator::global()->bounded(bound);
    }
};

RealPacer g_realPacer;
std::atomic<Pacer*> g_pacer{&g_realPacer};

} // namespace

Pacer& pacer() {
    return *g_pacer.load(std::memory_order_acquire);
}

Pacer* setPacer(Pacer* p) {
    Pacer* previous = g_pacer.exchange(p ? p : &g_realPacer, std::memory_order_acq_rel);
    return previous == &g_realPacer ? nullptr : previous;
}

} // namespace phodex
