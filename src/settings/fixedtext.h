// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// UTF-16LE texts in fixed-size, NUL-terminated arrays of a binary record.
namespace phodex {

// Reads up to the first NUL, and never beyond the array's units.
QString ReadFixedText(const char* field, int units);

// Writes text and a NUL, zero-filling the rest of the array. A text that does
// not fit is cut to units - 1, dropping a high surrogate left without its pair.
void WriteFixedText(char* field, int units, const QString& text);

} // namespace phodex
