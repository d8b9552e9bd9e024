// SPDX-License-Identifier: MIT
#include "settings/makefolder.h"

#include <QDir>
#include <QFileInfo>

namespace phodex {

QString MakeFolderPath(const QString& path) {
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
        if (!QDir().mkdir(level) && !QFileInfo(level).isDir()) {
            level.chop(1);
            return level;
        }
    }
    return QString();
}

} // namespace phodex
