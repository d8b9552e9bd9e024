// SPDX-License-Identifier: MIT
#pragma once

#include "cli/command.h"

#include <QString>

namespace phodex::cli {

// The help text: the whole program's, or one command's when command is given.
QString usageText(const Command* command);

} // namespace phodex::cli
