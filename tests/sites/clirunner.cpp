// SPDX-License-Identifier: MIT
#include "sites/clirunner.h"

#include "support/fakesite.h"
#include "support/testtls.h"

#include <cstring>

#include <gtest/gtest.h>

#include <poll.h>
#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <vector>

extern char** environ;

namespace phodex::test {
namespace {

// The work folder, the test CA and the rules that send every request to the site.
QStringList SiteArguments(const FakeSite& site, const QString& workDir) {
    QStringList all{QStringLiteral("--work-dir"), workDir, QStringLiteral("--cacert"),
                    testCaFile()};
    for (const QString& rule : site.connectToRules())
        all << QStringLiteral("--connect-to") << rule;
    return all;
}

// NUL-terminated pointer arrays over byte strings that outlive them.
std::vector<char*> PointersTo(std::vector<QByteArray>& strings) {
    std::vector<char*> pointers;
    for (QByteArray& each : strings)
        pointers.push_back(each.data());
    pointers.push_back(nullptr);
    return pointers;
}

// Reads the terminal's side until the program has closed its end; false
// when that took longer than the deadline.
bool ReadUntilClosed(int master, QByteArray& received) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(2);
    while (std::chrono::steady_clock::now() < deadline) {
        pollfd ready{master, POLLIN, 0};
        if (::poll(&ready, 1, 1000) <= 0)
            continue;
        char buffer[4096];
        const ssize_t got = ::read(master, buffer, sizeof buffer);
        if (got > 0)
            received.append(buffer, got);
        else if (got == 0 || errno != EINTR)
            return true; // EIO: every descriptor of the program's side is closed
    }
    return false;
}

} // namespace

void StartCli(QProcess& process, const FakeSite& site, const QString& workDir,
              const QStringList& arguments) {
    process.setWorkingDirectory(workDir);
    process.start(QStringLiteral(PHODEX_CLI), SiteArguments(site, workDir) + arguments);
}

CliRun RunCliOnTerminal(const FakeSite& site, const QString& workDir, const QStringList& arguments,
                        int columns) {
    // Everything the child needs is made before the fork: the site's
    // threads make anything but exec unsafe in it.
    std::vector<QByteArray> argv{QByteArrayLiteral(PHODEX_CLI)};
    for (const QString& each : SiteArguments(site, workDir) + arguments)
        argv.push_back(each.toUtf8());
    std::vector<QByteArray> env{QByteArrayLiteral("TERM=xterm")};
    for (char** each = environ; *each; ++each) {
        if (!QByteArray(*each).startsWith("TERM="))
            env.emplace_back(*each);
    }
    std::vector<char*> argp = PointersTo(argv);
    std::vector<char*> envp = PointersTo(env);
    const QByteArray folder = workDir.toUtf8();
    winsize size{};
    size.ws_row = 24;
    size.ws_col = static_cast<unsigned short>(columns);
    int master = -1;
    const pid_t pid = ::forkpty(&master, nullptr, nullptr, &size);
    if (pid < 0) {
        ADD_FAILURE() << "forkpty failed: " << std::strerror(errno);
        return {};
    }
    if (pid == 0) {
        if (::chdir(folder.constData()) == 0)
            ::execve(argp[0], argp.data(), envp.data());
        ::_exit(127);
    }
    QByteArray received;
    if (!ReadUntilClosed(master, received)) {
        ADD_FAILURE() << "still running after two minutes";
        ::kill(pid, SIGKILL);
    }
    ::close(master);
    int status = 0;
    ::waitpid(pid, &status, 0);
    return CliRun{WIFEXITED(status) ? WEXITSTATUS(status) : -1, QString::fromUtf8(received)};
}

CliRun RunCli(const FakeSite& site, const QString& workDir, const QStringList& arguments) {
    QProcess process;
    StartCli(process, site, workDir, arguments);
    EXPECT_TRUE(process.waitForFinished(120000)) << process.errorString().toStdString();
    return CliRun{process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                  QString::fromUtf8(process.readAllStandardError())};
}

} // namespace phodex::test
