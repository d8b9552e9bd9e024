// SPDX-License-Identifier: MIT
#pragma once

#include "net/resumerecord.h"

#include <QFile>
#include <QString>
#include <optional>

// A download in progress: the body goes to "<name>.part" and becomes <name>
// only when the transfer is accepted, so a final name never holds a partial
// or rejected body. The rename replaces an existing <name> only when this
// process wrote that file itself; anything else there is left alone, and the
// download fails unless that file already holds the very same bytes.
//
// A part file whose reply named a validator records how it may be continued
// (see ResumeRecord): a transfer that breaks off, or a run that is killed,
// leaves it for the next attempt to finish with a range request.
namespace phodex {

class PartFile {
public:
    explicit PartFile(const QString& finalPath);
    ~PartFile(); // discards an uncommitted file
    PartFile(const PartFile&) = delete;
    PartFile& operator=(const PartFile&) = delete;

    // Before a request: a part file of `url` left by an earlier attempt or run
    // that can be continued. Its size becomes size(); resume() tells how to
    // ask for the rest.
    void findLeftover(const QString& url);
    const std::optional<ResumeRecord>& resume() const { return m_resume; }

    // Creates (or empties) the part file; false when it cannot be created or
    // another thread is writing the same one.
    bool open();
    // Opens the leftover to append the rest of the body to it.
    bool openToContinue();
    // Records how this body may be continued should the transfer break off.
    void remember(const ResumeRecord& record);
    // The transfer broke off: the part file stays for the next attempt when it
    // can be continued, and is dropped otherwise.
    void keepForNextAttempt();
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
    bool claim();
    void release();

    QString m_finalPath;
    QFile m_file;
    qint64 m_size = 0;
    bool m_claimed = false;
    bool m_diskFailed = false;
    std::optional<ResumeRecord> m_resume;
    QString m_error;
};

// The part file name for a final path: "<name>.part", with the name shortened
// at a character boundary when the result would exceed 255 bytes.
QString partPathFor(const QString& finalPath);

} // namespace phodex
