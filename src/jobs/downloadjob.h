// SPDX-License-Identifier: MIT
#pragma once

#include "core/jobcontext.h"
#include "core/session.h"
#include "jobs/jobthread.h"
#include "jobs/serialprompt.h"

#include <QString>

#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

namespace phodex {

class AlbumLister;
class DownloadJobContext;
class ListedAlbum;

// What the download job is started with: copies of the window's inputs.
struct DownloadJobRequest {
    QString savePath;        // the save-path box text, as typed
    std::vector<int> albums; // the ticked albums (CAlbumList indices) in grid order
};

struct DownloadJobResult {
    bool started = false; // false: no save path, or its folders could not be made
    int albums = 0;       // albums ticked
    int pictures = 0;     // pictures handed to downloads or to list files
    int saved = 0;        // picture files that arrived
    int failed = 0;       // pictures of finished downloads that did not arrive
    bool stopped = false;
    QString folder;       // the folder of the last album processed
    QString writeFailure; // the first picture that could not be written, as shown
};

enum class DownloadStart { Started, StopRequested, Failed };

// The download job: the Download button, the job body with its albums, and
// the epilogue.
class DownloadJob {
public:
    explicit DownloadJob(const JobEnv& env);
    ~DownloadJob();
    DownloadJob(const DownloadJob&) = delete;
    DownloadJob& operator=(const DownloadJob&) = delete;

    // The Download button: starts the job on a thread of its own, or asks
    // the running one to stop.
    DownloadStart pressDownload(const DownloadJobRequest& request);
    // Waits until the job's thread has ended.
    void wait();
    // A whole job on the calling thread; nullopt when a download job runs.
    std::optional<DownloadJobResult> run(const DownloadJobRequest& request);
    DownloadJobResult lastResult() const;
    // The folder being filled ("" when no job runs): the window's Open button.
    QString currentFolder() const;

private:
    // What one job remembers from album to album.
    struct Progress {
        bool askedAfterStop = false;
        bool downloadAfterStop = false;
    };

    void body(const DownloadJobRequest& request);
    std::optional<QString> makeBasePath(const QString& savePath);
    void finish(DownloadJobContext& ctx, DownloadJobResult& result);
    void setContext(DownloadJobContext* ctx);
    // downloadjobalbums.cpp
    void runAlbums(DownloadJobContext& ctx, const std::vector<int>& albums,
                   DownloadJobResult& result);
    void runAlbum(ListedAlbum& album, AlbumLister& lister, Progress& progress,
                  DownloadJobResult& result);
    bool keepAfterStop(Progress& progress, int listed);
    void downloadAlbum(DownloadJobContext& ctx, bool afterStop, DownloadJobResult& result);

    SerialPrompt m_prompt;      // the job's threads ask one question at a time
    JobEnv m_env;               // with m_prompt
    mutable std::mutex m_mutex; // m_result, m_ctx
    DownloadJobResult m_result;
    DownloadJobContext* m_ctx = nullptr;
    JobThread m_thread; // last: it ends before the rest goes
};

// Asks a running download or picture-list job to stop: downState 3 and the
// stop flag, both lock-free, so a signal handler may call it.
void RequestDownloadStop(Session& session);

} // namespace phodex
