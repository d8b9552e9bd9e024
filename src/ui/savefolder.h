// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// Where pictures go: the save folder the window starts with, and the folder a
// dropped file or folder stands for. Every folder ends with '/'.
namespace phodex {

inline constexpr char kSaveFolderName[] = "Albrio";

struct StandardFolders {
    QString pictures;
    QString documents;
    QString temp;
};

// The desktop's Pictures, Documents and temporary folders.
StandardFolders SystemFolders();

// True when the program was started from a temporary (or unpacked archive)
// folder: below the temp folder, or below a folder named "temp" in any case.
bool StartedFromTemp(const QString& currentDir, const QString& tempDir);

// The save folder at start-up: the most recent saved save folder when there
// is one; else Documents/Albrio/ for a program started from a temporary
// folder (which would vanish with the pictures), else Pictures/Albrio/.
QString InitialSaveFolder(const QString& currentDir, const StandardFolders& folders,
                          const QString& recentSaved);

// The folder a dropped path stands for: a folder itself, a file its folder.
// "" for an empty path.
QString DroppedFolder(const QString& path);

QString WithTrailingSlash(QString folder);

} // namespace phodex
