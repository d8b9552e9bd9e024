// SPDX-License-Identifier: MIT
#pragma once

#include "cli/jobio.h"

#include <QString>

#include <mutex>

namespace phodex::cli {

// A download's progress on a terminal: one line redrawn in place with the
// album (its number of all and its name), the pictures done of its total,
// the bytes received, the rate and the time left; the summary at the end.
// Messages and questions still come as lines of their own above it.
class TerminalProgress final : public CliJobObserver {
public:
    TerminalProgress();
    ~TerminalProgress() override;
    TerminalProgress(const TerminalProgress&) = delete;
    TerminalProgress& operator=(const TerminalProgress&) = delete;

    void statusLine(const QString& text) override;
    void detailLine(const QString& text) override;
    void albumStarted(int position, int count, const QString& name) override;
    void progress(int done, int total, qint64 bytes) override;
    void finished(const DownloadSummary& summary) override;

private:
    QString albumText() const;
    QString picturesText(qint64 nowMs) const;

    std::mutex m_mutex; // the calls come from the job's thread and its workers'
    qint64 m_startMs;
    int m_position = 0; // 0: no album yet (a list of addresses)
    int m_count = 0;
    QString m_name;
    qint64 m_albumStartMs;
    int m_done = 0;
    int m_total = 0;     // 0: the album's pictures are still being listed
    qint64 m_bytes = 0;  // of this album's pictures
    qint64 m_before = 0; // of the albums before it
};

// "1.5 MiB" and the like.
QString ByteText(qint64 bytes);
// "0:42", "12:05", "1:02:03".
QString DurationText(qint64 seconds);
// The summary line: what was downloaded, skipped and failed, and where.
QString SummaryText(const DownloadSummary& summary);

} // namespace phodex::cli
