// SPDX-License-Identifier: MIT
#pragma once

#include <compare>
#include <string_view>

namespace phodex {

// A list or picture operation goes by the name of its adapter function
// ("QzoneListAlbums"): rows name the operations that serve them, a family
// registers the ones it has written under the same names, and a test can put
// its own operation in place of any of them.
struct ListOp {
    constexpr ListOp(const char* text) : name(text) {}
    auto operator<=>(const ListOp&) const = default;
    std::string_view name;
};

struct PictureOp {
    constexpr PictureOp(const char* text) : name(text) {}
    auto operator<=>(const PictureOp&) const = default;
    std::string_view name;
};

} // namespace phodex
