// SPDX-License-Identifier: MIT
#include "adapters/qzone/qqpicture.h"

#include "core/jobcontext.h"
#include "core/pagewalk.h"

namespace phodex {

bool HandOverPicture(PictureContext& ctx, QString url, const QString& title, int albumIndex,
                     PageWalk& walk) {
    if (url.isEmpty() || !walk.isNew(url))
        return true;
    ctx.addPicture(url, title, QString(), albumIndex);
    return ctx.keepListing();
}

} // namespace phodex
