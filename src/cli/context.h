// SPDX-License-Identifier: MIT
#pragma once

#include "cli/options.h"
#include "settings/record.h"

#include <QString>
#include <QStringList>

namespace phodex::cli {

// What a command works with once the command line has been read and the work
// folder set up.
struct CliContext {
    QStringList args; // the command's own arguments
    ParsedOptions options;
    Category site = Category::Qq; // --site: the category selected before the address was typed
    int subTypeEntry = 0;         // --sub: the entry of the QQ sub-type box
    QString workDir;              // ends with '/'
    SettingsRecord settings;
};

} // namespace phodex::cli
