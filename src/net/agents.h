// SPDX-License-Identifier: MIT
#pragma once

// The browsers the engine introduces itself as (the User-Agent value).
namespace phodex {

inline constexpr char kChromeAgent[] = "Mozilla/5.0 (Windows NT 10.0; WOW64) AppleWebKit/537.36 "
                                       "(KHTML, like Gecko) Chrome/63.0.3239.132 Safari/537.36";
inline constexpr char kIeAgent[] =
    "Mozilla/5.0 (Windows NT 10.0; WOW64; Trident/7.0; LCTE; rv:11.0) like Gecko";

} // namespace phodex
