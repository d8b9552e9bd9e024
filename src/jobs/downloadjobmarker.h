// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// "pic.korvo" in an album folder remembers the first picture address of the
// album's last completed download, for the skip-previous option.
namespace phodex {

inline constexpr char kAlbumMarkerFileName[] = "pic.korvo";

// The remembered address; "" when the folder has no marker. Only the text up
// to the first line end counts (older markers may hold a fallback after it).
QString ReadAlbumMarker(const QString& folder);

// Stores address (UTF-16LE, no byte order mark, no line end); only its part
// before a fallback is kept. False when the file could not be written.
bool WriteAlbumMarker(const QString& folder, const QString& address);

} // namespace phodex
