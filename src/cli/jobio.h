// SPDX-License-Identifier: MIT
#pragma once

#include "cli/options.h"
#include "core/seams/jobobserver.h"
#include "core/seams/userprompt.h"

#include <memory>

namespace phodex {
class Session;
}

// How the jobs talk to the user of the command line: progress and messages on
// stderr, questions answered from --yes/--no, Ctrl-C as the stop button.
namespace phodex::cli {

// What a download command did, for the summary that ends a terminal's
// progress.
struct DownloadSummary {
    int albums = 0; // 0: a list of addresses, not albums
    int saved = 0;
    int skipped = 0; // listed but not fetched: a stop, or the list-only option
    int failed = 0;
    QString folder; // where the pictures are
};

// Each message and step as a line of its own.
class CliJobObserver : public JobObserver {
public:
    explicit CliJobObserver(bool quiet) : m_quiet(quiet) {}

    void albumsCleared() override {}
    void albumAdded(int) override {}
    void albumsRefilled() override {}
    void allAlbumsSelected() override {}
    void albumCaption(const QString&) override {}
    void statusLine(const QString& text) override { show(text); }
    void detailLine(const QString& text) override { show(text); }
    void jobStateChanged(JobKind, int) override {}
    void albumStarted(int, int, const QString&) override {}
    void progress(int done, int total, qint64 bytes) override;
    void addressRecorded(const QString&) override {}
    // The downloads have ended: plain lines need no summary.
    virtual void finished(const DownloadSummary&) {}

private:
    void show(const QString& text) const;
    bool m_quiet;
};

// The observer of a download command: one live line on a terminal, plain
// lines when stderr is not one; nothing with --quiet.
std::unique_ptr<CliJobObserver> MakeDownloadObserver(const ParsedOptions& options);

// Prints every message and question; answers yes only with --yes.
class CliUserPrompt final : public UserPrompt {
public:
    explicit CliUserPrompt(const ParsedOptions& options)
        : m_yes(options.has(QStringLiteral("yes")) && !options.has(QStringLiteral("no"))) {}

    void information(const QString& text) override;
    bool askYesNo(const QString& text, const QString& caption) override;

private:
    bool m_yes;
};

// While it lives, Ctrl-C asks the session's running jobs to stop, as the
// window's buttons do; a second Ctrl-C ends the program at once.
class StopOnInterrupt {
public:
    explicit StopOnInterrupt(Session& session);
    ~StopOnInterrupt();
    StopOnInterrupt(const StopOnInterrupt&) = delete;
    StopOnInterrupt& operator=(const StopOnInterrupt&) = delete;

    static bool interrupted();
};

} // namespace phodex::cli
