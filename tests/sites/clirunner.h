// SPDX-License-Identifier: MIT
#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// phodex-cli run as a user runs it, its requests sent to a loopback fake
// site. A test program that uses it defines PHODEX_CLI as the program's path.
namespace phodex::test {

class FakeSite;

struct CliRun {
    int exitCode = -1; // -1: the program crashed or did not end
    QString err;
};

// Starts phodex-cli in workDir (also its work folder) with arguments.
void StartCli(QProcess& process, const FakeSite& site, const QString& workDir,
              const QStringList& arguments);
// Runs it to its end (at most two minutes).
CliRun RunCli(const FakeSite& site, const QString& workDir, const QStringList& arguments);

// Runs it to its end on a pseudo-terminal `columns` wide, as from an
// interactive shell; err is everything the terminal received (stdout and
// stderr alike), as bytes of UTF-8 with the terminal's line ends (CR LF).
CliRun RunCliOnTerminal(const FakeSite& site, const QString& workDir, const QStringList& arguments,
                        int columns);

} // namespace phodex::test
