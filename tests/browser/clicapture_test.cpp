// SPDX-License-Identifier: MIT
// phodex-cli capture: the headless browser of the command line.
#include "browserworld.h"
#include "clirun.h"

#include <QFile>
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

    const test::CliRun run =
        test::RunCli(work.path(), {QStringLiteral("--cookies"), cookies, QStringLiteral("capture"),
                                   BrowserWorld::address("www.yupoo.com", "/cli/capture")});
    EXPECT_EQ(run.exitCode, 0) << qPrintable(run.err);
    EXPECT_EQ(run.out,
              QStringLiteral("<ul id=\"albums\"><li>summer</li></ul><script>document."
                             "getElementById('albums').innerHTML = '<li>summer</li>';</script>\n"));
    const auto request = BrowserWorld::site().lastRequestTo("/cli/capture");
    ASSERT_TRUE(request.has_value());
    EXPECT_NE(request->header("Cookie").find("clilogin=c1"), std::string::npos);
}

} // namespace
} // namespace phodex
