// SPDX-License-Identifier: MIT
#include "adapters/gallery/galleryadapters.h"
#include "core/sitetable.h"

namespace phodex {

void SetGalleryOperations(SiteTable& table) {
    table.setList(ListOp::ZolListAlbums, ZolListAlbums);
    table.setPicture(PictureOp::ZolListPhotos, ZolListPhotos);
    table.setList(ListOp::ZolProductList, ZolProductList);
    table.setPicture(PictureOp::ZolProductPhotos, ZolProductPhotos);
    table.setList(ListOp::PchomeListAlbums, PchomeListAlbums);
    table.setPicture(PictureOp::PchomeListPhotos, PchomeListPhotos);
    table.setList(ListOp::Home51ListAlbums, Home51ListAlbums);
    table.setPicture(PictureOp::Home51ListPhotos, Home51ListPhotos);
    table.setList(ListOp::SinaPhotoListAlbums, SinaPhotoListAlbums);
    table.setPicture(PictureOp::SinaPhotoListPhotos, SinaPhotoListPhotos);
    table.setList(ListOp::SinaBlogListArticles, SinaBlogListArticles);
    table.setPicture(PictureOp::SinaBlogListPhotos, SinaBlogListPhotos);
    table.setList(ListOp::PocoListAlbums, PocoListAlbums);
    table.setPicture(PictureOp::PocoListPhotos, PocoListPhotos);
}

} // namespace phodex
