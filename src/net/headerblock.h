// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <optional>

// Reading a raw reply header block ("HTTP/1.1 200 OK\r\nName: value\r\n...").
// Header names match regardless of letter case: HTTP/2 sends them in lower case.
namespace phodex {

// The status code of a status line, 0 when it has none.
int statusCodeOf(const QByteArray& statusLine);
// True when `line` is a header line called `name`.
bool isHeaderNamed(const QByteArray& line, const QByteArray& name);
// The value of a header line, without the white space around it.
QByteArray headerLineValue(const QByteArray& line);
// The value of the first header called `name` in the block.
std::optional<QByteArray> headerValue(const QByteArray& block, const QByteArray& name);
// The Content-Length of the block: the decimal digits after leading white
// space (none gives 0); nothing when the header is missing.
std::optional<quint64> contentLength(const QByteArray& block);

// "Content-Range: bytes first-last/total" of a partial reply; nothing when
// the header is missing, malformed, or gives no total.
struct ContentRange {
    quint64 first = 0;
    quint64 last = 0;
    quint64 total = 0;
};
std::optional<ContentRange> contentRange(const QByteArray& block);

} // namespace phodex
