// SPDX-License-Identifier: MIT
#include "sites/clirunner.h"

#include "support/fakesite.h"
#include "support/testtls.h"
#include "testpaths.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>

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

bool StartCli(ChildProgram& process, const FakeSite& site, const QString& workDir,
              const QStringList& arguments) {
    process.setWorkingDirectory(workDir);
    return process.start(QStringLiteral(PHODEX_CLI), SiteArguments(site, workDir) + arguments);
}

CliRun RunCliOnTerminal(const FakeSite& site, const QString& workDir, const QStringList& arguments,
                        int columns) {
    winsize size{};
    size.ws_row = 24;
    size.ws_col = static_cast<unsigned short>(columns);
    int master = -1;
    int terminal = -1;
    if (::openpty(&master, &terminal, nullptr, nullptr, &size) != 0) {
        ADD_FAILURE() << "openpty failed: " << std::strerror(errno);
        return {};
    }
    ::fcntl(master, F_SETFD, FD_CLOEXEC);
    ChildProgram process;
    process.useTerminal(terminal);
    process.setEnvironment(QStringLiteral("TERM"), QStringLiteral("xterm"));
    const bool started = StartCli(process, site, workDir, arguments);
    // Only the program holds the terminal now, so its end shows as EIO.
    ::close(terminal);
    if (!started) {
        ::close(master);
        ADD_FAILURE() << process.error().toStdString();
        return {};
    }
    QByteArray received;
    if (!ReadUntilClosed(master, received)) {
        ADD_FAILURE() << "still running after two minutes";
        process.signal(SIGKILL);
    }
    ::close(master);
    EXPECT_TRUE(process.waitForFinished(10000));
    return CliRun{process.exitCode(), {}, QString::fromUtf8(received)};
}

CliRun RunCli(const FakeSite& site, const QString& workDir, const QStringList& arguments) {
    ChildProgram process;
    process.setWorkingDirectory(workDir);
    const CliRun run =
        RunProgram(process, QStringLiteral(PHODEX_CLI), SiteArguments(site, workDir) + arguments);
    EXPECT_NE(run.exitCode, -1) << run.err.toStdString();
    return run;
}

} // namespace phodex::test
