// SPDX-License-Identifier: MIT
// phodex-cli fetch against the loopback fake sites, run as a user would.
#include "support/childprogram.h"
#include "support/fakesite.h"
#include "support/gzip.h"
#include "support/testtls.h"
#include "text/codepage.h"
#include "testpaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace phodex::test {
namespace {

struct RunResult {
    int exitCode = -1;
    QByteArray out;
    QString err;
};

const QString kText = QStringLiteral("相册：春天 & 夏天");

std::string str(const QByteArray& bytes) {
    return bytes.toStdString();
}

class CliFetch : public ::testing::Test {
protected:
    RunResult run(const QStringList& arguments) {
        QStringList all = {QStringLiteral("--work-dir"), m_work.path(),
                           QStringLiteral("--cacert"),   testCaFile(),
                           QStringLiteral("--proxy"),    QString()};
        for (const QString& rule : site.connectToRules())
            all << QStringLiteral("--connect-to") << rule;
        ChildProgram process;
        process.setWorkingDirectory(m_work.path());
        const ProgramRun run = RunProgram(process, QStringLiteral(PHODEX_CLI), all + arguments, 60000);
        EXPECT_NE(run.exitCode, -1) << run.err.toStdString();
        // The page text is printed as it came: bytes, not UTF-8 read back.
        return RunResult{run.exitCode, process.standardOutput(), run.err};
    }

    FakeSite site;
    QTemporaryDir m_work;
};

// The page text of each character set, and of a compressed page, as printed.
TEST_F(CliFetch, PrintsThePageTextOfEachCharacterSet) {
    const QString html = QStringLiteral("<p>") + kText + QStringLiteral("&amp;</p>");
    site.page("/utf8", html.toUtf8().toStdString());
    site.page("/gbk", str(ToGbk(html)), "text/html; charset=GBK");
    site.page("/big5", "<p>\xA4\xA4\xA4\xE5</p>", "text/html");
    site.get("/gzip", [html](const httplib::Request&, httplib::Response& res) {
        res.set_header("Content-Encoding", "gzip");
        res.set_content(gzipBytes(html.toUtf8().toStdString()), "text/html; charset=utf-8");
    });
    const QString expected = QStringLiteral("<p>") + kText + QStringLiteral("&</p>\n");
    struct Case {
        const char* path;
        QStringList extra;
        QString text;
    } cases[] = {
        {"/utf8", {}, expected},
        {"/gbk", {}, expected}, // declared GBK wins over the default UTF-8
        {"/big5",
         {QStringLiteral("--text-flags"), QStringLiteral("0x09")},
         QStringLiteral("<p>中文</p>\n")},
        {"/gzip",
         {QStringLiteral("--header"), QStringLiteral("Accept-Encoding: gzip, deflate")},
         expected},
    };
    for (const Case& c : cases) {
        for (const char* scheme : {"http", "https"}) {
            const QString url = QStringLiteral("%1://www.douban.com%2")
                                    .arg(QLatin1String(scheme), QLatin1String(c.path));
            const RunResult result = run(QStringList{QStringLiteral("fetch"), url} + c.extra);
            EXPECT_EQ(result.exitCode, 0) << c.path << result.err.toStdString();
            EXPECT_EQ(QString::fromUtf8(result.out), c.text) << c.path << " " << scheme;
        }
    }
}

TEST_F(CliFetch, RawPrintsTheBodyBytesAndHeadersAreSent) {
    const std::string zipped = gzipBytes("<p>compressed</p>");
    site.get("/z", [zipped](const httplib::Request&, httplib::Response& res) {
        res.set_header("Content-Encoding", "gzip");
        res.set_content(zipped, "text/html");
    });
    const RunResult result =
        run({QStringLiteral("fetch"), QStringLiteral("https://www.douban.com/z"),
             QStringLiteral("--raw"), QStringLiteral("--header"),
             QStringLiteral("Referer: https://www.douban.com/"), QStringLiteral("--header"),
             QStringLiteral("X-Two: 2")});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_EQ(result.out, QByteArray(zipped.data(), qsizetype(zipped.size())));
    const ReceivedRequest sent = *site.lastRequestTo("/z");
    EXPECT_EQ(sent.header("Referer"), "https://www.douban.com/");
    EXPECT_EQ(sent.header("X-Two"), "2");
}

TEST_F(CliFetch, AFailedFetchIsOneLineOnStderrAndStatus2) {
    site.mountFaultRoutes();
    for (const char* url : {"https://www.douban.com/fault/204", "http://www.douban.com/fault/204",
                            "https://unknown-host.invalid/"}) {
        const RunResult result = run({QStringLiteral("fetch"), QLatin1String(url)});
        EXPECT_EQ(result.exitCode, 2) << url;
        EXPECT_TRUE(result.out.isEmpty()) << url;
        EXPECT_TRUE(result.err.startsWith(u"phodex-cli: cannot fetch "))
            << result.err.toStdString();
        EXPECT_EQ(result.err.count(u'\n'), 1) << result.err.toStdString();
    }
    const RunResult bad = run({QStringLiteral("fetch"), QStringLiteral("http://www.douban.com/"),
                               QStringLiteral("--text-flags"), QStringLiteral("lots")});
    EXPECT_EQ(bad.exitCode, 1);
}

// Imported cookies are sent; cookies a site sets are kept in the work folder
// for the next run.
TEST_F(CliFetch, CookiesAreImportedSentAndKept) {
    site.get("/set", FakeSite::setCookies({"session=abc; Path=/; Max-Age=3600"}));
    site.page("/show", "ok");
    const QString import = QDir(m_work.path()).filePath(QStringLiteral("browser-cookies.txt"));
    QFile file(import);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("# Netscape HTTP Cookie File\n"
               ".douban.com\tTRUE\t/\tFALSE\t4102444800\tuid\t42\n");
    file.close();
    RunResult result = run({QStringLiteral("fetch"), QStringLiteral("https://www.douban.com/set"),
                            QStringLiteral("--cookies"), import});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_EQ(site.lastRequestTo("/set")->header("Cookie"), "uid=42");
    result = run({QStringLiteral("fetch"), QStringLiteral("https://www.douban.com/show")});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    const std::string sent = site.lastRequestTo("/show")->header("Cookie");
    EXPECT_NE(sent.find("uid=42"), std::string::npos) << sent;
    EXPECT_NE(sent.find("session=abc"), std::string::npos) << sent;
}

} // namespace
} // namespace phodex::test

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
