// SPDX-License-Identifier: MIT
#include "net/bodysink.h"

#include "net/bodymarkers.h"
#include "net/failure.h"
#include "net/headerblock.h"
#include "net/partfile.h"

#include <QCoreApplication>

namespace phodex {

BodySink::BodySink(const CUrlRequest& request, CUrlResponse& response, PartFile* file)
    : m_request(request), m_response(response), m_file(file) {}

qint64 BodySink::size() const {
    return m_file ? m_file->size() : m_response.body.size();
}

void BodySink::findLeftover() {
    if (m_file)
        m_file->findLeftover(m_request.url);
}

const ResumeRecord* BodySink::resume() const {
    return m_file && m_file->resume() ? &*m_file->resume() : nullptr;
}

bool BodySink::begin(const QByteArray& headerBlock, int status) {
    // Markers cannot be found in compressed bytes; the page text applies them after inflating.
    m_cutMarkers = !m_file && !m_response.gzip;
    // A body cut at markers may stay small however long the reply is.
    const bool mayShrink =
        m_cutMarkers && !(m_request.startMarker.isEmpty() && m_request.endMarker.isEmpty());
    const bool continuing = status == 206 && resume();
    // A range the server cannot give (416) says the leftover is not part of
    // this body any more; it must never become the picture either.
    if ((continuing && !continuesLeftover(headerBlock)) || (status == 416 && resume())) {
        m_failure =
            QStringLiteral("the partial reply does not continue %1").arg(m_file->partPath());
        // Started afresh, the part file no longer offers to be continued.
        m_file->open();
        return false;
    }
    const std::optional<quint64> length =
        continuing ? std::optional(resume()->total) : contentLength(headerBlock);
    if (length && !withinLimits(*length, true, !m_file && !mayShrink)) {
        m_failure += QStringLiteral(" (Content-Length %1)").arg(*length);
        return false;
    }
    return !m_file || openFile(headerBlock, status, continuing);
}

// A partial reply continues the leftover when it is exactly the rest of the
// body whose start the part file holds.
bool BodySink::continuesLeftover(const QByteArray& headerBlock) const {
    const std::optional<ContentRange> range = contentRange(headerBlock);
    const quint64 total = resume()->total;
    return range && !m_response.gzip && range->first == quint64(m_file->size()) &&
           range->total == total && range->last + 1 == total;
}

bool BodySink::openFile(const QByteArray& headerBlock, int status, bool continuing) {
    if (continuing ? m_file->openToContinue() : m_file->open()) {
        const std::optional<quint64> length = contentLength(headerBlock);
        const QByteArray validator = RangeValidator(headerBlock);
        // Only a whole, uncompressed body of known size can be continued byte for byte.
        if (!continuing && status == 200 && !m_response.gzip && length && *length > 0 &&
            !validator.isEmpty())
            m_file->remember({m_request.url, validator, *length});
        return true;
    }
    m_failure = QStringLiteral("cannot create %1: %2").arg(m_file->partPath(), m_file->error());
    if (m_file->diskFailed())
        noteWriteFailure(m_file->finalPath(), m_file->error());
    return false;
}

BodySink::Take BodySink::take(const char* data, qsizetype size) {
    if (!m_file)
        return takeInMemory(data, size);
    if (!m_file->write(data, size)) {
        m_failure =
            QCoreApplication::translate("phodex::Net", "写入文件失败: %1").arg(m_file->error());
        noteWriteFailure(m_file->finalPath(), m_file->error());
        return Take::Failed;
    }
    return withinLimits(m_file->size(), false, false) ? Take::More : Take::Failed;
}

BodySink::Take BodySink::takeInMemory(const char* data, qsizetype size) {
    QByteArray& body = m_response.body;
    const qsizetype known = body.size();
    body.append(data, size);
    const bool ended =
        m_cutMarkers && cutAtMarkers(body, m_request.startMarker, m_request.endMarker, known);
    if (!withinLimits(body.size(), false, true))
        return Take::Failed;
    return ended ? Take::Ended : Take::More;
}

bool BodySink::finish() {
    return withinLimits(size(), true, !m_file);
}

// The request's limits, and the memory cap when asked. The minimum applies
// only to a whole body.
bool BodySink::withinLimits(quint64 size, bool complete, bool memoryCap) {
    const quint64 maxBytes = quint64(m_request.maxSizeKb) * 1024;
    if (maxBytes != 0 && size > maxBytes) {
        m_failure = QStringLiteral("body larger than %1 KB").arg(m_request.maxSizeKb);
        return false;
    }
    if (memoryCap && size > quint64(kMaxMemoryBody)) {
        m_failure = QStringLiteral("body larger than the memory limit");
        return false;
    }
    if (complete && size < quint64(m_request.minSizeKb) * 1024) {
        m_failure = QStringLiteral("body smaller than %1 KB").arg(m_request.minSizeKb);
        return false;
    }
    return true;
}

} // namespace phodex
