// SPDX-License-Identifier: MIT
#include "support/gzip.h"

#include <zlib.h>

#include <map>
#include <mutex>
#include <stdexcept>

namespace phodex::test {

namespace {

// Compresses `size` bytes produced by `fill` in slices, so a large input never
// has to exist whole.
template <typename Fill> std::string deflateGzip(size_t size, Fill fill) {
    z_stream zs{};
    // 15 + 16: a gzip header and trailer rather than a zlib one.
    if (deflateInit2(&zs, Z_BEST_COMPRESSION, Z_DEFLATED, 15 + 16, 9, Z_DEFAULT_STRATEGY) != Z_OK)
        throw std::runtime_error("deflateInit2 failed");
    std::string out;
    std::string slice;
    char buffer[1 << 16];
    size_t offset = 0;
    int rc = Z_OK;
    do {
        const size_t take = std::min<size_t>(size - offset, 1 << 20);
        slice = fill(offset, take);
        offset += take;
        zs.next_in = reinterpret_cast<Bytef*>(slice.data());
        zs.avail_in = uInt(slice.size());
        const int flush = offset == size ? Z_FINISH : Z_NO_FLUSH;
        do {
            zs.next_out = reinterpret_cast<Bytef*>(buffer);
            zs.avail_out = sizeof buffer;
            rc = deflate(&zs, flush);
            out.append(buffer, sizeof buffer - zs.avail_out);
        } while (zs.avail_out == 0);
    } while (rc != Z_STREAM_END);
    deflateEnd(&zs);
    return out;
}

} // namespace

std::string gzipBytes(const std::string& data) {
    return deflateGzip(data.size(),
                       [&](size_t offset, size_t take) { return data.substr(offset, take); });
}

const std::string& gzipOfZeros(size_t inflatedBytes) {
    static std::mutex mutex;
    static std::map<size_t, std::string> made;
    std::lock_guard lock(mutex);
    auto it = made.find(inflatedBytes);
    if (it == made.end()) {
        const std::string zeros(1 << 20, '\0');
        it = made.emplace(inflatedBytes,
                          deflateGzip(inflatedBytes,
                                      [&](size_t, size_t take) { return zeros.substr(0, take); }))
                 .first;
    }
    return it->second;
}

} // namespace phodex::test
