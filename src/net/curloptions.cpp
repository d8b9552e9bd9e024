// SPDX-License-Identifier: MIT
#include "net/curloptions.h"

#include "net/agents.h"

#include <QFile>
#include <algorithm>

namespace phodex {

namespace {

void applyTls(CURL* handle, const AppliedNetConfig& config) {
    if (config.config.insecure) {
        curl_easy_setopt(handle, CURLOPT_SSL_VERIFYPEER, 0L);
        curl_easy_setopt(handle, CURLOPT_SSL_VERIFYHOST, 0L);
    }
    if (!config.caFile.isEmpty())
        curl_easy_setopt(handle, CURLOPT_CAINFO, QFile::encodeName(config.caFile).constData());
}

} // namespace

void applySharedOptions(CURL* handle, const AppliedNetConfig& config, const CUrlRequest& request,
                        int flags, CurlList& connectTo) {
    curl_easy_setopt(handle, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(handle, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(handle, CURLOPT_FOLLOWLOCATION, 0L);
    curl_easy_setopt(handle, CURLOPT_SUPPRESS_CONNECT_HEADERS, 1L);
    curl_easy_setopt(handle, CURLOPT_USERAGENT, (flags & kFetchIeAgent) ? kIeAgent : kChromeAgent);
    // libcurl takes 0 as "its default"; the engine's 0 means no waiting at all.
    curl_easy_setopt(handle, CURLOPT_CONNECTTIMEOUT_MS,
                     long(std::max<std::uint32_t>(request.connectTimeoutMs, 1)));
    for (const QString& rule : config.config.connectTo)
        connectTo.append(rule.toUtf8());
    curl_easy_setopt(handle, CURLOPT_CONNECT_TO, connectTo.get());
    if (config.config.proxy)
        curl_easy_setopt(handle, CURLOPT_PROXY, config.config.proxy->toUtf8().constData());
    if (!config.config.reuseConnections) {
        curl_easy_setopt(handle, CURLOPT_FRESH_CONNECT, 1L);
        curl_easy_setopt(handle, CURLOPT_FORBID_REUSE, 1L);
    }
    applyTls(handle, config);
}

void applyMethod(CURL* handle, const QByteArray& verb, const std::optional<QByteArray>& body) {
    if (verb == "HEAD" && !body) {
        curl_easy_setopt(handle, CURLOPT_NOBODY, 1L);
        return;
    }
    if (verb == "GET" && !body) {
        curl_easy_setopt(handle, CURLOPT_HTTPGET, 1L);
        return;
    }
    const QByteArray& bytes = body ? *body : QByteArray();
    curl_easy_setopt(handle, CURLOPT_POSTFIELDSIZE_LARGE, curl_off_t(bytes.size()));
    curl_easy_setopt(handle, CURLOPT_COPYPOSTFIELDS, bytes.constData());
    if (verb != "POST")
        curl_easy_setopt(handle, CURLOPT_CUSTOMREQUEST, verb.constData());
}

} // namespace phodex
