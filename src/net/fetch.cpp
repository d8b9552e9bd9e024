// SPDX-License-Identifier: MIT
#include "net/fetch.h"

#include "net/acceptance.h"
#include "net/attempt.h"
#include "net/curlhandle.h"
#include "net/failure.h"
#include "net/pacer.h"
#include "net/partfile.h"

#include <QCoreApplication>

#include <memory>

namespace phodex {

namespace {

std::unique_ptr<PartFile> partFileFor(const CUrlRequest& request) {
    return request.savePath.isEmpty() ? nullptr : std::make_unique<PartFile>(request.savePath);
}

// The accepted body takes its final name; a file that cannot be put there
// fails the attempt.
bool commit(PartFile* file) {
    if (!file || file->commit())
        return true;
    noteFailure(file->finalPath(),
                QCoreApplication::translate("phodex::Net", "写入文件失败: %1").arg(file->error()));
    if (file->diskFailed())
        noteWriteFailure(file->finalPath(), file->error());
    return false;
}

// One attempt with the acceptance checks. A rejected part file is gone on
// return; one whose transfer broke off stays for the next attempt when it can
// be continued.
bool acceptedAttempt(CUrlResponse& response, const CUrlRequest& request, int flags,
                     PartFile* file) {
    if (!runAttempt(response, request, flags, file)) {
        if (file)
            file->keepForNextAttempt();
        return false;
    }
    if (!acceptBody(response, request, flags, file)) {
        if (file)
            file->discard();
        return false;
    }
    return commit(file);
}

} // namespace

bool FetchOnce(CUrlResponse& response, const CUrlRequest& request, int flags) {
    const std::unique_ptr<PartFile> file = partFileFor(request);
    return runAttempt(response, request, flags, file.get()) && commit(file.get());
}

void CloseThreadConnections() {
    releaseThreadHandle();
}

bool Fetch(CUrlResponse& response, const CUrlRequest& request, int flags) {
    // Lives across the attempts, and takes with it whatever is left unfinished.
    const std::unique_ptr<PartFile> file = partFileFor(request);
    for (int attempt = 0; attempt < request.attempts; ++attempt) {
        if (acceptedAttempt(response, request, flags, file.get()))
            return true;
        if (isCancelled(request))
            return false;
        // The pause follows every failed attempt, the last one too.
        pacer().sleepMs(qint64(request.pauseSeconds) * 1000);
        if (isCancelled(request))
            return false;
    }
    return false;
}

} // namespace phodex
