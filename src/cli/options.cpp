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
    OptionSpec{"connect-to", "HOST:PORT:HOST2:PORT2", true,
               "send requests for HOST:PORT to HOST2:PORT2 instead, as curl's --connect-to"},
    OptionSpec{"cacert", "FILE", false, "trust the certificate authorities of this PEM file too"},
    OptionSpec{"insecure", nullptr, false, "do not verify TLS certificates"},
    OptionSpec{"proxy", "URL", false, "use this proxy (\"\" for none)"},
    OptionSpec{"cookies", "FILE", false, "import the cookies of a Netscape cookies.txt file"},
    OptionSpec{"yes", nullptr, false, "answer yes to every question a job asks"},
    OptionSpec{"no", nullptr, false, "answer no to every question a job asks (the default)"},
    OptionSpec{"quiet", nullptr, false, "no progress lines on stderr"},
    OptionSpec{"lang", "zh|en", false,
               "the language of the messages; default: the desktop's (zh* Chinese, else English)"},
    OptionSpec{"help", nullptr, false, "show this help, or a command's help after it"},
    OptionSpec{"version", nullptr, false, "show the version and the libraries' versions"},
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
