// SPDX-License-Identifier: MIT
#pragma once

#include "core/downlist.h"
#include "core/session.h"
#include "settings/record.h"

#include <QCoreApplication>
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
    // "<folder>: <cause>" when a picture could not be written (folder full,
    // read-only or gone); "" when every failure was the site's.
    QString writeFailure;
    qint64 elapsedMs = 0;
};

// What the user is told when pictures could not be written; "" when none.
inline QString WriteFailureMessage(const DownloadOutcome& outcome) {
    return outcome.writeFailure.isEmpty()
               ? QString()
               : QCoreApplication::translate("phodex::Download", "无法保存图片：%1")
                     .arg(outcome.writeFailure);
}

// Downloads every picture of `list` into list.folder with at most
// params.threads transfers at a time, reporting observer.progress as workers
// end (with the bytes of the pictures saved so far). A stop (session.stopFlag) ends the transfers
// in flight; either way every worker has ended, and no part file is left, when this returns.
// session.downloadsRunning is set while it runs.
DownloadOutcome DownloadManager(const CDownList& list, const DownloadParams& params,
                                Session& session, JobObserver& observer);

} // namespace phodex
