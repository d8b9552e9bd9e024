// SPDX-License-Identifier: MIT
#include "support/clirunner.h"

#include "support/fakesite.h"
#include "support/testtls.h"

namespace phodex::test {

void StartCli(QProcess& process, const QString& program, const FakeSite& site,
              const QString& workDir, const QStringList& arguments) {
    QStringList all{QStringLiteral("--work-dir"), workDir, QStringLiteral("--cacert"),
                    testCaFile()};
    for (const QString& rule : site.connectToRules())
        all << QStringLiteral("--connect-to") << rule;
    process.setWorkingDirectory(workDir);
    process.start(program, all + arguments);
}

CliRun RunCli(const QString& program, const FakeSite& site, const QString& workDir,
              const QStringList& arguments) {
    QProcess process;
    StartCli(process, program, site, workDir, arguments);
    if (!process.waitForFinished(120000))
        return CliRun{-1, process.errorString() + u'\n' +
                              QString::fromUtf8(process.readAllStandardError())};
    return CliRun{process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                  QString::fromUtf8(process.readAllStandardError())};
}

} // namespace phodex::test
