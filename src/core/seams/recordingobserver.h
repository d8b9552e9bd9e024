// SPDX-License-Identifier: MIT
#pragma once

#include "core/seams/jobobserver.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <mutex>
#include <vector>

namespace phodex {

// Keeps every call as one line of text ("status:...", "added:3", "state:list:0"),
// safe to call from any thread. For tests, and for the command line's --quiet runs.
class RecordingJobObserver : public JobObserver {
public:
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

    QStringList events() const;
    // The events that start with prefix, without it ("status:" gives the status lines).
    QStringList eventsWith(const QString& prefix) const;
    std::vector<int> addedIndices() const;
    // The bytes of each progress call, in order.
    std::vector<qint64> progressBytes() const;

    // Set these before a job starts.
    // Runs after an album was recorded, on the job's thread (a test's stop button).
    std::function<void(int index)> onAlbumAdded;
    // Runs after a job state was recorded, on the job's thread.
    std::function<void(JobKind kind, int state)> onStateChanged;

private:
    void record(const QString& line);

    mutable std::mutex m_mutex;
    QStringList m_events;
    std::vector<int> m_added;
    std::vector<qint64> m_bytes;
};

} // namespace phodex
