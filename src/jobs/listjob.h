// SPDX-License-Identifier: MIT
#pragma once

#include "core/jobcontext.h"
#include "core/session.h"
#include "jobs/jobthread.h"

#include <QString>

#include <functional>
#include <mutex>
#include <optional>

namespace phodex {

// What the album-list job is started with: copies of the window's inputs, so
// that nothing the user edits meanwhile reaches the running job.
struct ListJobRequest {
    QString address;                  // the address box text, as typed
    Category listType = Category::Qq; // the category box selection
    int subTypeBox = kNoSubType;      // the QQ sub-type box selection; kNoSubType when hidden
};

struct ListJobResult {
    int albumCount = 0;
    bool startAtOnce = false;     // the address named a single album or product
    bool addressRecorded = false; // the address became entry 0 of the history
};

enum class ListStart { Started, StopRequested, NotReady, Failed };

// The album-list job: the Get List button, the job body and its epilogue.
class ListJob {
public:
    // pressDownload does what the Download button does (it stops a running
    // download job, else starts one over the ticked albums); the epilogue
    // presses it when the address named a single album. Without it such a
    // request is only reported in the result (the command line's list).
    explicit ListJob(const JobEnv& env, std::function<void()> pressDownload = {});
    ~ListJob();
    ListJob(const ListJob&) = delete;
    ListJob& operator=(const ListJob&) = delete;

    // The Get List button: starts the job on a thread of its own, or asks the
    // running one to stop.
    ListStart pressGetList(const ListJobRequest& request);
    // Waits until the job's thread has ended.
    void wait();
    // A whole job on the calling thread; nullopt when the program is not ready
    // or a list job runs already.
    std::optional<ListJobResult> run(const ListJobRequest& request);
    ListJobResult lastResult() const;

private:
    bool prepare(const ListJobRequest& request);
    void body(const ListJobRequest& request);
    void epilogue(const QString& address, ListJobResult& result);
    void finishFolders();
    void pushHistory(const QString& address, ListJobResult& result);
    void startAtOnce();

    JobEnv m_env;
    std::function<void()> m_pressDownload;
    mutable std::mutex m_resultMutex;
    ListJobResult m_result;
    JobThread m_thread; // last: it ends before the rest goes
};

// Asks a running list job to stop: its state and its stop flag, both
// lock-free, so a signal handler may call it.
void RequestListStop(Session& session);

} // namespace phodex
