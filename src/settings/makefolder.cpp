// SPDX-License-Identifier: MIT
#include "settings/makefolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace phodex {

QString MakeFolderPath(const QString& path, QString* cause) {
    const QString target = QDir::cleanPath(QDir(path).absolutePath());
    if (QFileInfo(target).isDir())
        return QString();
    QString level;
    for (const QString& part : target.split(u'/')) {
        level += part + u'/';
        if (part.isEmpty() || QFileInfo(level).isDir())
            continue;
        // Another process may have made it meanwhile; only a level that is
        // still missing (or a file) counts as the failure.
        if (::mkdir(QFile::encodeName(level).constData(), 0777) != 0 && !QFileInfo(level).isDir()) {
            if (cause)
                *cause = QString::fromLocal8Bit(std::strerror(errno));
            level.chop(1);
            return level;
        }
    }
    return QString();
}

} // namespace phodex
