// SPDX-License-Identifier: MIT
#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// phodex-cli as a user runs it, its requests sent to a fake site.
namespace phodex::test {

class FakeSite;

struct CliRun {
    int exitCode = -1; // -1 when the program crashed or did not finish
    QString err;
};

// Starts program (the built phodex-cli) in workDir, with that work folder,
// the test CA and the site's connect-to rules in front of arguments.
void StartCli(QProcess& process, const QString& program, const FakeSite& site,
              const QString& workDir, const QStringList& arguments);
// Runs it to its end (two minutes at most).
CliRun RunCli(const QString& program, const FakeSite& site, const QString& workDir,
              const QStringList& arguments);

} // namespace phodex::test
