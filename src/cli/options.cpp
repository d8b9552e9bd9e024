// SPDX-License-Identifier: MIT
#include "cli/options.h"

#include <array>

namespace phodex::cli {
namespace {

constexpr std::array kGlobalOptions = {
    OptionSpec{"site", "N", false, "the site category (0 to 20, see `sites`); default 0"},
    OptionSpec{"sub", "N", false,
               "the QQ sub-type: 0 QQ Zone, 1 QQ group, 2 Tencent Weibo; default 0"},
    OptionSpec{"work-dir", "DIR", false,
               "keep the settings and other working files in DIR (unless the current "
               "folder already holds them)"},
    OptionSpec{"help", nullptr, false, "show this help, or a command's help after it"},
};

} // namespace

std::span<const OptionSpec> globalOptions() {
    return kGlobalOptions;
}

QString ParsedOptions::value(const QString& name, const QString& fallback) const {
    const QStringList given = values.value(name);
    return given.isEmpty() ? fallback : given.last();
}

} // namespace phodex::cli
