// SPDX-License-Identifier: MIT
#include "cli/command.h"

#include "cli/commands/commandlist.h"

#include <array>

namespace phodex::cli {
namespace {

// In the order of the help text, one a line also around the condition.
// clang-format off
constexpr std::array kCommands = {
    &kSitesCommand,
    &kClassifyCommand,
    &kFetchCommand,
#ifdef PHODEX_CLI_BROWSER
    &kCaptureCommand, // only with the browser built in
#endif
    &kListCommand,
    &kDownloadCommand,
    &kGetListCommand,
    &kSettingsCommand,
};
// clang-format on

} // namespace

std::span<const Command* const> commands() {
    return kCommands;
}

const Command* findCommand(const QString& name) {
    for (const Command* command : kCommands) {
        if (name == QLatin1String(command->name)) {
            return command;
        }
    }
    return nullptr;
}

QString commandSynopsis(const Command& command) {
    return (QLatin1String(command.name) + u' ' + QLatin1String(command.arguments)).trimmed();
}

} // namespace phodex::cli
