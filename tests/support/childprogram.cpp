// SPDX-License-Identifier: MIT
#include "support/childprogram.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <thread>
#include <vector>

extern char** environ;

namespace phodex::test {
namespace {

// NUL-terminated pointer arrays over byte strings that outlive them.
std::vector<char*> PointersTo(std::vector<QByteArray>& strings) {
    std::vector<char*> pointers;
    for (QByteArray& each : strings)
        pointers.push_back(each.data());
    pointers.push_back(nullptr);
    return pointers;
}

QByteArray ReadWhole(int file) {
    QByteArray bytes;
    struct stat info {};
    if (file < 0 || ::fstat(file, &info) != 0)
        return bytes;
    bytes.resize(qsizetype(info.st_size));
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t got = ::pread(file, bytes.data() + done, size_t(bytes.size() - done), done);
        if (got <= 0)
            break;
        done += got;
    }
    bytes.truncate(done);
    return bytes;
}

} // namespace

ChildProgram::~ChildProgram() {
    if (m_pid > 0 && !m_ended) {
        ::kill(m_pid, SIGKILL);
        ::waitpid(m_pid, &m_status, 0);
    }
    for (int file : {m_out, m_err}) {
        if (file >= 0)
            ::close(file);
    }
}

void ChildProgram::setEnvironment(const QString& name, const QString& value) {
    m_environment[name.toLocal8Bit()] = value.toLocal8Bit();
}

void ChildProgram::unsetEnvironment(const QString& name) {
    m_environment[name.toLocal8Bit()] = std::nullopt;
}

bool ChildProgram::start(const QString& program, const QStringList& arguments) {
    std::vector<QByteArray> argv;
    if (m_fileSizeLimit >= 0) {
        // The shell sets the limit (in 512-byte blocks) and ignores SIGXFSZ,
        // which stays ignored across exec, then becomes the program.
        argv = {"/bin/sh", "-c",
                "trap '' XFSZ && ulimit -f " + QByteArray::number(m_fileSizeLimit / 512) +
                    " && exec \"$0\" \"$@\""};
    }
    argv.push_back(program.toLocal8Bit());
    for (const QString& each : arguments)
        argv.push_back(each.toLocal8Bit());

    std::vector<QByteArray> env;
    for (char** each = environ; *each; ++each) {
        const QByteArray entry(*each);
        if (!m_environment.contains(entry.left(entry.indexOf('='))))
            env.push_back(entry);
    }
    for (const auto& [name, value] : m_environment) {
        if (value)
            env.push_back(name + '=' + *value);
    }
    std::vector<char*> argp = PointersTo(argv);
    std::vector<char*> envp = PointersTo(env);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (m_terminal >= 0) {
        for (int stream : {0, 1, 2})
            posix_spawn_file_actions_adddup2(&actions, m_terminal, stream);
    } else {
        m_out = ::memfd_create("phodex-test-stdout", MFD_CLOEXEC);
        m_err = ::memfd_create("phodex-test-stderr", MFD_CLOEXEC);
        posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
        posix_spawn_file_actions_adddup2(&actions, m_out, 1);
        posix_spawn_file_actions_adddup2(&actions, m_err, 2);
    }
    // Nothing of the test (its sites' sockets above all) leaks into the program.
    posix_spawn_file_actions_addclosefrom_np(&actions, 3);
    const QByteArray folder = m_folder.toLocal8Bit();
    if (!folder.isEmpty())
        posix_spawn_file_actions_addchdir_np(&actions, folder.constData());
    // A terminal's program leads a session of its own, as from a shell.
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    if (m_terminal >= 0)
        posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID);

    const int failed =
        ::posix_spawn(&m_pid, argp[0], &actions, &attributes, argp.data(), envp.data());
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    if (failed != 0) {
        m_pid = -1;
        m_error = QStringLiteral("cannot start %1: %2")
                      .arg(program, QString::fromLocal8Bit(std::strerror(failed)));
        return false;
    }
    return true;
}

void ChildProgram::signal(int number) const {
    if (m_pid > 0 && !m_ended)
        ::kill(m_pid, number);
}

bool ChildProgram::waitForFinished(int milliseconds) {
    if (m_pid <= 0)
        return false;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    while (!m_ended) {
        const pid_t done = ::waitpid(m_pid, &m_status, WNOHANG);
        if (done == m_pid || (done < 0 && errno != EINTR)) {
            m_ended = true;
            break;
        }
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

int ChildProgram::exitCode() const {
    return m_ended && WIFEXITED(m_status) ? WEXITSTATUS(m_status) : -1;
}

QByteArray ChildProgram::standardOutput() const {
    return ReadWhole(m_out);
}

QByteArray ChildProgram::standardError() const {
    return ReadWhole(m_err);
}

ProgramRun ChildProgram::result() const {
    return ProgramRun{exitCode(), QString::fromUtf8(standardOutput()),
                      QString::fromUtf8(standardError())};
}

ProgramRun RunProgram(ChildProgram& program, const QString& path, const QStringList& arguments,
                      int milliseconds) {
    if (!program.start(path, arguments))
        return ProgramRun{-1, {}, program.error()};
    const bool ended = program.waitForFinished(milliseconds);
    if (!ended) {
        program.signal(SIGKILL);
        program.waitForFinished(10000);
    }
    ProgramRun run = program.result();
    if (!ended)
        run.err += QStringLiteral("\n[still running after %1 ms: killed]").arg(milliseconds);
    return run;
}

} // namespace phodex::test
