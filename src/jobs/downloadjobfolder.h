// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// The files the download job keeps beside an album's pictures.
namespace phodex {

// Sets the folder's access and modification times to now.
bool TouchFolder(const QString& path);

// folder + the album name + ext ("%s%s.txt", "%s%s.lst"), the name shortened
// so that the file name stays within the file system's limit.
QString AlbumFilePath(const QString& folder, const QString& albumName, const QString& ext);

// Adds one line (text and CR LF, UTF-16LE) to the title file; `first` starts
// the file anew with a byte order mark.
bool AppendTitleLine(const QString& path, const QString& text, bool first);

} // namespace phodex
