// SPDX-License-Identifier: MIT
#include "jobs/dispatch.h"

#include "core/jobcontext.h"
#include "core/sitetable.h"

namespace phodex {

void DispatchList(ListContext& ctx, const QString& address) {
    const SiteTable& sites = ctx.env.sites;
    const int subType = ctx.session().subType.load();
    if (const SiteDispatch* dispatch = sites.dispatchFor(ctx.listType(), address, subType)) {
        dispatch->run(ctx, address);
        return;
    }
    // A category without a dispatch of its own gets the address as typed, and
    // its row's list operations are tried in turn while nothing was found.
    const SiteRow* row = sites.rowFor(ctx.listType(), subType);
    if (!row)
        return;
    for (const ListOp op : row->listOps) {
        if (!ctx.session().albums.isEmpty() || ctx.stopRequested())
            break;
        RunList(ctx, op, address);
    }
}

} // namespace phodex
