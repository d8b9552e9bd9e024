// SPDX-License-Identifier: MIT
#include "adapters/weibo/weiboadapters.h"
#include "core/sitetable.h"

namespace phodex {

void SetWeiboOperations(SiteTable& table) {
    table.setList(ListOp::WeiboListAlbums, WeiboListAlbums);
    table.setPicture(PictureOp::WeiboListPhotos, WeiboListPhotos);
}

} // namespace phodex
