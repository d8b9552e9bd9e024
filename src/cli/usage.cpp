// SPDX-License-Identifier: MIT
#include "cli/usage.h"

namespace phodex::cli {
namespace {

QString optionLines(std::span<const OptionSpec> specs) {
    QString text;
    for (const OptionSpec& option : specs) {
        QString left = QStringLiteral("--") + QLatin1String(option.name);
        if (option.valueName) {
            left += u' ' + QLatin1String(option.valueName);
        }
        text += QStringLiteral("  %1  %2\n").arg(left, -16).arg(QLatin1String(option.help));
    }
    return text;
}

} // namespace

QString usageText(const Command* command) {
    if (command) {
        QString text = QStringLiteral("usage: phodex-cli [options] %1\n\n%2\n")
                           .arg(commandSynopsis(*command), QLatin1String(command->summary));
        if (!command->options.empty()) {
            text += QStringLiteral("\noptions of %1:\n").arg(QLatin1String(command->name)) +
                    optionLines(command->options);
        }
        return text + QStringLiteral("\nglobal options:\n") + optionLines(globalOptions());
    }
    QString text = QStringLiteral("usage: phodex-cli [options] COMMAND [ARGS]\n\n"
                                  "Downloads whole photo albums from the supported sites.\n\n"
                                  "commands:\n");
    for (const Command* each : commands()) {
        text += QStringLiteral("  %1  %2\n")
                    .arg(commandSynopsis(*each), -24)
                    .arg(QLatin1String(each->summary));
    }
    return text + QStringLiteral("\nglobal options:\n") + optionLines(globalOptions()) +
           QStringLiteral("\nexit status: 0 success, 1 usage or set-up error, 2 nothing found "
                          "or downloaded, 3 stopped or partly failed\n");
}

} // namespace phodex::cli
