// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// What a part file needs to be continued later with a range request: the
// address it came from, the reply's validator and the whole body's size. It
// travels with the part file as an extended attribute, so a part file left by
// a killed run carries it, and a file system without such attributes simply
// never resumes.
namespace phodex {

struct ResumeRecord {
    QString url;
    QByteArray validator; // a strong ETag or a Last-Modified date, for If-Range
    quint64 total = 0;
};

bool WriteResumeRecord(int fd, const ResumeRecord& record);
std::optional<ResumeRecord> ReadResumeRecord(const QString& path);
void RemoveResumeRecord(int fd);

// The validator of a reply header block that If-Range may send back: a strong
// ETag, else Last-Modified; empty when the reply offers neither.
QByteArray RangeValidator(const QByteArray& block);

} // namespace phodex
