// SPDX-License-Identifier: MIT
#include "cli/commands/listrequest.h"

#include "cli/context.h"
#include "core/siteselector.h"

namespace phodex::cli {

ListJobRequest ListRequestFor(const CliContext& context) {
    const QString address = context.args.first();
    SiteSelector selector;
    selector.selectCategory(context.site);
    selector.selectSubType(context.subTypeEntry);
    selector.ClassifyAddress(address);
    if (context.options.has(QStringLiteral("site")) && selector.listType() != context.site) {
        selector.selectCategory(context.site);
        selector.selectSubType(context.subTypeEntry);
    }
    const int subTypeBox = selector.subTypeBoxVisible() ? selector.subTypeSelection() : kNoSubType;
    return ListJobRequest{address, selector.listType(), subTypeBox};
}

} // namespace phodex::cli
