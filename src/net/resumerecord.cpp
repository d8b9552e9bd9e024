// SPDX-License-Identifier: MIT
#include "net/resumerecord.h"

#include "net/headerblock.h"

#include <QFile>
#include <QList>
#include <sys/xattr.h>

namespace phodex {

namespace {

constexpr char kAttribute[] = "user.phodex.resume";
constexpr qsizetype kMaxRecord = 16 * 1024;

} // namespace

bool WriteResumeRecord(int fd, const ResumeRecord& record) {
    const QByteArray text = "1\n" + record.url.toUtf8() + '\n' + record.validator + '\n' +
                            QByteArray::number(record.total);
    return text.size() <= kMaxRecord &&
           fsetxattr(fd, kAttribute, text.constData(), size_t(text.size()), 0) == 0;
}

std::optional<ResumeRecord> ReadResumeRecord(const QString& path) {
    QByteArray text(kMaxRecord, '\0');
    const ssize_t size =
        getxattr(QFile::encodeName(path).constData(), kAttribute, text.data(), size_t(text.size()));
    if (size <= 0)
        return std::nullopt;
    text.truncate(qsizetype(size));
    const QList<QByteArray> fields = text.split('\n');
    bool ok = false;
    const quint64 total = fields.size() == 4 ? fields[3].toULongLong(&ok) : 0;
    if (!ok || fields[0] != "1" || fields[1].isEmpty() || fields[2].isEmpty() || total == 0)
        return std::nullopt;
    return ResumeRecord{QString::fromUtf8(fields[1]), fields[2], total};
}

void RemoveResumeRecord(int fd) {
    fremovexattr(fd, kAttribute);
}

QByteArray RangeValidator(const QByteArray& block) {
    const std::optional<QByteArray> etag = headerValue(block, "etag");
    // A weak ETag cannot vouch for byte ranges.
    if (etag && etag->startsWith('"') && etag->size() > 2 && !etag->contains('\n'))
        return *etag;
    const std::optional<QByteArray> modified = headerValue(block, "last-modified");
    return modified && !modified->isEmpty() && !modified->contains('\n') ? *modified : QByteArray();
}

} // namespace phodex
