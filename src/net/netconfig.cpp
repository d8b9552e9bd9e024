// SPDX-License-Identifier: MIT
#include "net/appliednetconfig.h"
#include "net/curlhandle.h"

#include <QFile>
#include <QFileInfo>
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

// libcurl's built-in default for CURLINFO_CAINFO or CURLINFO_CAPATH.
QString curlDefault(CURLINFO what) {
    ensureCurlGlobalInit();
    CURL* probe = curl_easy_init();
    char* path = nullptr;
    const bool known = probe && curl_easy_getinfo(probe, what, &path) == CURLE_OK && path;
    const QString value = known ? QString::fromLocal8Bit(path) : QString();
    curl_easy_cleanup(probe);
    return value;
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool useExtraAuthorities(const QString& caFile, AppliedNetConfig& applied, QString* error) {
    const QByteArray extra = readAll(caFile);
    if (extra.isEmpty()) {
        if (error)
            *error = QStringLiteral("cannot read the CA file %1").arg(caFile);
        return false;
    }
    if (!extra.contains("-----BEGIN CERTIFICATE-----")) {
        if (error)
            *error = QStringLiteral("no PEM certificate in %1").arg(caFile);
        return false;
    }
    const QString systemFolder = curlDefault(CURLINFO_CAPATH);
    if (!systemFolder.isEmpty() && QFileInfo(systemFolder).isDir()) {
        applied.caFile = QFileInfo(caFile).absoluteFilePath();
        return true;
    }
    auto copy = std::make_shared<QTemporaryFile>();
    if (!copy->open() || copy->write(readAll(curlDefault(CURLINFO_CAINFO)) + '\n' + extra) < 0 ||
        !copy->flush()) {
        if (error)
            *error = QStringLiteral("cannot write a temporary file: %1").arg(copy->errorString());
        return false;
    }
    applied.caBundleCopy = copy;
    applied.caFile = copy->fileName();
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
    if (!config.caFile.isEmpty() && !useExtraAuthorities(config.caFile, *applied, error))
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
