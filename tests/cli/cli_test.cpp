// SPDX-License-Identifier: MIT
#include "core/catalogue.h"
#include "phodexversion.h"
#include "settings/record.h"
#include "support/childprogram.h"
#include "testpaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace phodex {
namespace {

using RunResult = test::ProgramRun;

// Each test gets a fresh current folder, so the portable-folder rule never
// picks up files of another test, and never the user's own config folder.
class Cli : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_current.isValid());
        ASSERT_TRUE(m_work.isValid());
        m_workDir = m_work.filePath(QStringLiteral("work"));
    }

    // lang: the desktop language the program finds (LANG); empty: the test's own.
    RunResult run(const QStringList& arguments, const char* lang = nullptr) {
        test::ChildProgram process;
        if (lang) {
            for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
                process.unsetEnvironment(QLatin1String(name));
            process.setEnvironment(QStringLiteral("LANG"), QLatin1String(lang));
        }
        return runProgram(process, PHODEX_CLI, arguments);
    }

    // Runs the program to its end in the test's current folder.
    RunResult runProgram(test::ChildProgram& process, const char* program,
                         const QStringList& arguments) {
        process.setWorkingDirectory(m_current.path());
        const RunResult result =
            test::RunProgram(process, QString::fromUtf8(program), arguments, 60000);
        EXPECT_NE(result.exitCode, -1) << result.err.toStdString();
        return result;
    }

    RunResult runInWork(QStringList arguments, const char* lang = nullptr) {
        arguments.prepend(m_workDir);
        arguments.prepend(QStringLiteral("--work-dir"));
        return run(arguments, lang);
    }

    QTemporaryDir m_current;
    QTemporaryDir m_work;
    QString m_workDir;
};

QStringList linesOf(const QString& text) {
    QStringList lines = text.split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty()) {
        lines.removeLast();
    }
    return lines;
}

TEST_F(Cli, SitesListsTheCategoriesAndMakesTheFirstRunSettings) {
    const RunResult result = runInWork({QStringLiteral("sites")});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_TRUE(result.err.isEmpty()) << result.err.toStdString();

    const QStringList lines = linesOf(result.out);
    const QStringList captions = categoryCaptions();
    ASSERT_EQ(lines.size(), kCategoryCount);
    for (int i = 0; i < kCategoryCount; ++i) {
        EXPECT_EQ(lines[i], QStringLiteral("%1\t%2").arg(i).arg(captions[i]));
    }
    EXPECT_EQ(lines.first(), QStringLiteral("0\tQQ空间/QQ群/腾讯微博"));

    QFile written(QDir(m_workDir).filePath(QStringLiteral("soft.dat")));
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QByteArray bytes = written.readAll();
    EXPECT_EQ(bytes.size(), 19808);
    // The record a first run of the settings code makes on its own.
    QTemporaryDir fresh;
    SettingsRecord record;
    ASSERT_TRUE(LoadSettings(fresh.path(), record));
    QFile expected(QDir(fresh.path()).filePath(QStringLiteral("soft.dat")));
    ASSERT_TRUE(expected.open(QIODevice::ReadOnly));
    EXPECT_TRUE(bytes == expected.readAll());
}

TEST_F(Cli, SettingsMadeEarlierAreKept) {
    SettingsRecord record;
    ASSERT_TRUE(QDir().mkpath(m_workDir));
    ASSERT_TRUE(LoadSettings(m_workDir, record));
    ASSERT_TRUE(PushRecent(record, RecentList::Addresses, QStringLiteral("https://weibo.com/u/1")));
    ASSERT_TRUE(SaveSettings(m_workDir, record));

    ASSERT_EQ(runInWork({QStringLiteral("sites")}).exitCode, 0);
    SettingsRecord reread;
    ASSERT_TRUE(LoadSettings(m_workDir, reread));
    EXPECT_EQ(reread.recentAddresses.front(), QStringLiteral("https://weibo.com/u/1"));
}

struct ClassifyCase {
    QStringList options;
    const char* address;
    const char* expected; // ListType TAB SubType, the caption follows
};

TEST_F(Cli, ClassifyPrintsCategorySubTypeAndCaption) {
    const QString site = QStringLiteral("--site");
    const QString sub = QStringLiteral("--sub");
    const ClassifyCase cases[] = {
        {{}, "https://user.qzone.qq.com/123456789", "0\t0"},
        {{sub, "2"}, "https://user.qzone.qq.com/123456789", "0\t0"},
        {{}, "https://qun.qq.com/air/#!/12345678", "0\t1"},
        {{}, "http://t.qq.com/someone", "0\t2"},
        {{sub, "1"}, "123456789", "0\t1"},
        {{site, "5"}, "123456789", "5\t-1"},
        {{}, "https://tieba.baidu.com/p/6543210987", "1\t-1"},
        {{}, "https://weibo.com/u/1234567890", "4\t-1"},
        {{}, "https://movie.douban.com/subject/1292052/photos", "10\t-1"},
        {{}, "https://detail.tmall.com/item.htm?id=1", "11\t-1"},
        {{site, "9"}, "http://album.zol.com.cn/someone/", "16\t-1"},
        {{}, "https://www.szwego.com/static/index.html#/shop_detail/A1", "17\t-1"},
        {{}, "http://www.topit.me/album/123456", "20\t-1"},
        {{site, "7"}, "https://www.example.com/gallery", "7\t-1"},
    };
    for (const ClassifyCase& c : cases) {
        const QString address = QString::fromUtf8(c.address);
        QStringList arguments = c.options;
        arguments << QStringLiteral("classify") << address;
        const RunResult result = runInWork(arguments);
        ASSERT_EQ(result.exitCode, 0) << c.address << ": " << result.err.toStdString();
        const int listType = QString::fromLatin1(c.expected).section(u'\t', 0, 0).toInt();
        const QString expected =
            QString::fromLatin1(c.expected) + u'\t' + categoryCaption(categoryAt(listType)) + u'\n';
        EXPECT_EQ(result.out, expected) << c.address;
    }
}

TEST_F(Cli, ABadCommandLineIsOneLineOnStderrAndStatusOne) {
    const QStringList bad[] = {
        {QStringLiteral("--bogus"), QStringLiteral("sites")},
        {QStringLiteral("-x"), QStringLiteral("sites")},
        {QStringLiteral("frobnicate")},
        {},
        {QStringLiteral("classify")},
        {QStringLiteral("classify"), QStringLiteral("a"), QStringLiteral("b")},
        {QStringLiteral("sites"), QStringLiteral("extra")},
        {QStringLiteral("--site"), QStringLiteral("21"), QStringLiteral("sites")},
        {QStringLiteral("--site"), QStringLiteral("two"), QStringLiteral("sites")},
        {QStringLiteral("--sub"), QStringLiteral("3"), QStringLiteral("sites")},
        {QStringLiteral("--site=1"), QStringLiteral("--site=2"), QStringLiteral("sites")},
        {QStringLiteral("--help=yes")},
        {QStringLiteral("--version=2")},
        {QStringLiteral("sites"), QStringLiteral("--site")},
    };
    for (const QStringList& arguments : bad) {
        const QString shown = arguments.join(u' ');
        const RunResult result = runInWork(arguments);
        EXPECT_EQ(result.exitCode, 1) << shown.toStdString();
        EXPECT_TRUE(result.out.isEmpty()) << shown.toStdString();
        EXPECT_TRUE(result.err.endsWith(u'\n') && result.err.count(u'\n') == 1)
            << shown.toStdString() << ": " << result.err.toStdString();
        EXPECT_TRUE(result.err.startsWith(QStringLiteral("phodex-cli: ")))
            << result.err.toStdString();
    }
    // Nothing was set up for a command line that was refused.
    EXPECT_FALSE(QFileInfo::exists(m_workDir));
}

TEST_F(Cli, AWorkFolderThatCannotBeMadeIsASetUpError) {
    QFile blocker(m_work.filePath(QStringLiteral("file")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const RunResult result =
        run({QStringLiteral("--work-dir"), m_work.filePath(QStringLiteral("file/sub")),
             QStringLiteral("sites")});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(result.out.isEmpty());
    EXPECT_EQ(result.err.count(u'\n'), 1) << result.err.toStdString();
}

TEST_F(Cli, MessagesSpeakTheDesktopsLanguageUnlessLangChoosesOne) {
    const QString chinese = QStringLiteral("0\tQQ空间/QQ群/腾讯微博");
    const QString english = QStringLiteral("0\tQQ Zone/QQ groups/Tencent Weibo");
    const struct {
        const char* lang;
        QStringList options;
        const QString& firstLine;
    } cases[] = {
        {.lang = "zh_CN.UTF-8", .options = {}, .firstLine = chinese},
        {.lang = "zh_TW.UTF-8", .options = {}, .firstLine = chinese},
        {.lang = "en_US.UTF-8", .options = {}, .firstLine = english},
        {.lang = "de_DE.UTF-8", .options = {}, .firstLine = english},
        {.lang = "C", .options = {}, .firstLine = english},
        {.lang = "en_US.UTF-8",
         .options = {QStringLiteral("--lang"), QStringLiteral("zh")},
         .firstLine = chinese},
        {.lang = "zh_CN.UTF-8", .options = {QStringLiteral("--lang=en")}, .firstLine = english},
    };
    for (const auto& c : cases) {
        const RunResult result =
            runInWork(c.options + QStringList{QStringLiteral("sites")}, c.lang);
        ASSERT_EQ(result.exitCode, 0) << c.lang << ": " << result.err.toStdString();
        EXPECT_EQ(linesOf(result.out).value(0), c.firstLine) << c.lang;
    }

    const RunResult wrong =
        runInWork({QStringLiteral("--lang"), QStringLiteral("fr"), QStringLiteral("sites")});
    EXPECT_EQ(wrong.exitCode, 1);
    EXPECT_EQ(wrong.err, QStringLiteral("phodex-cli: option '--lang' wants zh or en, not 'fr'\n"));
}

TEST_F(Cli, EnglishReachesTheCommandsMessagesButNotTheirMachineOutput) {
    const RunResult classify =
        runInWork({QStringLiteral("classify"), QStringLiteral("https://weibo.com/u/1234567890")},
                  "en_US.UTF-8");
    EXPECT_EQ(classify.out, QStringLiteral("4\t-1\tSina albums/Sina Weibo\n"));

    const RunResult refused =
        runInWork({QStringLiteral("settings"), QStringLiteral("threads=16")}, "en_US.UTF-8");
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.err, QStringLiteral("phodex-cli: Invalid settings\n"));
    EXPECT_EQ(
        runInWork({QStringLiteral("settings"), QStringLiteral("threads=16")}, "zh_CN.UTF-8").err,
        QStringLiteral("phodex-cli: 参数错误\n"));

    // The settings the command prints are for scripts: the same in every language.
    const RunResult shown = runInWork({QStringLiteral("settings")}, "en_US.UTF-8");
    EXPECT_EQ(shown.out, runInWork({QStringLiteral("settings")}, "zh_CN.UTF-8").out);
    EXPECT_TRUE(linesOf(shown.out).contains(QStringLiteral("threads=5")))
        << shown.out.toStdString();
}

TEST_F(Cli, HelpGoesToStdout) {
    const RunResult general = run({QStringLiteral("--help")});
    EXPECT_EQ(general.exitCode, 0);
    EXPECT_TRUE(general.out.contains(QStringLiteral("classify ADDRESS")));
    const RunResult command = run({QStringLiteral("classify"), QStringLiteral("--help")});
    EXPECT_EQ(command.exitCode, 0);
    EXPECT_TRUE(command.out.startsWith(QStringLiteral("usage: phodex-cli [options] classify")));
}

// The first line is for scripts; the second names the libraries as they were
// loaded, for bug reports. Nothing is set up for it.
TEST_F(Cli, VersionNamesTheProgramThenItsLibraries) {
    const RunResult result = runInWork({QStringLiteral("--version")});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_TRUE(result.err.isEmpty()) << result.err.toStdString();
    const QStringList lines = linesOf(result.out);
    ASSERT_EQ(lines.size(), 2) << result.out.toStdString();
    EXPECT_EQ(lines[0], QStringLiteral("phodex-cli " PHODEX_VERSION));
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("Qt %1, libcurl ").arg(qVersion())))
        << lines[1].toStdString();
    EXPECT_TRUE(lines[1].contains(QStringLiteral(", ICU "))) << lines[1].toStdString();
    EXPECT_FALSE(QFileInfo::exists(m_workDir));
}

#ifdef PHODEX_APP
// The window program's command line is answered on the terminal: no display
// is needed (none is given here) and no window opens.
class AppCommandLine : public Cli {
protected:
    RunResult runApp(const QStringList& arguments) {
        test::ChildProgram process;
        process.unsetEnvironment(QStringLiteral("DISPLAY"));
        process.unsetEnvironment(QStringLiteral("WAYLAND_DISPLAY"));
        // Were a window to open, it would fail at once rather than show up.
        process.setEnvironment(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("none-such"));
        return runProgram(process, PHODEX_APP, arguments);
    }
};

TEST_F(AppCommandLine, HelpNamesEveryOption) {
    for (const QString& asked : {QStringLiteral("--help"), QStringLiteral("-h")}) {
        const RunResult result = runApp({asked});
        EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
        EXPECT_TRUE(result.err.isEmpty()) << result.err.toStdString();
        EXPECT_TRUE(result.out.startsWith(QStringLiteral("usage: phodex [options]\n")));
        for (const char* option :
             {"--work-dir DIR", "--connect-to HOST:PORT:HOST2:PORT2", "--cacert FILE", "--version"})
            EXPECT_TRUE(result.out.contains(QLatin1String(option))) << option;
    }
}

TEST_F(AppCommandLine, VersionNamesTheProgramThenItsLibraries) {
    const RunResult result = runApp({QStringLiteral("--version")});
    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    const QStringList lines = linesOf(result.out);
    ASSERT_EQ(lines.size(), 2) << result.out.toStdString();
    EXPECT_EQ(lines[0], QStringLiteral("phodex " PHODEX_VERSION));
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("Qt %1, libcurl ").arg(qVersion())));
}

TEST_F(AppCommandLine, ABadCommandLineIsOneLineOnStderrAndStatusOne) {
    const QStringList bad[] = {
        {QStringLiteral("--bogus")},
        {QStringLiteral("--work-dir")},
        {QStringLiteral("album-address")},
        {QStringLiteral("--version=2")},
    };
    for (const QStringList& arguments : bad) {
        const RunResult result = runApp(arguments);
        const std::string shown = arguments.join(u' ').toStdString();
        EXPECT_EQ(result.exitCode, 1) << shown;
        EXPECT_TRUE(result.out.isEmpty()) << shown;
        EXPECT_TRUE(result.err.startsWith(QStringLiteral("phodex: ")) &&
                    result.err.count(u'\n') == 1)
            << shown << ": " << result.err.toStdString();
    }
}
#endif

} // namespace
} // namespace phodex

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
