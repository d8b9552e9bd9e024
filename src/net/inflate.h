// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>

namespace phodex {

enum class InflateResult {
    Complete,  // the stream ended properly
    Truncated, // data error or input ended early; `out` keeps what inflated
    TooLarge,  // the output would pass the memory limit; `out` is left as it was
};

// A gzip or zlib stream (detected by its header) to bytes, appended to `out`.
InflateResult InflateChecked(const QByteArray& bytes, QByteArray& out);

// True when the stream ended properly; `out` keeps whatever inflated.
bool Inflate(const QByteArray& bytes, QByteArray& out);

} // namespace phodex
