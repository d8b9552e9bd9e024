// SPDX-License-Identifier: MIT
#include "net/appliednetconfig.h"
#include "net/curlhandle.h"

#include <QFile>
#include <atomic>
#include <curl/curl.h>
#include <mutex>

namespace phodex {

namespace {

std::mutex g_mutex;
std::shared_ptr<const AppliedNetConfig> g_applied = std::make_shared<AppliedNetConfig>();
std::atomic<qint64> g_newConnections{0};

// HOST:PORT:HOST2:PORT2, where a host may be an IPv6 address in brackets.
bool validConnectTo(const QString& rule) {
    int colons = 0;
    bool inBrackets = false;
    for (QChar c : rule) {
        if (c == u'[')
            inBrackets = true;
        else if (c == u']')
            inBrackets = false;
        else if (c == u':' && !inBrackets)
            ++colons;
    }
    return colons == 3 && !inBrackets;
}

QByteArray systemCaBundle() {
    ensureCurlGlobalInit();
    CURL* probe = curl_easy_init();
    char* path = nullptr;
    QByteArray bundle;
    if (probe && curl_easy_getinfo(probe, CURLINFO_CAINFO, &path) == CURLE_OK && path) {
        QFile file(QString::fromLocal8Bit(path));
        if (file.open(QIODevice::ReadOnly))
            bundle = file.readAll();
    }
    curl_easy_cleanup(probe);
    return bundle;
}

bool buildCaBundle(const QString& caFile, QByteArray& bundle, QString* error) {
    QFile file(caFile);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("cannot read the CA file %1").arg(caFile);
        return false;
    }
    const QByteArray extra = file.readAll();
    if (!extra.contains("-----BEGIN CERTIFICATE-----")) {
        if (error)
            *error = QStringLiteral("no PEM certificate in %1").arg(caFile);
        return false;
    }
    bundle = systemCaBundle() + '\n' + extra;
    return true;
}

} // namespace

bool setNetConfig(const NetConfig& config, QString* error) {
    auto applied = std::make_shared<AppliedNetConfig>();
    applied->config = config;
    for (const QString& rule : config.connectTo) {
        if (!validConnectTo(rule)) {
            if (error)
                *error = QStringLiteral("bad connect-to rule: %1").arg(rule);
            return false;
        }
    }
    if (!config.caFile.isEmpty() && !buildCaBundle(config.caFile, applied->caBundle, error))
        return false;
    std::lock_guard lock(g_mutex);
    g_applied = std::move(applied);
    return true;
}

NetConfig netConfig() {
    return appliedNetConfig()->config;
}

std::shared_ptr<const AppliedNetConfig> appliedNetConfig() {
    std::lock_guard lock(g_mutex);
    return g_applied;
}

void addNewConnections(long count) {
    if (count > 0)
        g_newConnections.fetch_add(count, std::memory_order_relaxed);
}

qint64 newConnectionCount() {
    return g_newConnections.load(std::memory_order_relaxed);
}

} // namespace phodex
