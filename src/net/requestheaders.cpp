// SPDX-License-Identifier: MIT
#include "net/requestheaders.h"

#include "net/headerblock.h"

#include <QSet>
#include <algorithm>

namespace phodex {

namespace {

QSet<QByteArray> cookieNames(const QByteArray& cookieValue) {
    QSet<QByteArray> names;
    for (const QByteArray& pair : cookieValue.split(';'))
        names.insert(pair.left(pair.indexOf('=')).trimmed());
    return names;
}

// The jar's pairs whose names the caller's Cookie value does not already carry.
QByteArray missingPairs(const QByteArray& callerValue, const QByteArray& jarCookies) {
    const QSet<QByteArray> present = cookieNames(callerValue);
    QByteArray out;
    for (const QByteArray& pair : jarCookies.split(';')) {
        const QByteArray trimmed = pair.trimmed();
        if (trimmed.isEmpty() || present.contains(trimmed.left(trimmed.indexOf('=')).trimmed()))
            continue;
        out += (out.isEmpty() ? "" : "; ") + trimmed;
    }
    return out;
}

bool hasHeader(const QList<QByteArray>& lines, const QByteArray& name) {
    for (const QByteArray& line : lines)
        if (isHeaderNamed(line, name))
            return true;
    return false;
}

} // namespace

QList<QByteArray> requestHeaderLines(const QString& extraHeaders, const QByteArray& jarCookies) {
    QList<QByteArray> lines;
    for (const QByteArray& line : extraHeaders.toUtf8().split('\n')) {
        const QByteArray clean = line.endsWith('\r') ? line.chopped(1) : line;
        if (!clean.trimmed().isEmpty())
            lines.append(clean);
    }
    if (!jarCookies.isEmpty()) {
        auto callerLine = std::find_if(lines.begin(), lines.end(), [](const QByteArray& l) {
            return isHeaderNamed(l, "cookie");
        });
        if (callerLine == lines.end()) {
            lines.append("Cookie: " + jarCookies);
        } else {
            const QByteArray extra = missingPairs(headerLineValue(*callerLine), jarCookies);
            if (!extra.isEmpty())
                *callerLine += (headerLineValue(*callerLine).isEmpty() ? "" : "; ") + extra;
        }
    }
    for (const char* name : {"Accept", "Expect"})
        if (!hasHeader(lines, name))
            lines.append(QByteArray(name) + ':');
    return lines;
}

} // namespace phodex
