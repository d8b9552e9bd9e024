// SPDX-License-Identifier: MIT
#pragma once

#include "cli/options.h"

#include <span>

namespace phodex::cli {

struct CliContext;

// One command of the program. Each lives in a file of its own under commands/
// and is listed once in commands.cpp.
struct Command {
    const char* name;
    const char* arguments; // as the usage line shows them, "" for none
    const char* summary;
    int minArgs;
    int maxArgs;
    std::span<const OptionSpec> options; // besides the global ones
    int (*run)(CliContext& context);     // returns the exit status
};

std::span<const Command* const> commands();
const Command* findCommand(const QString& name);
// "name ARGUMENTS", as usage lines show a command.
QString commandSynopsis(const Command& command);

} // namespace phodex::cli
