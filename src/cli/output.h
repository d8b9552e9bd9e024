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

// stderr is a terminal that can redraw a line in place.
bool stderrIsTerminal();
// The live progress line on such a terminal: drawn over its previous text,
// cut to the terminal's width. Any of the lines above first clears it, so
// they never mix; the next call draws it again.
void showLiveLine(const QString& line);
// Leaves the live line's last text as an ordinary line.
void endLiveLine();

} // namespace phodex::cli
