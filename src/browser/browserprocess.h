// SPDX-License-Identifier: MIT
#pragma once

#include "net/netconfig.h"

// Process set-up for the embedded browser.
namespace phodex {

// Gives the browser the engine's routes, proxy and trusted authorities.
// Chromium reads its switches once, when the first browser profile is made:
// call this before that (the first call wins). As root Chromium's sandbox
// cannot start, so it is turned off; without a screen (the "offscreen"
// platform) the GPU is not used.
void PrepareBrowserProcess(const NetConfig& config);

} // namespace phodex
