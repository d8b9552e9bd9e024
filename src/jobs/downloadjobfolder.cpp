// SPDX-License-Identifier: MIT
#include "jobs/downloadjobfolder.h"

#include "download/unicodefile.h"
#include "text/componentlimit.h"

#include <QFile>
#include <QtEndian>

#include <fcntl.h>
#include <sys/stat.h>

namespace phodex {

bool TouchFolder(const QString& path) {
    return ::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), nullptr, 0) == 0;
}

QString AlbumFilePath(const QString& folder, const QString& albumName, const QString& ext) {
    return folder + CutToBytes(albumName, kMaxComponentBytes - Utf8Length(ext)) + ext;
}

bool AppendTitleLine(const QString& path, const QString& text, bool first) {
    const QString line = text + QStringLiteral("\r\n");
    if (first)
        return WriteUnicodeFile(path, line);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    QByteArray bytes(2 * line.size(), Qt::Uninitialized);
    qToLittleEndian<quint16>(line.utf16(), line.size(), bytes.data());
    return file.write(bytes) == bytes.size();
}

} // namespace phodex
