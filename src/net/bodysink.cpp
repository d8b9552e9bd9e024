// SPDX-License-Identifier: MIT
#include "net/bodysink.h"

#include "net/bodymarkers.h"
#include "net/failure.h"
#include "net/partfile.h"

#include <QCoreApplication>

namespace phodex {

BodySink::BodySink(const CUrlRequest& request, CUrlResponse& response, PartFile* file)
    : m_request(request), m_response(response), m_file(file) {}

qint64 BodySink::size() const {
    return m_file ? m_file->size() : m_response.body.size();
}

bool BodySink::begin(std::optional<quint64> contentLength) {
    // Markers cannot be found in compressed bytes; the page text applies them after inflating.
    m_cutMarkers = !m_file && !m_response.gzip;
    // A body cut at markers may stay small however long the reply is.
    const bool mayShrink =
        m_cutMarkers && !(m_request.startMarker.isEmpty() && m_request.endMarker.isEmpty());
    if (contentLength && !withinLimits(*contentLength, true, !m_file && !mayShrink)) {
        m_failure += QStringLiteral(" (Content-Length %1)").arg(*contentLength);
        return false;
    }
    if (m_file && !m_file->open()) {
        m_failure = QStringLiteral("cannot create %1: %2").arg(m_file->partPath(), m_file->error());
        if (m_file->diskFailed())
            noteWriteFailure(m_file->finalPath(), m_file->error());
        return false;
    }
    return true;
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
