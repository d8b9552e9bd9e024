// SPDX-License-Identifier: MIT
#pragma once

#include "core/jobcontext.h"
#include "jobs/jobthread.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

namespace phodex {

// The import and export commands: downloading a list file of picture
// addresses into the save folder, and writing the pictures of the ticked
// albums as such a list after listing them. Each runs on a thread of its own
// and counts as a download: downState guards it, the Download button stops it.
class PictureListJob {
public:
    explicit PictureListJob(const JobEnv& env);
    ~PictureListJob(); // asks the job to stop and waits for it
    PictureListJob(const PictureListJob&) = delete;
    PictureListJob& operator=(const PictureListJob&) = delete;

    // False when a download runs already (nothing starts then).
    bool startImport(const QStringList& addresses, const QString& folder,
                     const DownloadParams& params);
    bool startExport(const std::vector<int>& albums, Category listType, const QString& path);
    void wait();

private:
    // The picture addresses of one album as its site lists them, without
    // fallback addresses; on the calling thread, with downState running.
    static QStringList ListAlbumPictures(const JobEnv& env, Category listType, int albumIndex);

    bool start(std::function<void()> body);
    void end(const QString& status);
    void runImport(const QStringList& addresses, const QString& folder,
                   const DownloadParams& params);
    void runExport(const std::vector<int>& albums, Category listType, const QString& path);

    JobEnv m_env;
    JobThread m_thread; // last: it ends before the rest goes
};

} // namespace phodex
