// SPDX-License-Identifier: MIT
#include "adapters/sitetable.h"
#include "core/jobcontext.h"
#include "core/seams/jobobserver.h"

namespace phodex {

void NotLandedListAlbums(ListContext& ctx, const QString&) {
    ctx.env.observer.detailLine(QStringLiteral("暂不支持获取这个网站的相册"));
}

void NotLandedListPhotos(PictureContext& ctx, int) {
    ctx.env.observer.detailLine(QStringLiteral("暂不支持下载这个网站的图片"));
}

} // namespace phodex
