// SPDX-License-Identifier: MIT
// phodex-cli capture: the headless browser of the command line.
#include "browserworld.h"
#include "support/testtls.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace phodex {
namespace {

using test::BrowserWorld;
using test::HtmlPage;

TEST(CliCapture, PrintsTheBodyWithTheImportedCookiesSent) {
    const std::string body = "<ul id=\"albums\"></ul><script>document.getElementById('albums')"
                             ".innerHTML = '<li>summer</li>';</script>";
    BrowserWorld::site().page("/cli/capture", HtmlPage("albums", body));
    const QTemporaryDir work;
    const QString cookies = work.filePath(QStringLiteral("cookies.txt"));
    QFile file(cookies);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("www.yupoo.com\tFALSE\t/\tTRUE\t0\tclilogin\tc1\n");
    file.close();

    QStringList arguments{QStringLiteral("--work-dir"), work.path(),
                          QStringLiteral("--cacert"),   test::testCaFile(),
                          QStringLiteral("--cookies"),  cookies};
    for (const QString& rule : BrowserWorld::site().connectToRules())
        arguments << QStringLiteral("--connect-to") << rule;
    arguments << QStringLiteral("capture")
              << BrowserWorld::address("www.yupoo.com", "/cli/capture");
    QProcess cli;
    // The program makes its browser switches itself, from its own options.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("QTWEBENGINE_CHROMIUM_FLAGS"));
#ifdef __SANITIZE_ADDRESS__
    QFile leaks(work.filePath(QStringLiteral("lsan.supp")));
    ASSERT_TRUE(leaks.open(QIODevice::WriteOnly));
    leaks.write(test::kEngineLeaks);
    leaks.close();
    environment.insert(QStringLiteral("ASAN_OPTIONS"), QLatin1String(test::kEngineAsanOptions));
    environment.insert(QStringLiteral("LSAN_OPTIONS"),
                       QStringLiteral("suppressions=") + leaks.fileName());
#endif
    cli.setProcessEnvironment(environment);
    cli.start(QStringLiteral(PHODEX_CLI), arguments);
    ASSERT_TRUE(cli.waitForFinished(120000));
    const QString err = QString::fromUtf8(cli.readAllStandardError());
    EXPECT_EQ(cli.exitCode(), 0) << qPrintable(err);
    EXPECT_EQ(QString::fromUtf8(cli.readAllStandardOutput()),
              QStringLiteral("<ul id=\"albums\"><li>summer</li></ul><script>document."
                             "getElementById('albums').innerHTML = '<li>summer</li>';</script>\n"));
    const auto request = BrowserWorld::site().lastRequestTo("/cli/capture");
    ASSERT_TRUE(request.has_value());
    EXPECT_NE(request->header("Cookie").find("clilogin=c1"), std::string::npos);
}

} // namespace
} // namespace phodex
