// SPDX-License-Identifier: MIT
#pragma once

#include "cli/command.h"

// Every command, one per file of this folder.
namespace phodex::cli {

extern const Command kSitesCommand;
extern const Command kClassifyCommand;
extern const Command kFetchCommand;
extern const Command kListCommand;
extern const Command kDownloadCommand;
extern const Command kGetListCommand;
extern const Command kSettingsCommand;
#ifdef PHODEX_CLI_BROWSER
extern const Command kCaptureCommand; // only with the browser built in
#endif

} // namespace phodex::cli
