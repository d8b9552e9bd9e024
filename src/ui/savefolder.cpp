// SPDX-License-Identifier: MIT
#include "ui/savefolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace phodex {

QString WithTrailingSlash(QString folder) {
    if (!folder.isEmpty() && !folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

StandardFolders SystemFolders() {
    StandardFolders folders;
    folders.pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    folders.documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    folders.temp = QDir::tempPath();
    return folders;
}

bool StartedFromTemp(const QString& currentDir, const QString& tempDir) {
    const QString dir = WithTrailingSlash(QDir::cleanPath(currentDir));
    const QString temp = WithTrailingSlash(QDir::cleanPath(tempDir));
    if (!tempDir.isEmpty() && dir.startsWith(temp))
        return true;
    return dir.contains(QStringLiteral("/temp/"), Qt::CaseInsensitive);
}

QString InitialSaveFolder(const QString& currentDir, const StandardFolders& folders,
                          const QString& recentSaved) {
    if (!recentSaved.isEmpty())
        return WithTrailingSlash(recentSaved);
    const QString base =
        StartedFromTemp(currentDir, folders.temp) ? folders.documents : folders.pictures;
    // A desktop without those folders still has a home.
    const QString root = base.isEmpty() ? QDir::homePath() : base;
    return WithTrailingSlash(root) + QLatin1String(kSaveFolderName) + QLatin1Char('/');
}

QString DroppedFolder(const QString& path) {
    if (path.isEmpty())
        return {};
    const QFileInfo info(path);
    if (info.isDir())
        return WithTrailingSlash(QDir::cleanPath(info.absoluteFilePath()));
    return WithTrailingSlash(info.absolutePath());
}

} // namespace phodex
