// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace phodex::cli {

// The longest start of text that fits in `columns` of a terminal, cut
// between characters: Chinese and other wide characters take two columns,
// combining marks and control characters none.
QString cutToColumns(const QString& text, int columns);

} // namespace phodex::cli
