// SPDX-License-Identifier: MIT
#include "adapters/portfolio/portfolioadapters.h"
#include "core/sitetable.h"

namespace phodex {

void SetPortfolioOperations(SiteTable& table) {
    table.setList(ListOp::PconlineListAlbums, PconlineListAlbums);
    table.setPicture(PictureOp::PconlineListPhotos, PconlineListPhotos);
    table.setList(ListOp::HupuListAlbums, HupuListAlbums);
    table.setPicture(PictureOp::HupuListPhotos, HupuListPhotos);
    table.setList(ListOp::TopitListAlbums, TopitListAlbums);
    table.setPicture(PictureOp::TopitListPhotos, TopitListPhotos);
    table.setList(ListOp::MokoListAlbums, MokoListAlbums);
    table.setPicture(PictureOp::MokoListPhotos, MokoListPhotos);
    table.setList(ListOp::LofterListAlbums, LofterListAlbums);
    table.setPicture(PictureOp::LofterListPhotos, LofterListPhotos);
    table.setList(ListOp::BabytreeListAlbums, BabytreeListAlbums);
    table.setPicture(PictureOp::BabytreeListPhotos, BabytreeListPhotos);
    table.setList(ListOp::BabytreeListAlbumsFallback, BabytreeListAlbumsFallback);
    table.setPicture(PictureOp::BabytreeListPhotosFallback, BabytreeListPhotosFallback);
}

} // namespace phodex
