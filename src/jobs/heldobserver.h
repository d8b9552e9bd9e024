// SPDX-License-Identifier: MIT
#pragma once

#include "core/seams/jobobserver.h"

#include <functional>
#include <mutex>
#include <vector>

namespace phodex {

// What an album's listing tells the window. An album listed while the one
// before it still downloads keeps its lines until its own turn comes, so that
// the window and the command line show the albums one after another, with the
// same lines in the same order as when each album is listed at its turn.
class HeldObserver final : public JobObserver {
public:
    HeldObserver(JobObserver& target, bool held) : m_target(target), m_held(held) {}

    // Passes on what was kept, in order, and every later call at once.
    void release();

    void albumsCleared() override;
    void albumAdded(int index) override;
    void albumsRefilled() override;
    void allAlbumsSelected() override;
    void albumCaption(const QString& text) override;
    void statusLine(const QString& text) override;
    void detailLine(const QString& text) override;
    void jobStateChanged(JobKind kind, int state) override;
    void albumStarted(int position, int count, const QString& name) override;
    void progress(int done, int total, qint64 bytes) override;
    void addressRecorded(const QString& text) override;

private:
    using Call = std::function<void(JobObserver&)>;
    void pass(Call call);

    JobObserver& m_target;
    std::mutex m_mutex; // also keeps a released call from overtaking the kept ones
    bool m_held;
    std::vector<Call> m_kept;
};

} // namespace phodex
