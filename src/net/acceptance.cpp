// SPDX-License-Identifier: MIT
#include "net/acceptance.h"

#include "net/inflate.h"
#include "net/netlog.h"
#include "net/partfile.h"

namespace phodex {

namespace {

// The bytes to judge; false when they cannot be had within the memory limit.
bool judgedBytes(CUrlResponse& response, int flags, PartFile* file, QByteArray& bytes) {
    if (file && !file->readAll(bytes, kMaxMemoryBody)) {
        qCDebug(lcNet) << "cannot check" << file->partPath();
        return false;
    }
    const QByteArray& raw = file ? bytes : response.body;
    if (!((flags & kFetchCacheWrite) && response.gzip)) {
        if (!file)
            bytes = raw;
        return true;
    }
    QByteArray inflated;
    if (InflateChecked(raw, inflated) == InflateResult::TooLarge)
        return false;
    if (inflated.isEmpty()) {
        // Not compressed after all: judge it as it came.
        response.gzip = false;
        bytes = raw;
    } else {
        bytes = inflated;
    }
    return true;
}

} // namespace

bool acceptBody(CUrlResponse& response, const CUrlRequest& request, int flags, PartFile* file) {
    if (request.minLength == 0 && request.retryMarker.isEmpty())
        return (file ? file->size() : response.body.size()) > 0;
    QByteArray bytes;
    if (!judgedBytes(response, flags, file, bytes))
        return false;
    return bytes.size() > qsizetype(request.minLength) &&
           (request.retryMarker.isEmpty() || !bytes.contains(request.retryMarker));
}

} // namespace phodex
