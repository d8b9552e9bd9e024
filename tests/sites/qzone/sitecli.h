// SPDX-License-Identifier: MIT
#pragma once

#include "support/fakesite.h"
#include "support/testtls.h"

#include <QProcess>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>

// phodex-cli as a user runs it, its requests sent to the fake site. The test
// program that includes this defines PHODEX_CLI as the path of the program.
namespace phodex::test {

struct CliRun {
    int exitCode = -1;
    QString err;
};

inline void StartCli(QProcess& process, const FakeSite& site, const QString& workDir,
                     const QStringList& arguments) {
    QStringList all{QStringLiteral("--work-dir"), workDir, QStringLiteral("--cacert"),
                    testCaFile()};
    for (const QString& rule : site.connectToRules())
        all << QStringLiteral("--connect-to") << rule;
    process.setWorkingDirectory(workDir);
    process.start(QStringLiteral(PHODEX_CLI), all + arguments);
}

inline CliRun RunCli(const FakeSite& site, const QString& workDir, const QStringList& arguments) {
    QProcess process;
    StartCli(process, site, workDir, arguments);
    EXPECT_TRUE(process.waitForFinished(120000)) << process.errorString().toStdString();
    return CliRun{process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                  QString::fromUtf8(process.readAllStandardError())};
}

} // namespace phodex::test
