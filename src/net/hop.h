// SPDX-License-Identifier: MIT
#pragma once

#include "net/urlrequest.h"

#include <QUrl>
#include <chrono>
#include <curl/curl.h>
#include <optional>

namespace phodex {

class BodySink;
struct AppliedNetConfig;

// One exchange of an attempt: a request and its reply, which is either a
// redirect (its body dropped) or the final reply (its body to the sink).
class Hop {
public:
    enum class Outcome { Final, Redirect, Failed };
    struct Target {
        QUrl url;
        QByteArray verb;
        std::optional<QByteArray> body;
    };

    Hop(const CUrlRequest& request, CUrlResponse& response, BodySink& sink, int flags);
    Outcome run(CURL* handle, const AppliedNetConfig& config, const Target& target);

    int status() const { return m_status; }
    const QUrl& redirectUrl() const { return m_redirectUrl; }
    const QString& failure() const { return m_failure; }

private:
    using Clock = std::chrono::steady_clock;

    static size_t onHeader(char* data, size_t size, size_t count, void* self);
    static size_t onBody(char* data, size_t size, size_t count, void* self);
    static int onProgress(void* self, curl_off_t, curl_off_t, curl_off_t, curl_off_t);

    bool takeHeaderLine(const QByteArray& line);
    bool endOfHeaderBlock();
    size_t takeBody(const char* data, size_t size);
    bool timedOut();
    Outcome finish(CURL* handle, CURLcode rc);

    const CUrlRequest& m_request;
    CUrlResponse& m_response;
    BodySink& m_sink;
    int m_flags;
    QUrl m_url;
    QByteArray m_block;
    int m_status = 0;
    bool m_redirect = false; // a redirect's header block is complete
    bool m_final = false;    // the final reply's header block is complete
    bool m_bodyEnded = false;
    QUrl m_redirectUrl;
    Clock::time_point m_lastActivity;
    curl_off_t m_lastUpload = 0;
    QString m_failure;
};

} // namespace phodex
