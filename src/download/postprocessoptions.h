// SPDX-License-Identifier: MIT
#pragma once

#include "settings/category.h"

#include <QString>

#include <cstdint>
#include <span>

// The per-category download options as the options menu offers them.
namespace phodex {

struct OptionItem {
    std::uint16_t flag;  // the optionFlags bit
    int menuId;          // the menu command that flips it
    const char* caption; // the Chinese caption; OptionCaption speaks the language in use
};

// In the order the options menu lists them.
std::span<const OptionItem> OptionItems();
QString OptionCaption(const OptionItem& item);

// The flags after the user flipped `flag`. Setting one of the two shop
// options clears the other; every other option just flips.
std::uint16_t ToggleOption(std::uint16_t flags, std::uint16_t flag);

// Whether the option can be switched for the category: the shop options only
// for the shop categories, the Yupoo size only for Yupoo.
bool IsOptionOffered(std::uint16_t flag, Category listType);

} // namespace phodex
