// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

namespace phodex::cli {

// Reads the command line (without the program's name), sets up the work
// folder and the settings record, runs the command; returns the exit status.
// currentDir is where a portable installation would keep its files.
int runCli(const QStringList& arguments, const QString& currentDir);

} // namespace phodex::cli
