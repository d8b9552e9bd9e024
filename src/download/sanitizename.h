// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// The cleaning every name goes through before it becomes part of a path:
// album names, owner folders, album folders and picture names.
namespace phodex {

// Passed as fallbackNumber when an empty name should become a time stamp.
inline constexpr int kNoFallbackNumber = 0xFFFF;

// Cleans text in place so that it is one path component: entities decoded,
// spaces collapsed and trimmed, path and reserved punctuation and every
// control character removed, outer dots dropped. The result never contains
// '/' or '\\' and is never "." or "..".
// With useFallback, an empty result, or one of 1000 UTF-16 units or more,
// becomes "pic<fallbackNumber>", or the local time as "yyyyMMddHHmmss" when
// fallbackNumber is kNoFallbackNumber. Length against the file system's limit
// is the caller's business (see componentlimit.h).
void SanitizeName(QString& text, int fallbackNumber = kNoFallbackNumber, bool useFallback = false);

} // namespace phodex
