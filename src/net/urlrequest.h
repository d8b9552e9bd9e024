// SPDX-License-Identifier: MIT
#pragma once

#include "net/cancel.h"

#include <QByteArray>
#include <QString>

#include <atomic>
#include <cstdint>
#include <optional>

namespace phodex {

// Fetch flags.
enum FetchFlag : int {
    kFetchCacheWrite = 0x01, // acceptance checks judge the inflated body when it is gzip
    kFetchUseCache = 0x02,   // kept for the callers' sake: there is no HTTP cache
    kFetchNoCookies = 0x04,  // the shared cookie jar is neither read nor written
    kFetchIeAgent = 0x40,    // present the IE 11 agent instead of the Chrome one
};

// One HTTP request. Callers build it on their stack and may reuse it for
// several fetches, changing `url` and `headers` in between.
struct CUrlRequest {
    CUrlRequest() = default;
    CUrlRequest(const QString& url, const QString& savePath, std::uint32_t timeoutMs)
        : url(url), savePath(savePath), readTimeoutMs(timeoutMs), connectTimeoutMs(timeoutMs) {}

    QString url;
    QString verb = QStringLiteral("GET");
    QString headers; // extra request header lines separated by CR LF, sent as they are
    QByteArray startMarker;
    QByteArray endMarker;
    QByteArray retryMarker;
    QString savePath; // when set, the body streams to "<savePath>.part" and is renamed on success
    std::optional<QByteArray> postData;
    std::uint32_t readTimeoutMs = 20000;    // longest silence while the body arrives
    std::uint32_t connectTimeoutMs = 20000; // longest wait for each step up to the reply headers
    std::uint32_t minSizeKb = 0;
    std::uint32_t maxSizeKb = 0; // 0: no limit
    std::uint32_t minLength = 0; // accepted bodies are longer than this
    std::uint8_t attempts = 1;
    std::uint8_t pauseSeconds = 1;
    // When raised, ends the transfer in flight and gives up the remaining
    // attempts (the program is stopping). Unset: the stop flag of the job
    // the fetching thread works for (net/cancel.h).
    const std::atomic<bool>* cancel = nullptr;
};

inline bool isCancelled(const CUrlRequest& request) {
    return request.cancel ? request.cancel->load(std::memory_order_relaxed) : ThreadCancelled();
}

// The result of a fetch; callers reuse one across requests.
struct CUrlResponse {
    QString headers; // raw header block of the final reply, status line first
    QByteArray body; // stays empty when the request saves to a file
    QByteArray startMarker;
    QByteArray endMarker;
    bool gzip = false; // the header block mentions "gzip" somewhere
};

// A body held in memory, or inflated from one, may not grow beyond this.
inline constexpr qsizetype kMaxMemoryBody = qsizetype(64) << 20;

} // namespace phodex
