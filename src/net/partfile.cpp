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

bool PartFile::open() {
    const QString key = absolute(partPath());
    {
        Registry& r = registry();
        std::lock_guard lock(r.mutex);
        if (r.inFlight.contains(key)) {
            m_error = QStringLiteral("another download is writing %1").arg(partPath());
            return false;
        }
        r.inFlight.insert(key);
        m_claimed = true;
    }
    m_size = 0;
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)) {
        m_error = m_file.errorString();
        m_diskFailed = true;
        release();
        return false;
    }
    return true;
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
