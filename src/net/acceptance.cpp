// SPDX-License-Identifier: MIT
#include "net/acceptance.h"

#include "net/failure.h"
#include "net/inflate.h"
#include "net/partfile.h"

namespace phodex {

namespace {

// The bytes to judge; false when they cannot be had within the memory limit.
bool judgedBytes(CUrlResponse& response, int flags, PartFile* file, QByteArray& bytes) {
    if (file && !file->readAll(bytes, kMaxMemoryBody)) {
        noteFailure(file->finalPath(), QStringLiteral("the file is too large to check"));
        return false;
    }
    const QByteArray& raw = file ? bytes : response.body;
    if (!((flags & kFetchCacheWrite) && response.gzip)) {
        if (!file)
            bytes = raw;
        return true;
    }
    QByteArray inflated;
    if (InflateChecked(raw, inflated) == InflateResult::TooLarge) {
        noteFailure(QString(), QStringLiteral("the reply inflates beyond the memory limit"));
        return false;
    }
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
    if (request.minLength == 0 && request.retryMarker.isEmpty()) {
        if ((file ? file->size() : response.body.size()) > 0)
            return true;
        noteFailure(request.url, QStringLiteral("the reply is empty"));
        return false;
    }
    QByteArray bytes;
    if (!judgedBytes(response, flags, file, bytes))
        return false;
    if (bytes.size() <= qsizetype(request.minLength)) {
        noteFailure(request.url, QStringLiteral("the reply is too short"));
        return false;
    }
    if (!request.retryMarker.isEmpty() && bytes.contains(request.retryMarker)) {
        noteFailure(request.url, QStringLiteral("the reply asks to try again"));
        return false;
    }
    return true;
}

} // namespace phodex
