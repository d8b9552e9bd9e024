// SPDX-License-Identifier: MIT
#include "adapters/albums/albumadapters.h"
#include "core/sitetable.h"

namespace phodex {

void SetAlbumOperations(SiteTable& table) {
    table.setList(ListOp::BaiduListAlbums, BaiduListAlbums);
    table.setPicture(PictureOp::BaiduListPhotos, BaiduListPhotos);
    table.setList(ListOp::NeteaseListAlbums, NeteaseListAlbums);
    table.setPicture(PictureOp::NeteaseListPhotos, NeteaseListPhotos);
    table.setList(ListOp::NeteasePpListAlbums, NeteasePpListAlbums);
    table.setPicture(PictureOp::NeteasePpListPhotos, NeteasePpListPhotos);
}

} // namespace phodex
