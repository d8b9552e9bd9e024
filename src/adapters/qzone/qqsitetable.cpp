// SPDX-License-Identifier: MIT
#include "adapters/qzone/qzoneadapters.h"
#include "core/sitetable.h"

namespace phodex {

void SetQqOperations(SiteTable& table) {
    table.setList(ListOp::QzoneListAlbums, QzoneListAlbums);
    table.setList(ListOp::QzoneListAlbumsV2, QzoneListAlbumsV2);
    table.setList(ListOp::QqGroupListAlbums, QqGroupListAlbums);
    table.setList(ListOp::TencentWeiboListAlbums, TencentWeiboListAlbums);
    table.setPicture(PictureOp::QzoneListPhotos, QzoneListPhotos);
    table.setPicture(PictureOp::QzoneListPhotosV2, QzoneListPhotosV2);
    table.setPicture(PictureOp::QqGroupListPhotos, QqGroupListPhotos);
    table.setPicture(PictureOp::TencentWeiboListPhotos, TencentWeiboListPhotos);
}

} // namespace phodex
