// SPDX-License-Identifier: MIT
#pragma once

#include "settings/record.h"

namespace phodex {

// Thread counts of 0 or above 15 become 5 and time-outs below 10 seconds
// become 30, so a damaged or hand-edited record still gives a usable download.
void RepairDownloadParams(SettingsRecord& record);

// The settings a first run starts with: open the save folder after every
// download, per-site option sets, Huaban/Duitang with fewer threads.
void ApplyFirstRunDefaults(SettingsRecord& record);

} // namespace phodex
