// SPDX-License-Identifier: MIT
#pragma once

#include <QFile>
#include <QString>

// A download in progress: the body goes to "<name>.part" and becomes <name>
// only when the transfer is accepted, so a final name never holds a partial
// or rejected body. The rename replaces an existing <name> only when this
// process wrote that file itself; anything else there is left alone, and the
// download fails unless that file already holds the very same bytes.
namespace phodex {

class PartFile {
public:
    explicit PartFile(const QString& finalPath);
    ~PartFile(); // discards an uncommitted file
    PartFile(const PartFile&) = delete;
    PartFile& operator=(const PartFile&) = delete;

    // Creates (or empties) the part file; false when it cannot be created or
    // another thread is writing the same one.
    bool open();
    bool isOpen() const { return m_file.isOpen(); }
    bool write(const char* data, qint64 size);
    qint64 size() const { return m_size; }
    // Reads the part file back (after the transfer) when it is at most `limit` bytes.
    bool readAll(QByteArray& out, qint64 limit);
    bool commit();
    void discard();

    const QString& finalPath() const { return m_finalPath; }
    QString partPath() const { return m_file.fileName(); }
    const QString& error() const { return m_error; }
    // The latest failure came from the file system (full, read-only, gone),
    // not from another download or a file of the user's in the way.
    bool diskFailed() const { return m_diskFailed; }

private:
    void release();

    QString m_finalPath;
    QFile m_file;
    qint64 m_size = 0;
    bool m_claimed = false;
    bool m_diskFailed = false;
    QString m_error;
};

// The part file name for a final path: "<name>.part", with the name shortened
// at a character boundary when the result would exceed 255 bytes.
QString partPathFor(const QString& finalPath);

} // namespace phodex
