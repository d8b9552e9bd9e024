// SPDX-License-Identifier: MIT
#include "cli/output.h"

#include "cli/columns.h"

#include <sys/ioctl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>

namespace phodex::cli {
namespace {

// The workers' progress and a job's messages come from different threads.
std::mutex g_mutex;
bool g_liveShown = false;

void writeBytes(std::FILE* stream, const QByteArray& bytes) {
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
    std::fflush(stream);
}

// Carriage return, then erase to the end of the row.
void clearLiveLocked() {
    if (g_liveShown)
        writeBytes(stderr, QByteArrayLiteral("\r\x1b[K"));
    g_liveShown = false;
}

void writeLine(std::FILE* stream, const QString& line) {
    std::lock_guard lock(g_mutex);
    clearLiveLocked();
    writeBytes(stream, (line + u'\n').toUtf8());
}

int terminalColumns() {
    winsize size{};
    if (::ioctl(STDERR_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0)
        return size.ws_col;
    return 80;
}

} // namespace

void printLine(const QString& line) {
    writeLine(stdout, line);
}

void printError(const QString& message) {
    writeLine(stderr, QStringLiteral("phodex-cli: ") + message);
}

void printProgress(const QString& line) {
    writeLine(stderr, line);
}

bool stderrIsTerminal() {
    const char* term = std::getenv("TERM");
    return ::isatty(STDERR_FILENO) == 1 && !(term && std::strcmp(term, "dumb") == 0);
}

void showLiveLine(const QString& line) {
    // The last column stays free: writing into it wraps on some terminals.
    const QString fitted = cutToColumns(line, terminalColumns() - 1);
    std::lock_guard lock(g_mutex);
    writeBytes(stderr, "\r" + fitted.toUtf8() + "\x1b[K");
    g_liveShown = true;
}

void endLiveLine() {
    std::lock_guard lock(g_mutex);
    if (g_liveShown)
        writeBytes(stderr, QByteArrayLiteral("\n"));
    g_liveShown = false;
}

} // namespace phodex::cli
