// SPDX-License-Identifier: MIT
#include "core/seams/recordingobserver.h"

namespace phodex {

void RecordingJobObserver::record(const QString& line) {
    std::lock_guard lock(m_mutex);
    m_events.append(line);
}

void RecordingJobObserver::albumsCleared() {
    record(QStringLiteral("cleared"));
}

void RecordingJobObserver::albumAdded(int index) {
    {
        std::lock_guard lock(m_mutex);
        m_events.append(QStringLiteral("added:%1").arg(index));
        m_added.push_back(index);
    }
    if (onAlbumAdded)
        onAlbumAdded(index);
}

void RecordingJobObserver::albumsRefilled() {
    record(QStringLiteral("refilled"));
}
void RecordingJobObserver::allAlbumsSelected() {
    record(QStringLiteral("selectall"));
}
void RecordingJobObserver::albumCaption(const QString& text) {
    record("caption:" + text);
}
void RecordingJobObserver::statusLine(const QString& text) {
    record("status:" + text);
}
void RecordingJobObserver::detailLine(const QString& text) {
    record("detail:" + text);
}

void RecordingJobObserver::jobStateChanged(JobKind kind, int state) {
    const char* name = kind == JobKind::List ? "list" : "download";
    record(QStringLiteral("state:%1:%2").arg(QLatin1String(name)).arg(state));
    if (onStateChanged)
        onStateChanged(kind, state);
}

void RecordingJobObserver::albumStarted(int position, int count, const QString& name) {
    record(QStringLiteral("album:%1/%2:%3").arg(position).arg(count).arg(name));
}

void RecordingJobObserver::progress(int done, int total, qint64 bytes) {
    {
        std::lock_guard lock(m_mutex);
        m_bytes.push_back(bytes);
    }
    record(QStringLiteral("progress:%1/%2").arg(done).arg(total));
}

void RecordingJobObserver::addressRecorded(const QString& text) {
    record("recorded:" + text);
}

QStringList RecordingJobObserver::events() const {
    std::lock_guard lock(m_mutex);
    return m_events;
}

QStringList RecordingJobObserver::eventsWith(const QString& prefix) const {
    std::lock_guard lock(m_mutex);
    QStringList found;
    for (const QString& line : m_events) {
        if (line.startsWith(prefix))
            found.append(line.mid(prefix.size()));
    }
    return found;
}

std::vector<int> RecordingJobObserver::addedIndices() const {
    std::lock_guard lock(m_mutex);
    return m_added;
}

std::vector<qint64> RecordingJobObserver::progressBytes() const {
    std::lock_guard lock(m_mutex);
    return m_bytes;
}

} // namespace phodex
