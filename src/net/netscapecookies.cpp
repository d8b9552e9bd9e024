// SPDX-License-Identifier: MIT
#include "net/netscapecookies.h"

#include <QDateTime>
#include <QFile>
#include <QSaveFile>

namespace phodex {

namespace {

constexpr QByteArrayView kHttpOnlyPrefix = "#HttpOnly_";

std::optional<bool> parseFlag(QByteArrayView field) {
    if (field.compare("TRUE", Qt::CaseInsensitive) == 0)
        return true;
    if (field.compare("FALSE", Qt::CaseInsensitive) == 0)
        return false;
    return std::nullopt;
}

// Unix seconds; some exporters add a fraction, which is dropped.
std::optional<qint64> parseExpiry(QByteArrayView field) {
    if (const qsizetype dot = field.indexOf('.'); dot >= 0)
        field = field.first(dot);
    bool ok = false;
    const qint64 seconds = field.toLongLong(&ok);
    if (!ok || seconds < 0 || field.startsWith('+'))
        return std::nullopt;
    return seconds;
}

// Anything that would break a Cookie header or this file: separators and
// control characters.
bool isCleanToken(QByteArrayView text, bool allowEquals) {
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || u == 0x7F || c == ';' || (!allowEquals && (c == '=' || c == ' ')))
            return false;
    }
    return true;
}

} // namespace

std::optional<QNetworkCookie> parseNetscapeLine(QByteArrayView line) {
    while (line.endsWith('\r') || line.endsWith('\n'))
        line.chop(1);
    bool httpOnly = false;
    if (line.startsWith(kHttpOnlyPrefix)) {
        httpOnly = true;
        line = line.sliced(kHttpOnlyPrefix.size());
    } else if (line.trimmed().isEmpty() || line.startsWith('#')) {
        return std::nullopt;
    }
    const QList<QByteArray> fields = line.toByteArray().split('\t');
    if (fields.size() != 7)
        return std::nullopt;
    QByteArray domain = fields[0].trimmed().toLower();
    while (domain.startsWith('.'))
        domain.remove(0, 1);
    const auto subdomains = parseFlag(fields[1]);
    const auto secure = parseFlag(fields[3]);
    const auto expiry = parseExpiry(fields[4]);
    const QByteArray& path = fields[2];
    const QByteArray& name = fields[5];
    const QByteArray& value = fields[6];
    if (domain.isEmpty() || !subdomains || !secure || !expiry || !path.startsWith('/') ||
        name.isEmpty() || !isCleanToken(name, false) || !isCleanToken(value, true) ||
        !isCleanToken(domain, false) || !isCleanToken(path, true))
        return std::nullopt;

    QNetworkCookie cookie(name, value);
    cookie.setDomain(QString::fromUtf8(*subdomains ? "." + domain : domain));
    cookie.setPath(QString::fromUtf8(path));
    cookie.setSecure(*secure);
    cookie.setHttpOnly(httpOnly);
    if (*expiry != 0)
        cookie.setExpirationDate(QDateTime::fromSecsSinceEpoch(*expiry, Qt::UTC));
    return cookie;
}

NetscapeFile readNetscapeFile(const QString& path) {
    NetscapeFile result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return result;
    result.readable = true;
    QByteArray content = file.readAll();
    if (content.startsWith("\xEF\xBB\xBF"))
        content.remove(0, 3);
    for (const QByteArray& line : content.split('\n')) {
        if (auto cookie = parseNetscapeLine(line)) {
            result.cookies.append(*cookie);
            continue;
        }
        const QByteArray bare = line.trimmed();
        if (!bare.isEmpty() && (!bare.startsWith('#') || bare.startsWith(kHttpOnlyPrefix)))
            ++result.skippedLines;
    }
    return result;
}

QByteArray formatNetscapeLine(const QNetworkCookie& cookie) {
    const QString domain = cookie.domain();
    const bool subdomains = domain.startsWith(u'.');
    const qint64 expiry = cookie.isSessionCookie() ? 0 : cookie.expirationDate().toSecsSinceEpoch();
    QByteArray line;
    if (cookie.isHttpOnly())
        line += kHttpOnlyPrefix.toByteArray();
    line += domain.toUtf8() + '\t' + (subdomains ? "TRUE" : "FALSE") + '\t' +
            cookie.path().toUtf8() + '\t' + (cookie.isSecure() ? "TRUE" : "FALSE") + '\t' +
            QByteArray::number(expiry) + '\t' + cookie.name() + '\t' + cookie.value() + '\n';
    return line;
}

bool writeNetscapeFile(const QString& path, const QList<QNetworkCookie>& cookies) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // Login cookies are as good as passwords: owner only, before any byte is written.
    if (!file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
        file.cancelWriting();
        return false;
    }
    QByteArray content = "# Netscape HTTP Cookie File\n"
                         "# The site logins of Phodex. Keep this file private.\n\n";
    for (const QNetworkCookie& cookie : cookies)
        content += formatNetscapeLine(cookie);
    if (file.write(content) != content.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace phodex
