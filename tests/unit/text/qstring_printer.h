// SPDX-License-Identifier: MIT
#pragma once

#include <ostream>

#include <QString>

// Failed comparisons show the text itself instead of its bytes.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
