// SPDX-License-Identifier: MIT
#include "net/partfile.h"

#include "net/renamenoreplace.h"
#include "text/componentlimit.h"

#include <QFileInfo>
#include <QSet>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <mutex>
#include <unistd.h>

namespace phodex {

namespace {

const QString kPartSuffix = QStringLiteral(".part");

// Files this process wrote (which a later download may replace) and part
// files being written right now (which no second writer may touch).
struct Registry {
    std::mutex mutex;
    QSet<QString> written;
    QSet<QString> inFlight;
};

Registry& registry() {
    static Registry r;
    return r;
}

QString absolute(const QString& path) {
    return QFileInfo(path).absoluteFilePath();
}

QString systemError() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

bool moveIntoPlace(const QString& part, const QString& final, bool mayReplace, QString& error,
                   bool& diskFailed) {
    const bool moved = mayReplace ? std::rename(QFile::encodeName(part).constData(),
                                                QFile::encodeName(final).constData()) == 0
                                  : RenameNoReplace(part, final);
    if (moved)
        return true;
    diskFailed = errno != EEXIST;
    error = diskFailed ? systemError() : QStringLiteral("%1 already exists").arg(final);
    return false;
}

// True when both files can be read and hold the same bytes.
bool SameBytes(const QString& a, const QString& b) {
    QFile first(a);
    QFile second(b);
    if (!first.open(QIODevice::ReadOnly) || !second.open(QIODevice::ReadOnly) ||
        first.size() != second.size())
        return false;
    constexpr qint64 kChunk = 64 * 1024;
    while (!first.atEnd()) {
        const QByteArray left = first.read(kChunk);
        if (left.isEmpty() || left != second.read(kChunk))
            return false;
    }
    return true;
}

} // namespace

QString partPathFor(const QString& finalPath) {
    const QFileInfo info(finalPath);
    const QString name = CutToBytes(info.fileName(), kMaxComponentBytes - kPartSuffix.size());
    const QString dir = finalPath.left(finalPath.size() - info.fileName().size());
    return dir + name + kPartSuffix;
}

PartFile::PartFile(const QString& finalPath)
    : m_finalPath(finalPath), m_file(partPathFor(finalPath)) {}

PartFile::~PartFile() {
    discard();
}

bool PartFile::claim() {
    if (m_claimed)
        return true;
    const QString key = absolute(partPath());
    Registry& r = registry();
    std::lock_guard lock(r.mutex);
    if (r.inFlight.contains(key)) {
        m_error = QStringLiteral("another download is writing %1").arg(partPath());
        return false;
    }
    r.inFlight.insert(key);
    m_claimed = true;
    return true;
}

void PartFile::findLeftover(const QString& url) {
    m_resume.reset();
    m_size = 0;
    if (!claim())
        return;
    const QFileInfo info(partPath());
    if (!info.isFile() || info.isSymLink() || info.size() <= 0)
        return;
    std::optional<ResumeRecord> record = ReadResumeRecord(partPath());
    if (!record || record->url != url || quint64(info.size()) >= record->total)
        return;
    m_resume = std::move(record);
    m_size = info.size();
}

bool PartFile::open() {
    m_resume.reset();
    m_size = 0;
    if (!claim())
        return false;
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)) {
        m_error = m_file.errorString();
        m_diskFailed = true;
        release();
        return false;
    }
    // An emptied leftover must not claim to be continuable.
    RemoveResumeRecord(m_file.handle());
    return true;
}

bool PartFile::openToContinue() {
    if (!m_resume || !claim())
        return false;
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) {
        m_error = m_file.errorString();
        m_diskFailed = true;
        return false;
    }
    if (m_file.size() != m_size) {
        m_file.close();
        m_error = QStringLiteral("%1 changed while it was being continued").arg(partPath());
        return false;
    }
    return true;
}

void PartFile::remember(const ResumeRecord& record) {
    if (m_file.isOpen() && WriteResumeRecord(int(m_file.handle()), record))
        m_resume = record;
}

void PartFile::keepForNextAttempt() {
    if (m_file.isOpen())
        m_file.close();
    if (!m_resume || m_size == 0)
        discard();
}

bool PartFile::write(const char* data, qint64 size) {
    if (m_file.write(data, size) != size) {
        m_error = m_file.errorString();
        m_diskFailed = true;
        return false;
    }
    m_size += size;
    return true;
}

bool PartFile::readAll(QByteArray& out, qint64 limit) {
    if (m_size > limit)
        return false;
    QFile in(partPath());
    if (!in.open(QIODevice::ReadOnly))
        return false;
    out = in.read(limit + 1);
    return out.size() == m_size;
}

bool PartFile::commit() {
    if (!m_file.isOpen())
        return false;
    // The finished picture carries nothing of how it was fetched.
    RemoveResumeRecord(m_file.handle());
    m_file.close();
    if (m_file.error() != QFileDevice::NoError) {
        m_error = m_file.errorString();
        m_diskFailed = true;
        discard();
        return false;
    }
    const QString key = absolute(m_finalPath);
    Registry& r = registry();
    std::unique_lock lock(r.mutex);
    const bool ours = r.written.contains(key);
    if (!moveIntoPlace(partPath(), m_finalPath, ours, m_error, m_diskFailed)) {
        // Downloading an album again finds its earlier pictures in place: a
        // file that already holds exactly these bytes is this download done.
        const bool alreadyThere = !ours && SameBytes(partPath(), m_finalPath);
        lock.unlock();
        discard();
        if (alreadyThere)
            m_error.clear();
        return alreadyThere;
    }
    r.written.insert(key);
    r.inFlight.remove(absolute(partPath()));
    m_claimed = false;
    return true;
}

void PartFile::discard() {
    m_resume.reset();
    if (m_file.isOpen())
        m_file.close();
    if (m_claimed) {
        QFile::remove(partPath());
        release();
    }
}

void PartFile::release() {
    Registry& r = registry();
    std::lock_guard lock(r.mutex);
    r.inFlight.remove(absolute(partPath()));
    m_claimed = false;
}

} // namespace phodex
