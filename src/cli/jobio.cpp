// SPDX-License-Identifier: MIT
#include "cli/jobio.h"

#include "cli/output.h"
#include "cli/terminalprogress.h"
#include "core/session.h"
#include "download/manager.h"
#include "jobs/downloadjob.h"
#include "jobs/listjob.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <atomic>
#include <csignal>

namespace phodex::cli {

void CliJobObserver::show(const QString& text) const {
    if (!m_quiet && !text.isEmpty())
        printProgress(text);
}

void CliJobObserver::progress(int done, int total, qint64) {
    show(ProgressText(done, total));
}

std::unique_ptr<CliJobObserver> MakeDownloadObserver(const ParsedOptions& options) {
    const bool quiet = options.has(QStringLiteral("quiet"));
    if (!quiet && stderrIsTerminal())
        return std::make_unique<TerminalProgress>();
    return std::make_unique<CliJobObserver>(quiet);
}

namespace {

// Messages keep their line breaks; each line is prefixed so that they stand
// out from the progress lines.
void printMessage(const QString& text) {
    for (const QString& line : text.split(QRegularExpression(QStringLiteral("\r?\n")))) {
        if (line.isEmpty())
            printProgress(line);
        else
            printError(line);
    }
}

} // namespace

void CliUserPrompt::information(const QString& text) {
    printMessage(text);
}

bool CliUserPrompt::askYesNo(const QString& text, const QString&) {
    printMessage(text);
    printError(m_yes ? QStringLiteral("-> yes (--yes)") : QStringLiteral("-> no"));
    return m_yes;
}

namespace {

std::atomic<Session*> g_session{nullptr};
volatile std::sig_atomic_t g_interrupted = 0;
void (*g_previous)(int) = SIG_DFL;

// Only lock-free atomics are touched here.
void onInterrupt(int) {
    if (g_interrupted) {
        std::signal(SIGINT, SIG_DFL);
        std::raise(SIGINT);
        return;
    }
    g_interrupted = 1;
    if (Session* session = g_session.load()) {
        RequestListStop(*session);
        if (session->downState.load() != kDownIdle)
            RequestDownloadStop(*session);
    }
}

} // namespace

StopOnInterrupt::StopOnInterrupt(Session& session) {
    g_interrupted = 0;
    g_session = &session;
    g_previous = std::signal(SIGINT, onInterrupt);
}

StopOnInterrupt::~StopOnInterrupt() {
    std::signal(SIGINT, g_previous);
    g_session = nullptr;
}

bool StopOnInterrupt::interrupted() {
    return g_interrupted != 0;
}

} // namespace phodex::cli
