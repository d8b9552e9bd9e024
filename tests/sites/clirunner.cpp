// SPDX-License-Identifier: MIT
#include "sites/clirunner.h"

#include "support/fakesite.h"
#include "support/testtls.h"

#include <gtest/gtest.h>

namespace phodex::test {

void StartCli(QProcess& process, const FakeSite& site, const QString& workDir,
              const QStringList& arguments) {
    QStringList all{QStringLiteral("--work-dir"), workDir, QStringLiteral("--cacert"),
                    testCaFile()};
    for (const QString& rule : site.connectToRules())
        all << QStringLiteral("--connect-to") << rule;
    process.setWorkingDirectory(workDir);
    process.start(QStringLiteral(PHODEX_CLI), all + arguments);
}

CliRun RunCli(const FakeSite& site, const QString& workDir, const QStringList& arguments) {
    QProcess process;
    StartCli(process, site, workDir, arguments);
    EXPECT_TRUE(process.waitForFinished(120000)) << process.errorString().toStdString();
    return CliRun{process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                  QString::fromUtf8(process.readAllStandardError())};
}

} // namespace phodex::test
