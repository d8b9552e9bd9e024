// SPDX-License-Identifier: MIT
#include "jobs/picturewalk.h"

#include "core/jobcontext.h"
#include "core/sitetable.h"

namespace phodex {

bool WalkPictureOperations(PictureContext& ctx, int subType, int albumIndex) {
    const SiteTable& sites = ctx.env.sites;
    const SiteRow* row = sites.rowFor(ctx.listType(), subType);
    if (!row || row->pictureOps.empty())
        return false;
    for (const PictureOp op : row->pictureOps) {
        RunPictures(ctx, op, albumIndex);
        if (ctx.listedCount() > 0 || !ctx.keepListing())
            break;
    }
    return true;
}

} // namespace phodex
