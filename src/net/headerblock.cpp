// SPDX-License-Identifier: MIT
#include "net/headerblock.h"

#include <limits>

namespace phodex {

int statusCodeOf(const QByteArray& statusLine) {
    const qsizetype space = statusLine.indexOf(' ');
    if (!statusLine.startsWith("HTTP/") || space < 0)
        return 0;
    int code = 0;
    for (qsizetype i = space + 1; i < statusLine.size() && i < space + 4; ++i) {
        const char c = statusLine.at(i);
        if (c < '0' || c > '9')
            return 0;
        code = code * 10 + (c - '0');
    }
    return code;
}

bool isHeaderNamed(const QByteArray& line, const QByteArray& name) {
    return line.size() > name.size() && line.at(name.size()) == ':' &&
           qstrnicmp(line.constData(), name.constData(), name.size()) == 0;
}

QByteArray headerLineValue(const QByteArray& line) {
    const qsizetype colon = line.indexOf(':');
    return colon < 0 ? QByteArray() : line.mid(colon + 1).trimmed();
}

std::optional<QByteArray> headerValue(const QByteArray& block, const QByteArray& name) {
    qsizetype from = 0;
    while (from < block.size()) {
        qsizetype end = block.indexOf('\n', from);
        if (end < 0)
            end = block.size();
        const QByteArray line = block.mid(from, end - from);
        if (isHeaderNamed(line, name))
            return headerLineValue(line);
        from = end + 1;
    }
    return std::nullopt;
}

std::optional<quint64> contentLength(const QByteArray& block) {
    const std::optional<QByteArray> value = headerValue(block, "content-length");
    if (!value)
        return std::nullopt;
    quint64 number = 0;
    constexpr quint64 limit = std::numeric_limits<quint64>::max() / 10 - 1;
    for (char c : *value) {
        if (c < '0' || c > '9')
            break;
        number = number > limit ? std::numeric_limits<quint64>::max() : number * 10 + (c - '0');
    }
    return number;
}

std::optional<ContentRange> contentRange(const QByteArray& block) {
    const std::optional<QByteArray> value = headerValue(block, "content-range");
    if (!value || !value->startsWith("bytes "))
        return std::nullopt;
    const QByteArray span = value->mid(6).trimmed();
    const qsizetype dash = span.indexOf('-');
    const qsizetype slash = span.indexOf('/');
    if (dash <= 0 || slash <= dash)
        return std::nullopt;
    bool ok[3] = {};
    const ContentRange range{span.left(dash).toULongLong(&ok[0]),
                             span.mid(dash + 1, slash - dash - 1).toULongLong(&ok[1]),
                             span.mid(slash + 1).toULongLong(&ok[2])};
    if (!ok[0] || !ok[1] || !ok[2] || range.first > range.last || range.last >= range.total)
        return std::nullopt;
    return range;
}

} // namespace phodex
