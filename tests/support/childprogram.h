// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <sys/types.h>

#include <map>
#include <optional>

namespace phodex::test {

// What a program the test ran left behind.
struct ProgramRun {
    int exitCode = -1; // -1: the program died of a signal or did not end
    QString out;
    QString err;
};

// A program a test starts, waits for, signals or kills.
//
// It is started with posix_spawn, never by forking the test: the fake sites'
// server threads make anything but exec unsafe in a forked copy of the test,
// and ThreadSanitizer cannot follow such a fork at all. Its standard output
// and error go to anonymous files, so a program that writes a lot never
// blocks on a full pipe while the test is busy elsewhere.
class ChildProgram {
public:
    ChildProgram() = default;
    ~ChildProgram(); // a program still running is killed and reaped
    ChildProgram(const ChildProgram&) = delete;
    ChildProgram& operator=(const ChildProgram&) = delete;

    void setWorkingDirectory(const QString& folder) { m_folder = folder; }
    // Changes one variable of the environment the program inherits from the
    // test; `unset` removes it.
    void setEnvironment(const QString& name, const QString& value);
    void unsetEnvironment(const QString& name);
    // Files the program writes may not grow past `bytes`: a write beyond
    // fails with EFBIG, as on a full disk, instead of killing the program.
    void limitFileSize(qint64 bytes) { m_fileSizeLimit = bytes; }
    // Standard input, output and error are this terminal (the program's side
    // of a pseudo-terminal) in place of /dev/null and the anonymous files.
    void useTerminal(int terminal) { m_terminal = terminal; }

    // False, with the reason in error(), when the program could not start.
    bool start(const QString& program, const QStringList& arguments);
    pid_t pid() const { return m_pid; }
    void signal(int number) const;
    // False when it is still running after `milliseconds`.
    bool waitForFinished(int milliseconds);

    int exitCode() const; // -1 when it died of a signal or has not ended
    QByteArray standardOutput() const;
    QByteArray standardError() const;
    QString error() const { return m_error; }
    ProgramRun result() const;

private:
    QString m_folder;
    std::map<QByteArray, std::optional<QByteArray>> m_environment;
    qint64 m_fileSizeLimit = -1;
    int m_terminal = -1;
    pid_t m_pid = -1;
    bool m_ended = false;
    int m_status = 0;
    int m_out = -1;
    int m_err = -1;
    QString m_error;
};

// Runs a program to its end, at most `milliseconds`; one still running then
// is killed, and its run has exit code -1 and says so in err.
ProgramRun RunProgram(ChildProgram& program, const QString& path, const QStringList& arguments,
                      int milliseconds = 120000);

} // namespace phodex::test
