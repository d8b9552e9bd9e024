// SPDX-License-Identifier: MIT
#pragma once

#include "core/downlist.h"
#include "core/session.h"
#include "settings/record.h"

#include <QString>

namespace phodex {

class JobObserver;

// The progress line the window shows for observer.progress(done, total).
QString ProgressText(int done, int total);
// With a single download thread the sites are given a rest between pictures.
inline constexpr qint64 kSingleThreadPauseMs = 2000;

struct DownloadOutcome {
    int total = 0; // pictures in the list
    int done = 0;  // pictures whose worker ended, whatever it achieved
    int saved = 0; // pictures whose file arrived
    bool stopped = false;
    int workersStarted = 0; // 0 with pictures to do: no thread could be started
    qint64 elapsedMs = 0;
};

// Downloads every picture of `list` into list.folder with at most
// params.threads transfers at a time, reporting observer.progress as workers
// end. A stop (session.stopFlag) ends the transfers in flight; either way
// every worker has ended, and no part file is left, when this returns.
// session.downloadsRunning is set while it runs.
DownloadOutcome DownloadManager(const CDownList& list, const DownloadParams& params,
                                Session& session, JobObserver& observer);

} // namespace phodex
