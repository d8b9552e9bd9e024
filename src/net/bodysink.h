// SPDX-License-Identifier: MIT
#pragma once

#include "net/resumerecord.h"
#include "net/urlrequest.h"

#include <QString>
#include <optional>

// Where the body of the final reply goes while it is read: into
// `response.body` (cut at the request's markers unless it is compressed) or
// into a part file. Applies the request's size limits before, while and
// after reading.
namespace phodex {

class PartFile;

class BodySink {
public:
    enum class Take { More, Ended, Failed };

    BodySink(const CUrlRequest& request, CUrlResponse& response, PartFile* file);

    // Before the request: a leftover part file of the same address that the
    // request may ask the rest of (see resume()).
    void findLeftover();
    // The leftover to continue: the request asks for the bytes from size() on.
    const ResumeRecord* resume() const;
    // The reply headers are complete. False to fail before any body byte.
    bool begin(const QByteArray& headerBlock, int status);
    Take take(const char* data, qsizetype size);
    // The body is complete: the size checks on the whole of it.
    bool finish();

    qint64 size() const;
    const QString& failure() const { return m_failure; }

private:
    bool withinLimits(quint64 size, bool complete, bool memoryCap);
    Take takeInMemory(const char* data, qsizetype size);
    bool continuesLeftover(const QByteArray& headerBlock) const;
    bool openFile(const QByteArray& headerBlock, int status, bool continuing);

    const CUrlRequest& m_request;
    CUrlResponse& m_response;
    PartFile* m_file;
    bool m_cutMarkers = false;
    QString m_failure;
};

} // namespace phodex
