// SPDX-License-Identifier: MIT
#pragma once

#include "cli/command.h"
#include "cli/options.h"

#include <QString>
#include <QStringList>

namespace phodex::cli {

// phodex-cli [options] COMMAND [ARGS]: global options anywhere, a command's
// own options after its name, "--" ends the options.
struct CommandLine {
    const Command* command = nullptr; // nullptr when none was named
    QStringList args;
    ParsedOptions options;
    bool help = false;
    bool version = false;
};

// arguments without the program's name. Returns false with error set to one
// line when an option or the command is unknown, a value is missing or the
// command gets the wrong number of arguments. A request for help or the
// version skips the checks of the arguments.
bool parseCommandLine(const QStringList& arguments, CommandLine& line, QString& error);

} // namespace phodex::cli
