// SPDX-License-Identifier: MIT
#include "net/inflate.h"

#include "net/urlrequest.h"

#include <zlib.h>

namespace phodex {

namespace {

// Maximum window, gzip or zlib header detected automatically.
constexpr int kAutoHeaderWindowBits = 47;
constexpr int kPassSize = 8192;

} // namespace

InflateResult InflateChecked(const QByteArray& bytes, QByteArray& out) {
    z_stream stream{};
    if (inflateInit2(&stream, kAutoHeaderWindowBits) != Z_OK)
        return InflateResult::Truncated;
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.constData()));
    stream.avail_in = uInt(bytes.size());
    const qsizetype before = out.size();
    char buffer[kPassSize];
    int rc;
    do {
        stream.next_out = reinterpret_cast<Bytef*>(buffer);
        stream.avail_out = kPassSize;
        rc = inflate(&stream, Z_NO_FLUSH);
        const qsizetype produced = kPassSize - qsizetype(stream.avail_out);
        if (out.size() - before + produced > kMaxMemoryBody) {
            inflateEnd(&stream);
            out.truncate(before);
            return InflateResult::TooLarge;
        }
        out.append(buffer, produced);
    } while (rc == Z_OK);
    inflateEnd(&stream);
    return rc == Z_STREAM_END ? InflateResult::Complete : InflateResult::Truncated;
}

bool Inflate(const QByteArray& bytes, QByteArray& out) {
    return InflateChecked(bytes, out) == InflateResult::Complete;
}

} // namespace phodex
