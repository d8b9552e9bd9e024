// SPDX-License-Identifier: MIT
#include "cli/terminalprogress.h"

#include "cli/output.h"
#include "net/pacer.h"

namespace phodex::cli {

QString ByteText(qint64 bytes) {
    static const char* const units[] = {"KiB", "MiB", "GiB", "TiB"};
    if (bytes < 1024)
        return QStringLiteral("%1 B").arg(bytes);
    double value = double(bytes) / 1024;
    int unit = 0;
    for (; value >= 1024 && unit < 3; ++unit)
        value /= 1024;
    return QStringLiteral("%1 %2").arg(value, 0, 'f', 1).arg(QLatin1String(units[unit]));
}

QString DurationText(qint64 seconds) {
    const qint64 hours = seconds / 3600;
    const QString minutesSeconds = QStringLiteral("%1:%2")
                                       .arg(seconds / 60 % 60, hours ? 2 : 1, 10, QChar(u'0'))
                                       .arg(seconds % 60, 2, 10, QChar(u'0'));
    return hours ? QStringLiteral("%1:%2").arg(hours).arg(minutesSeconds) : minutesSeconds;
}

QString SummaryText(const DownloadSummary& summary) {
    const QString albums =
        summary.albums > 0 ? QStringLiteral("%1 albums: ").arg(summary.albums) : QString();
    return albums + QStringLiteral("%1 pictures downloaded, %2 skipped, %3 failed, in %4")
                        .arg(summary.saved)
                        .arg(summary.skipped)
                        .arg(summary.failed)
                        .arg(summary.folder);
}

TerminalProgress::TerminalProgress()
    : CliJobObserver(false), m_startMs(pacer().nowMs()), m_albumStartMs(m_startMs) {}

// Whatever ends the command, its last step stays in view and the shell's
// prompt starts on a row of its own.
TerminalProgress::~TerminalProgress() {
    endLiveLine();
}

void TerminalProgress::statusLine(const QString& text) {
    std::lock_guard lock(m_mutex);
    // Once an album runs, its line says more than the status.
    if (m_position == 0 && !text.isEmpty())
        showLiveLine(text);
}

void TerminalProgress::detailLine(const QString& text) {
    std::lock_guard lock(m_mutex);
    // While an album's pictures are listed, the count found so far.
    if (m_total == 0 && !text.isEmpty())
        showLiveLine(m_position ? albumText() + QStringLiteral("  ") + text : text);
}

void TerminalProgress::albumStarted(int position, int count, const QString& name) {
    std::lock_guard lock(m_mutex);
    m_before += m_bytes;
    m_position = position;
    m_count = count;
    m_name = name;
    m_albumStartMs = pacer().nowMs();
    m_done = m_total = 0;
    m_bytes = 0;
    showLiveLine(albumText());
}

void TerminalProgress::progress(int done, int total, qint64 bytes) {
    std::lock_guard lock(m_mutex);
    // A list of addresses may be downloaded in several rounds.
    if (total != m_total || done < m_done)
        m_before += m_bytes;
    m_done = done;
    m_total = total;
    m_bytes = bytes;
    const QString pictures = picturesText(pacer().nowMs());
    showLiveLine(m_position ? albumText() + QStringLiteral("  ") + pictures : pictures);
}

// The summary takes the live line's place.
void TerminalProgress::finished(const DownloadSummary& summary) {
    printProgress(SummaryText(summary));
}

QString TerminalProgress::albumText() const {
    return QStringLiteral("[%1/%2] %3").arg(m_position).arg(m_count).arg(m_name);
}

// "12/40 pictures  3.2 MiB  850.0 KiB/s  0:34 left": the rate over the whole
// job, the time left from this album's pace so far.
QString TerminalProgress::picturesText(qint64 nowMs) const {
    QString text = QStringLiteral("%1/%2 pictures  %3")
                       .arg(m_done)
                       .arg(m_total)
                       .arg(ByteText(m_before + m_bytes));
    const qint64 elapsedMs = nowMs - m_startMs;
    if (elapsedMs > 0)
        text += QStringLiteral("  %1/s").arg(ByteText((m_before + m_bytes) * 1000 / elapsedMs));
    const qint64 albumMs = nowMs - m_albumStartMs;
    if (m_done > 0 && m_done < m_total && albumMs > 0)
        text += QStringLiteral("  %1 left")
                    .arg(DurationText(albumMs * (m_total - m_done) / m_done / 1000));
    return text;
}

} // namespace phodex::cli
