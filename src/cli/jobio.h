// SPDX-License-Identifier: MIT
#pragma once

#include "cli/options.h"
#include "core/seams/jobobserver.h"
#include "core/seams/userprompt.h"

namespace phodex {
class Session;
}

// How the jobs talk to the user of the command line: progress and messages on
// stderr, questions answered from --yes/--no, Ctrl-C as the stop button.
namespace phodex::cli {

class CliJobObserver final : public JobObserver {
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
    void progress(int done, int total) override;
    void addressRecorded(const QString&) override {}

private:
    void show(const QString& text) const;
    bool m_quiet;
};

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
