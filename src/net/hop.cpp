// SPDX-License-Identifier: MIT
#include "net/hop.h"

#include "net/appliednetconfig.h"
#include "net/bodysink.h"
#include "net/cookiejar.h"
#include "net/curloptions.h"
#include "net/headerblock.h"
#include "net/requestheaders.h"

namespace phodex {

namespace {

bool isRedirectStatus(int status) {
    return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

} // namespace

Hop::Hop(const CUrlRequest& request, CUrlResponse& response, BodySink& sink, int flags)
    : m_request(request), m_response(response), m_sink(sink), m_flags(flags) {}

Hop::Outcome Hop::run(CURL* handle, const AppliedNetConfig& config, const Target& target) {
    m_url = target.url;
    CurlList connectTo;
    CurlList headers;
    applySharedOptions(handle, config, m_request, m_flags, connectTo);
    applyMethod(handle, target.verb, target.body);
    const QByteArray jarCookies =
        (m_flags & kFetchNoCookies) ? QByteArray() : CookieJar::instance().cookieHeaderFor(m_url);
    for (const QByteArray& line : requestHeaderLines(m_request.headers, jarCookies))
        headers.append(line);
    // A leftover part file asks only for the rest, and only of the same body.
    QByteArray range;
    if (const ResumeRecord* resume = m_sink.resume()) {
        range = QByteArray::number(m_sink.size()) + '-';
        curl_easy_setopt(handle, CURLOPT_RANGE, range.constData());
        headers.append("If-Range: " + resume->validator);
    }
    curl_easy_setopt(handle, CURLOPT_HTTPHEADER, headers.get());
    curl_easy_setopt(handle, CURLOPT_URL, m_url.toEncoded(QUrl::RemoveFragment).constData());
    curl_easy_setopt(handle, CURLOPT_HEADERFUNCTION, &Hop::onHeader);
    curl_easy_setopt(handle, CURLOPT_HEADERDATA, this);
    curl_easy_setopt(handle, CURLOPT_WRITEFUNCTION, &Hop::onBody);
    curl_easy_setopt(handle, CURLOPT_WRITEDATA, this);
    curl_easy_setopt(handle, CURLOPT_XFERINFOFUNCTION, &Hop::onProgress);
    curl_easy_setopt(handle, CURLOPT_XFERINFODATA, this);
    curl_easy_setopt(handle, CURLOPT_NOPROGRESS, 0L);
    char errorText[CURL_ERROR_SIZE] = {};
    curl_easy_setopt(handle, CURLOPT_ERRORBUFFER, errorText);
    m_lastActivity = Clock::now();
    const CURLcode rc = curl_easy_perform(handle);
    if (m_failure.isEmpty() && rc != CURLE_OK)
        m_failure = QString::fromUtf8(*errorText ? errorText : curl_easy_strerror(rc));
    const Outcome outcome = finish(handle, rc);
    // Nothing set above may outlive this call; the connections stay open.
    curl_easy_reset(handle);
    return outcome;
}

Hop::Outcome Hop::finish(CURL* handle, CURLcode rc) {
    long connects = 0;
    curl_easy_getinfo(handle, CURLINFO_NUM_CONNECTS, &connects);
    addNewConnections(connects);
    // Stopping at the end marker is how a cut body ends.
    if (rc != CURLE_OK && !(rc == CURLE_WRITE_ERROR && m_bodyEnded))
        return Outcome::Failed;
    if (m_redirect) {
        char* next = nullptr;
        curl_easy_getinfo(handle, CURLINFO_REDIRECT_URL, &next);
        m_redirectUrl = next ? QUrl::fromEncoded(next)
                             : m_url.resolved(QUrl::fromEncoded(
                                   headerValue(m_block, "location").value_or(QByteArray())));
        return Outcome::Redirect;
    }
    if (!m_final) {
        m_failure = QStringLiteral("no reply header");
        return Outcome::Failed;
    }
    if (!m_sink.finish()) {
        m_failure = m_sink.failure();
        return Outcome::Failed;
    }
    return Outcome::Final;
}

size_t Hop::onHeader(char* data, size_t size, size_t count, void* self) {
    auto* hop = static_cast<Hop*>(self);
    const size_t n = size * count;
    return hop->takeHeaderLine(QByteArray(data, qsizetype(n))) ? n : 0;
}

bool Hop::takeHeaderLine(const QByteArray& line) {
    m_lastActivity = Clock::now();
    if (m_final || m_redirect) // trailers
        return true;
    if (line.startsWith("HTTP/")) {
        m_block = line;
        m_status = statusCodeOf(line);
        return true;
    }
    m_block += line;
    if (!(m_flags & kFetchNoCookies) && isHeaderNamed(line, "set-cookie"))
        CookieJar::instance().storeSetCookie(m_url, headerLineValue(line));
    return line.trimmed().isEmpty() ? endOfHeaderBlock() : true;
}

bool Hop::endOfHeaderBlock() {
    if (m_status >= 100 && m_status < 200)
        return true; // an interim reply; the real one follows
    if (isRedirectStatus(m_status) && headerValue(m_block, "location")) {
        m_redirect = true;
        return true;
    }
    m_final = true;
    m_response.headers = QString::fromUtf8(m_block);
    m_response.gzip = m_block.contains("gzip");
    if (m_sink.begin(m_block, m_status))
        return true;
    m_failure = m_sink.failure();
    return false;
}

size_t Hop::onBody(char* data, size_t size, size_t count, void* self) {
    return static_cast<Hop*>(self)->takeBody(data, size * count);
}

size_t Hop::takeBody(const char* data, size_t size) {
    m_lastActivity = Clock::now();
    if (!m_final)
        return size; // a redirect's body
    switch (m_sink.take(data, qsizetype(size))) {
    case BodySink::Take::More:
        return size;
    case BodySink::Take::Ended:
        m_bodyEnded = true;
        return 0;
    case BodySink::Take::Failed:
        m_failure = m_sink.failure();
        return 0;
    }
    return 0;
}

int Hop::onProgress(void* self, curl_off_t, curl_off_t, curl_off_t, curl_off_t uploaded) {
    auto* hop = static_cast<Hop*>(self);
    if (uploaded != hop->m_lastUpload) {
        hop->m_lastUpload = uploaded;
        hop->m_lastActivity = Clock::now();
    }
    if (isCancelled(hop->m_request)) {
        hop->m_failure = QStringLiteral("cancelled");
        return 1;
    }
    return hop->timedOut() ? 1 : 0;
}

// Up to the reply headers each step may take the connection time-out; after
// them the body may fall silent for at most the read time-out.
bool Hop::timedOut() {
    const bool readingBody = m_final || m_redirect;
    const std::uint32_t limitMs =
        readingBody ? m_request.readTimeoutMs : m_request.connectTimeoutMs;
    if (Clock::now() - m_lastActivity <= std::chrono::milliseconds(limitMs))
        return false;
    m_failure = readingBody ? QStringLiteral("no body data for %1 ms").arg(limitMs)
                            : QStringLiteral("no reply within %1 ms").arg(limitMs);
    return true;
}

} // namespace phodex
