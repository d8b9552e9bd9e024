// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace phodex {

// Replaces the file at path ("1.txt" in the current folder when
// path is empty) and writes text as UTF-16LE after a byte order mark; the
// description and diagnostic text files are written this way. False when the
// file could not be written whole.
bool WriteUnicodeFile(const QString& path, const QString& text);

} // namespace phodex
