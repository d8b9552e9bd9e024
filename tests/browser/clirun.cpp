// SPDX-License-Identifier: MIT
#include "clirun.h"

#include "browserworld.h"
#include "support/childprogram.h"
#include "support/testtls.h"
#include "testpaths.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace phodex::test {

CliRun RunCli(const QString& workDir, const QStringList& arguments) {
    QStringList all{QStringLiteral("--work-dir"), workDir, QStringLiteral("--cacert"),
                    testCaFile()};
    for (const QString& rule : BrowserWorld::site().connectToRules())
        all << QStringLiteral("--connect-to") << rule;
    ChildProgram cli;
    // The program makes its browser switches itself, from its own options.
    cli.unsetEnvironment(QStringLiteral("QTWEBENGINE_CHROMIUM_FLAGS"));
#ifdef __SANITIZE_ADDRESS__
    QFile leaks(QDir(workDir).filePath(QStringLiteral("lsan.supp")));
    if (leaks.open(QIODevice::WriteOnly)) {
        leaks.write(kEngineLeaks);
        leaks.close();
    }
    cli.setEnvironment(QStringLiteral("ASAN_OPTIONS"), QLatin1String(kEngineAsanOptions));
    cli.setEnvironment(QStringLiteral("LSAN_OPTIONS"),
                       QStringLiteral("suppressions=") + leaks.fileName());
#endif
    cli.setWorkingDirectory(workDir);
    const CliRun run = RunProgram(cli, QStringLiteral(PHODEX_CLI), all + arguments);
    EXPECT_NE(run.exitCode, -1) << run.err.toStdString();
    return run;
}

} // namespace phodex::test
