// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QNetworkCookie>
#include <QString>

#include <optional>

// The cookies.txt format that browsers export and curl reads: one cookie per
// line, seven tab-separated fields (domain, include-subdomains, path, secure,
// expiry in Unix seconds with 0 for a session cookie, name, value); "#HttpOnly_"
// in front of the domain marks an HttpOnly cookie, other "#" lines are comments.
namespace phodex {

// One line; nullopt for comments, blank lines and lines that do not parse.
// A domain cookie comes back with a leading dot, a host-only one without.
std::optional<QNetworkCookie> parseNetscapeLine(QByteArrayView line);

struct NetscapeFile {
    bool readable = false;
    QList<QNetworkCookie> cookies;
    int skippedLines = 0; // lines that are neither cookies, comments nor blank
};
NetscapeFile readNetscapeFile(const QString& path);

QByteArray formatNetscapeLine(const QNetworkCookie& cookie);
// Replaces the file atomically, readable by the owner only.
bool writeNetscapeFile(const QString& path, const QList<QNetworkCookie>& cookies);

} // namespace phodex
