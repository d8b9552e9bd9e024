// SPDX-License-Identifier: MIT
#pragma once

#include "support/childprogram.h"

#include <QString>
#include <QStringList>

// phodex-cli run as a user runs it, its requests sent to a loopback fake
// site.
namespace phodex::test {

class FakeSite;

using CliRun = ProgramRun;

// Starts phodex-cli in workDir (also its work folder) with arguments.
// False when it could not start (the reason is in process.error()).
bool StartCli(ChildProgram& process, const FakeSite& site, const QString& workDir,
              const QStringList& arguments);
// Runs it to its end (at most two minutes).
CliRun RunCli(const FakeSite& site, const QString& workDir, const QStringList& arguments);

// Runs it to its end on a pseudo-terminal `columns` wide, as from an
// interactive shell; err is everything the terminal received (stdout and
// stderr alike), as UTF-8 with the terminal's line ends (CR LF).
CliRun RunCliOnTerminal(const FakeSite& site, const QString& workDir, const QStringList& arguments,
                        int columns);

} // namespace phodex::test
