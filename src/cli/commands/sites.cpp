// SPDX-License-Identifier: MIT
#include "cli/commands/commandlist.h"
#include "cli/context.h"
#include "cli/exitcode.h"
#include "cli/output.h"
#include "core/catalogue.h"

namespace phodex::cli {
namespace {

int runSites(CliContext&) {
    const QStringList captions = categoryCaptions();
    for (qsizetype i = 0; i < captions.size(); ++i) {
        printLine(QStringLiteral("%1\t%2").arg(i).arg(captions[i]));
    }
    return kExitOk;
}

} // namespace

const Command kSitesCommand = {
    "sites", "", "list the site categories: number and caption", 0, 0, {}, runSites};

} // namespace phodex::cli
