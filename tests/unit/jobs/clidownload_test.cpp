// SPDX-License-Identifier: MIT
// phodex-cli get-list, download and settings, run as a user would run them,
// against the loopback site.
#include "support/childprogram.h"
#include "support/eventually.h"
#include "support/fakesite.h"
#include "support/siteoption.h"
#include "support/testfiles.h"
#include "testpaths.h"
#include "text/codepage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <random>
#include <thread>

namespace phodex::test {
namespace {

using CliRun = ProgramRun;

std::string Jpeg(const std::string& text) {
    return std::string("\xFF\xD8\xFF\xE0", 4) + text;
}

class CliDownload : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(work.isValid() && save.isValid());
        site.get("/p/*", [](const httplib::Request& req, httplib::Response& res) {
            res.set_content(Jpeg(req.path), "image/jpeg");
        });
    }

    QStringList Command(const QStringList& arguments) const {
        return QStringList{"--work-dir", work.path(), "--proxy", "", "--quiet"} + arguments;
    }
    void Start(ChildProgram& process, const QStringList& arguments) const {
        process.setWorkingDirectory(work.path());
        ASSERT_TRUE(process.start(QStringLiteral(PHODEX_CLI), Command(arguments)))
            << process.error().toStdString();
    }
    static CliRun Finish(ChildProgram& process) {
        EXPECT_TRUE(process.waitForFinished(60000));
        return process.result();
    }
    CliRun Run(const QStringList& arguments) const {
        ChildProgram process;
        Start(process, arguments);
        return Finish(process);
    }
    QString Address(const std::string& path) const {
        return QString::fromStdString(site.httpUrl(path));
    }
    // A list file as the list-only option writes it: GBK, CR LF.
    QString WriteList(const QStringList& addresses) const {
        const QString path = work.filePath(QStringLiteral("list.lst"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        for (const QString& address : addresses)
            file.write(ToGbk(address) + "\r\n");
        return path;
    }
    QStringList SavedFiles() const {
        return QDir(save.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }
    // Waits until the site has seen n requests under path (or gives up).
    bool WaitForRequests(const std::string& path, int n) const {
        for (int i = 0; i < 1000 && site.countOf(path) < n; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        return site.countOf(path) >= n;
    }

    FakeSite site;
    QTemporaryDir work;
    QTemporaryDir save;
};

TEST_F(CliDownload, GetListDownloadsEveryAddressOfAGbkList) {
    QStringList addresses;
    for (int i = 1; i <= 30; ++i)
        addresses << Address("/p/" + std::to_string(i) + ".jpg");
    addresses << Address("/p/图片.jpg");
    const QString list = WriteList(addresses);
    const CliRun run = Run({"get-list", list, "--save", save.path(), "--threads", "4"});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QStringList files = SavedFiles();
    EXPECT_EQ(files.size(), 31) << files.join(u' ').toStdString();
    EXPECT_TRUE(files.contains(QStringLiteral("图片.jpg"))) << files.join(u' ').toStdString();
    EXPECT_EQ(ReadFile(save.filePath(QStringLiteral("7.jpg"))),
              QByteArray::fromStdString(Jpeg("/p/7.jpg")));
}

// Running the same list again into the same folder is a success that keeps
// every file; a file of the user's with the same name but other bytes is
// left alone and that picture counts as failed.
TEST_F(CliDownload, GetListAgainIntoTheSameFolderKeepsEveryFile) {
    const QString list = WriteList({Address("/p/1.jpg"), Address("/p/2.jpg")});
    const CliRun first = Run({"get-list", list, "--save", save.path()});
    ASSERT_EQ(first.exitCode, 0) << first.err.toStdString();
    const CliRun again = Run({"get-list", list, "--save", save.path()});
    EXPECT_EQ(again.exitCode, 0) << again.err.toStdString();
    EXPECT_EQ(SavedFiles(), (QStringList{"1.jpg", "2.jpg"}));

    WriteFile(save.filePath(QStringLiteral("2.jpg")), "the user's own picture");
    const CliRun third = Run({"get-list", list, "--save", save.path()});
    EXPECT_EQ(third.exitCode, 3) << third.err.toStdString();
    EXPECT_EQ(ReadFile(save.filePath(QStringLiteral("2.jpg"))), "the user's own picture");
    EXPECT_EQ(ReadFile(save.filePath(QStringLiteral("1.jpg"))),
              QByteArray::fromStdString(Jpeg("/p/1.jpg")));
    EXPECT_EQ(SavedFiles(), (QStringList{"1.jpg", "2.jpg"}));
}

TEST_F(CliDownload, GetListExitStatusSaysHowMuchArrived) {
    site.get("/gone/*", FakeSite::status(204, ""));
    const struct {
        QStringList paths;
        int exitCode;
    } cases[] = {
        {{"/p/1.jpg", "/p/2.jpg"}, 0},
        {{"/p/3.jpg", "/gone/4.jpg"}, 3},
        {{"/gone/5.jpg"}, 2},
    };
    for (const auto& c : cases) {
        QStringList addresses;
        for (const QString& path : c.paths)
            addresses << Address(path.toStdString());
        QTemporaryDir into;
        const CliRun run = Run({"get-list", WriteList(addresses), "--save", into.path()});
        EXPECT_EQ(run.exitCode, c.exitCode) << c.paths.join(u' ').toStdString() << "\n"
                                            << run.err.toStdString();
    }
    EXPECT_EQ(Run({"get-list", work.filePath(QStringLiteral("none.lst")), "--save", save.path()})
                  .exitCode,
              1);
    EXPECT_EQ(Run({"get-list", WriteList({}), "--save", save.path(), "--threads", "16"}).exitCode,
              1);
}

// Ctrl-C ends the transfers in flight: pictures that arrived stay whole, and
// no partial body is left under any name.
TEST_F(CliDownload, InterruptedGetListLeavesOnlyWholePictures) {
    const FakeSite::Handler stall = site.stall(500000);
    site.get("/slow/*", stall);
    QStringList addresses{Address("/p/1.jpg"), Address("/p/2.jpg")};
    for (int i = 1; i <= 20; ++i)
        addresses << Address("/slow/" + std::to_string(i) + ".jpg");
    ChildProgram process;
    Start(process, {"get-list", WriteList(addresses), "--save", save.path(), "--threads", "2"});
    ASSERT_TRUE(WaitForRequests("/slow/*", 2));
    process.signal(SIGINT);
    const CliRun run = Finish(process);
    EXPECT_EQ(run.exitCode, 3) << run.err.toStdString();
    EXPECT_EQ(SavedFiles(), (QStringList{"1.jpg", "2.jpg"}));
    EXPECT_EQ(ReadFile(save.filePath(QStringLiteral("2.jpg"))),
              QByteArray::fromStdString(Jpeg("/p/2.jpg")));
    EXPECT_EQ(site.countOf("/slow/*"), 2);
}

// A picture whose body arrives in pieces, so that a kill lands mid-transfer.
std::string SlowPicture(const std::string& path) {
    std::string body = Jpeg(path);
    for (int i = 0; body.size() < 24 * 1024; ++i)
        body += char('a' + (i * 7 + int(path.size())) % 26);
    return body;
}

// Whatever moment the program dies at, every picture under its final name is
// whole; the next run finishes the job, continuing the pictures the killed
// runs left half done, and leaves no part file behind.
TEST_F(CliDownload, KilledGetListNeverLeavesAPartialPictureAndTheNextRunFinishes) {
    site.get("/drip/*", [this](const httplib::Request& req, httplib::Response& res) {
        res.set_header("ETag", "\"" + req.path + "\"");
        // The server library answers a range request itself.
        site.slowDrip(SlowPicture(req.path), 2048, std::chrono::milliseconds(8))(req, res);
    });
    QStringList addresses;
    for (int i = 1; i <= 40; ++i)
        addresses << Address("/drip/" + std::to_string(i) + ".jpg");
    const QString list = WriteList(addresses);
    const QStringList command{"get-list", list, "--save", save.path(), "--threads", "4"};

    int killsMidTransfer = 0;
    const auto expectOnlyWholePictures = [&](int round) {
        bool partLeft = false;
        for (const QString& name : SavedFiles()) {
            if (name.endsWith(QStringLiteral(".part"))) {
                partLeft = true;
                continue;
            }
            EXPECT_EQ(ReadFile(save.filePath(name)),
                      QByteArray::fromStdString(SlowPicture("/drip/" + name.toStdString())))
                << "round " << round << ": " << name.toStdString();
        }
        killsMidTransfer += partLeft ? 1 : 0;
    };
    std::mt19937 random(20261211);
    std::uniform_int_distribution<int> moment(20, 500);
    for (int round = 1; round <= 20; ++round) {
        ChildProgram process;
        Start(process, command);
        const int before = int(site.requests().size());
        // Killing before the first request would test nothing.
        for (int i = 0; i < 1000 && int(site.requests().size()) == before; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        std::this_thread::sleep_for(std::chrono::milliseconds(moment(random)));
        process.signal(SIGKILL);
        ASSERT_TRUE(process.waitForFinished(10000));
        expectOnlyWholePictures(round);
    }
    // Otherwise the kills only ever hit between pictures and showed nothing.
    EXPECT_GT(killsMidTransfer, 0);
    const auto resumed = [&] {
        int count = 0;
        for (const ReceivedRequest& request : site.requestsTo("/drip/*"))
            count += request.header("Range").empty() ? 0 : 1;
        return count;
    };

    const CliRun last = Run(command);
    EXPECT_EQ(last.exitCode, 0) << last.err.toStdString();
    const QStringList files = SavedFiles();
    EXPECT_EQ(files.size(), 40) << files.join(u' ').toStdString();
    for (const QString& name : files)
        EXPECT_FALSE(name.endsWith(QStringLiteral(".part"))) << name.toStdString();
    expectOnlyWholePictures(21);
    EXPECT_GT(resumed(), 0);
}

// A save folder that fills up, or disappears mid-job: the user is told which
// folder and why, the pictures that arrived stay whole, and no part file or
// cut picture is left. The file size limit stands in for a full disk, so the
// test needs no mount.
TEST_F(CliDownload, AFullOrVanishedSaveFolderIsNamedWithTheCauseAndLeavesNoPartialFile) {
    const std::string big(60 * 1024, 'b');
    site.get("/big/*", [big](const httplib::Request& req, httplib::Response& res) {
        res.set_content(Jpeg(req.path) + big, "image/jpeg");
    });
    {
        ChildProgram process;
        process.limitFileSize(40 * 1024);
        Start(process, {"get-list", WriteList({Address("/p/1.jpg"), Address("/big/2.jpg")}),
                        "--save", save.path(), "--threads", "1"});
        const CliRun run = Finish(process);
        EXPECT_EQ(run.exitCode, 3) << run.err.toStdString();
        EXPECT_TRUE(
            run.err.contains(QStringLiteral("cannot save pictures in %1: ").arg(save.path())))
            << run.err.toStdString();
        EXPECT_EQ(SavedFiles(), QStringList{"1.jpg"});
    }
    {
        QTemporaryDir parent;
        const QString folder = parent.filePath(QStringLiteral("album"));
        site.get("/drip/*", [this](const httplib::Request& req, httplib::Response& res) {
            site.slowDrip(SlowPicture(req.path), 1024, std::chrono::milliseconds(20))(req, res);
        });
        ChildProgram process;
        Start(process, {"get-list", WriteList({Address("/drip/1.jpg")}), "--save", folder});
        ASSERT_TRUE(WaitForRequests("/drip/*", 1));
        // The program may create its part file between the listing of the
        // folder and its removal, which then fails on a folder not empty;
        // a user's second try removes it.
        ASSERT_TRUE(Eventually([&] { return QDir(folder).removeRecursively(); }));
        const CliRun run = Finish(process);
        EXPECT_EQ(run.exitCode, 2) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(QStringLiteral("cannot save pictures in %1: ").arg(folder)))
            << run.err.toStdString();
        EXPECT_FALSE(QFileInfo::exists(folder)) << "nothing made again behind the user's back";
    }
}

// A work folder that cannot be made is named with the cause.
TEST_F(CliDownload, AWorkFolderThatCannotBeMadeIsNamedWithTheCause) {
    const QString blocker = save.filePath(QStringLiteral("a-file"));
    WriteFile(blocker, "not a folder");
    ChildProgram process;
    const CliRun run = RunProgram(process, QStringLiteral(PHODEX_CLI),
                                  {"--work-dir", blocker + QStringLiteral("/work"), "sites"});
    EXPECT_NE(run.exitCode, 0);
    EXPECT_TRUE(run.err.contains(QStringLiteral("cannot create folder %1: ").arg(blocker)))
        << run.err.toStdString();
}

TEST_F(CliDownload, SettingsAreCheckedLikeTheDialogsAndSaved) {
    CliRun run = Run({"settings", SiteOption(Category::Shops), "threads=3", "timeout=10",
                      "main-pictures-only=on", "folder-mode=none", "file-prefix=?2) "});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    run = Run({"settings", SiteOption(Category::Shops), "description-pictures-only=on"});
    const QStringList lines = run.out.split(u'\n');
    for (const char* line : {"threads=3", "timeout=10", "folder-mode=none", "file-prefix=?2) ",
                             "main-pictures-only=off", "description-pictures-only=on"})
        EXPECT_TRUE(lines.contains(QLatin1String(line))) << line << "\n" << run.out.toStdString();
    // Instagram kept its own values.
    EXPECT_TRUE(
        Run({"settings", SiteOption(Category::Instagram)}).out.split(u'\n').contains("threads=5"));

    const struct {
        const char* assignment;
        const char* error;
    } refused[] = {
        {"threads=16", "参数错误"},        {"threads=0", "参数错误"},
        {"timeout=9", "参数错误"},         {"min-size=abc", "参数错误"},
        {"yupoo-large=on", "not offered"}, {"name-base=title", "name-base"},
        {"colour=red", "unknown setting"},
    };
    for (const auto& r : refused) {
        run = Run({"settings", SiteOption(Category::Shops), "threads=4", r.assignment});
        EXPECT_EQ(run.exitCode, 1) << r.assignment;
        EXPECT_TRUE(run.err.contains(QString::fromUtf8(r.error))) << run.err.toStdString();
    }
    // Nothing of a refused command was saved.
    EXPECT_TRUE(
        Run({"settings", SiteOption(Category::Shops)}).out.split(u'\n').contains("threads=3"));
}

TEST_F(CliDownload, DownloadOfAnAddressWithNoAlbumsIsNothingFound) {
    const CliRun run = Run({"download", SiteOption(Category::Instagram), "instagram.com/someone",
                            "--save", save.path()});
    EXPECT_EQ(run.exitCode, 2) << run.err.toStdString();
    EXPECT_TRUE(SavedFiles().isEmpty());
    EXPECT_EQ(Run({"download", "12345"}).exitCode, 1) << "no save folder given or remembered";
}

} // namespace
} // namespace phodex::test
