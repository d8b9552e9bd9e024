// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// Where the program keeps its files. Every folder ends with '/'.
namespace phodex {

struct WorkLocations {
    QString workDir;        // settings record, INI file, cookie file, diagnostics
    QString browserProfile; // the embedded browser's persistent profile
    QString thumbnailCache; // the album grid's thumbnails ("tmp/")
    bool portable = false;  // the current folder already held our files
};

// The current folder when it holds "soft.dat" or the INI file (portable use),
// else workDirOption (relative to the current folder) when not empty, which
// then also holds the profile and the cache; else the per-user config, data
// and cache locations. Only looks; makes nothing.
WorkLocations ResolveWorkLocations(const QString& currentDir, const QString& workDirOption);

// Resolves and makes the work folder. Returns its path, or "" with *error
// naming the folder level that could not be made.
QString PickWorkFolder(const QString& currentDir, const QString& workDirOption,
                       QString* error = nullptr);

} // namespace phodex
