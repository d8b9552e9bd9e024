// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// Process-wide settings of the request engine, set once at start-up (by the
// command line or by a test) and read by every request.
namespace phodex {

struct NetConfig {
    // "HOST:PORT:CONNECT-HOST:CONNECT-PORT" rules, as curl's --connect-to.
    QStringList connectTo;
    // A PEM file of extra certificate authorities, trusted besides the system's.
    QString caFile;
    // Skip certificate verification.
    bool insecure = false;
    // Unset: the usual proxy environment variables; empty: no proxy at all.
    std::optional<QString> proxy;
    // Off only to measure what connection reuse saves.
    bool reuseConnections = true;
};

// False (and the configuration unchanged) when the CA file cannot be read
// or a connect-to rule is malformed; `error` then says why.
bool setNetConfig(const NetConfig& config, QString* error = nullptr);
NetConfig netConfig();

// New connections (each with its TLS handshake on https) opened so far.
qint64 newConnectionCount();

} // namespace phodex
