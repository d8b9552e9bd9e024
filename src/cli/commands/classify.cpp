// SPDX-License-Identifier: MIT
#include "cli/commands/commandlist.h"
#include "cli/context.h"
#include "cli/exitcode.h"
#include "cli/output.h"
#include "core/catalogue.h"
#include "core/siteselector.h"

namespace phodex::cli {
namespace {

// As if ADDRESS were typed into the address box while --site (and, for QQ,
// --sub) were selected.
int runClassify(CliContext& context) {
    SiteSelector selector;
    selector.selectCategory(context.site);
    selector.selectSubType(context.subTypeEntry);
    selector.ClassifyAddress(context.args.first());
    printLine(QStringLiteral("%1\t%2\t%3")
                  .arg(categoryIndex(selector.listType()))
                  .arg(selector.subType())
                  .arg(categoryCaption(selector.listType())));
    return kExitOk;
}

} // namespace

const Command kClassifyCommand = {
    "classify",
    "ADDRESS",
    "the category and sub-type an address selects: ListType, SubType and caption, TAB-separated",
    1,
    1,
    {},
    runClassify};

} // namespace phodex::cli
