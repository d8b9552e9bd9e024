// SPDX-License-Identifier: MIT
#include "cli/command.h"

#include "cli/commands/commandlist.h"

#include <array>

namespace phodex::cli {
namespace {

// In the order of the help text.
constexpr std::array<const Command*, 7> kCommands = {
    &kSitesCommand,
    &kClassifyCommand,
    &kFetchCommand,
    &kListCommand,
    &kDownloadCommand,
    &kGetListCommand,
    &kSettingsCommand,
};

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
