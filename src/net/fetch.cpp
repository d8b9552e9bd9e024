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

// One attempt with the acceptance checks; a rejected part file is gone on return.
bool acceptedAttempt(CUrlResponse& response, const CUrlRequest& request, int flags) {
    const std::unique_ptr<PartFile> file = partFileFor(request);
    return runAttempt(response, request, flags, file.get()) &&
           acceptBody(response, request, flags, file.get()) && commit(file.get());
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
    for (int attempt = 0; attempt < request.attempts; ++attempt) {
        if (acceptedAttempt(response, request, flags))
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
