// SPDX-License-Identifier: MIT
#include "settings/workfolder.h"

#include "settings/extension.h"
#include "settings/makefolder.h"
#include "settings/record.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace phodex {
namespace {

QString AsFolder(const QString& path) {
    QString folder = QDir::cleanPath(path);
    if (!folder.endsWith(u'/'))
        folder += u'/';
    return folder;
}

QString UserLocation(QStandardPaths::StandardLocation location) {
    return QStandardPaths::writableLocation(location) + QStringLiteral("/phodex/");
}

bool HoldsOurFiles(const QDir& dir) {
    return QFileInfo::exists(dir.filePath(QString::fromLatin1(kSettingsFileName))) ||
           QFileInfo::exists(dir.filePath(QString::fromUtf16(kExtensionIniName)));
}

} // namespace

WorkLocations ResolveWorkLocations(const QString& currentDir, const QString& workDirOption) {
    const QDir current(currentDir);
    WorkLocations where;
    if (HoldsOurFiles(current)) {
        where.portable = true;
        where.workDir = AsFolder(current.absolutePath());
    } else if (!workDirOption.isEmpty()) {
        const QString base = AsFolder(current.absoluteFilePath(workDirOption));
        where.workDir = base;
        where.browserProfile = base + QStringLiteral("browser/");
        where.thumbnailCache = base + QStringLiteral("tmp/");
        return where;
    } else {
        where.workDir = UserLocation(QStandardPaths::GenericConfigLocation);
    }
    where.browserProfile = UserLocation(QStandardPaths::GenericDataLocation) + "browser/";
    where.thumbnailCache = UserLocation(QStandardPaths::GenericCacheLocation) + "tmp/";
    return where;
}

QString PickWorkFolder(const QString& currentDir, const QString& workDirOption, QString* error) {
    const QString workDir = ResolveWorkLocations(currentDir, workDirOption).workDir;
    QString cause;
    const QString failed = MakeFolderPath(workDir, &cause);
    if (failed.isEmpty())
        return workDir;
    if (error)
        *error = QStringLiteral("cannot create folder %1: %2").arg(failed, cause);
    return QString();
}

} // namespace phodex
