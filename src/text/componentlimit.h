// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// Linux file systems take at most 255 bytes per path component, counted in
// UTF-8. Every folder and file name the program makes is fitted to that.
namespace phodex {

inline constexpr qsizetype kMaxComponentBytes = 255;

qsizetype Utf8Length(const QString& text);

// The longest prefix of text whose UTF-8 form has at most maxBytes bytes. The
// cut falls between code points, never inside a surrogate pair.
QString CutToBytes(const QString& text, qsizetype maxBytes = kMaxComponentBytes);

} // namespace phodex
