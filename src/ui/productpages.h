// SPDX-License-Identifier: MIT
#pragma once

// The product's own web pages, opened by the help menu.
namespace phodex {

inline constexpr char kProductHome[] = "https://github.com/phodex/phodex";
inline constexpr char kManualPage[] = "https://github.com/phodex/phodex#readme";
inline constexpr char kAdvicePage[] = "https://github.com/phodex/phodex/discussions";
inline constexpr char kFeedbackPage[] = "https://github.com/phodex/phodex/issues";
inline constexpr char kFileToolsPage[] = "https://github.com/phodex/phodex/wiki";

} // namespace phodex
