// SPDX-License-Identifier: MIT
#include "clirun.h"

#include "browserworld.h"
#include "support/testtls.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

namespace phodex::test {

CliRun RunCli(const QString& workDir, const QStringList& arguments) {
    QStringList all{QStringLiteral("--work-dir"), workDir, QStringLiteral("--cacert"),
                    testCaFile()};
    for (const QString& rule : BrowserWorld::site().connectToRules())
        all << QStringLiteral("--connect-to") << rule;
    QProcess cli;
    // The program makes its browser switches itself, from its own options.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("QTWEBENGINE_CHROMIUM_FLAGS"));
#ifdef __SANITIZE_ADDRESS__
    QFile leaks(QDir(workDir).filePath(QStringLiteral("lsan.supp")));
    if (leaks.open(QIODevice::WriteOnly)) {
        leaks.write(kEngineLeaks);
        leaks.close();
    }
    environment.insert(QStringLiteral("ASAN_OPTIONS"), QLatin1String(kEngineAsanOptions));
    environment.insert(QStringLiteral("LSAN_OPTIONS"),
                       QStringLiteral("suppressions=") + leaks.fileName());
#endif
    cli.setProcessEnvironment(environment);
    cli.setWorkingDirectory(workDir);
    cli.start(QStringLiteral(PHODEX_CLI), all + arguments);
    EXPECT_TRUE(cli.waitForFinished(120000)) << cli.errorString().toStdString();
    CliRun run;
    run.exitCode = cli.exitStatus() == QProcess::NormalExit ? cli.exitCode() : -1;
    run.out = QString::fromUtf8(cli.readAllStandardOutput());
    run.err = QString::fromUtf8(cli.readAllStandardError());
    return run;
}

} // namespace phodex::test
