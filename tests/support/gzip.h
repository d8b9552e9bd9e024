// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace phodex::test {

// The bytes of a complete gzip stream (with gzip header and trailer) of `data`.
std::string gzipBytes(const std::string& data);
// A gzip stream of `inflatedBytes` zero bytes; made once per size and kept.
const std::string& gzipOfZeros(size_t inflatedBytes);

} // namespace phodex::test
