// SPDX-License-Identifier: MIT
#pragma once

#include "cli/options.h"
#include "settings/record.h"

#include <QString>

#include <array>
#include <vector>

// What `download` and `get-list` share: where pictures go and how many
// transfers run at once.
namespace phodex::cli {

struct CliContext;

inline constexpr std::array kSaveThreadsOptions = {
    OptionSpec{"save", "DIR", false,
               "save into DIR (default: the most recent save folder of the settings)"},
    OptionSpec{"threads", "N", false,
               "download N pictures at a time (1 to 15) instead of the category's setting"},
};

// --save, else the most recent save folder; ends with "/".
bool SaveFolderFor(const CliContext& context, QString& folder, QString& error);

// The download parameters of the category --site, with --threads applied.
bool DownloadParamsFor(const CliContext& context, DownloadParams& params, QString& error);

// "all" or "1,3-5" (1-based) against `count` albums, as 0-based indices in
// the order given, each once.
bool AlbumIndicesFor(const QString& choice, int count, std::vector<int>& indices, QString& error);

} // namespace phodex::cli
