// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace phodex::cli {

// One line of results on stdout, UTF-8.
void printLine(const QString& line);
// One line on stderr, prefixed with the program's name, for errors and notices.
void printError(const QString& message);
// One progress line on stderr, as it is.
void printProgress(const QString& line);

} // namespace phodex::cli
