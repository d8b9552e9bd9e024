// SPDX-License-Identifier: MIT
#include "adapters/portfolio/portfolioadapters.h"
#include "core/catalogue.h"
#include "core/sitetable.h"

namespace phodex {

namespace {

// A category served by one row and one dispatch.
SiteRow OneRow(Category listType, const char* site, const char* albumIs, ListOp list,
               PictureOp picture, QString login = {}) {
    return {.listType = listType,
            .subTypes = {kAnyOtherSubType},
            .site = site,
            .albumIs = albumIs,
            .listOps = {list},
            .pictureOps = {picture},
            .login = std::move(login)};
}

std::vector<SiteRow> PortfolioRows() {
    return {
        OneRow(Category::Moko, "Moko", "a post", "MokoListAlbums", "MokoListPhotos",
               QStringLiteral("美空")),
        {.listType = Category::Babytree,
         .subTypes = {SubType::BabytreeAlbums},
         .site = "Babytree",
         .albumIs = "an album of a user",
         .listOps = {"BabytreeListAlbums"},
         .pictureOps = {"BabytreeListPhotos"}},
        {.listType = Category::Babytree,
         .subTypes = {SubType::BabytreeFallback, kAnyOtherSubType},
         .site = "Babytree",
         .albumIs = "an album of the fallback page",
         .listOps = {"BabytreeListAlbumsFallback"},
         .pictureOps = {"BabytreeListPhotosFallback"}},
        OneRow(Category::Pconline, "PConline", "a photo list", "PconlineListAlbums",
               "PconlineListPhotos"),
        OneRow(Category::Hupu, "Hupu", "an album", "HupuListAlbums", "HupuListPhotos",
               QStringLiteral("虎扑")),
        OneRow(Category::Lofter, "LOFTER", "a blog's posts", "LofterListAlbums",
               "LofterListPhotos"),
        OneRow(Category::Topit, "Topit", "an album", "TopitListAlbums", "TopitListPhotos"),
    };
}

} // namespace

SiteFamily PortfolioFamily() {
    using namespace dispatch;
    return SiteFamily{
        .name = "portfolio",
        .rows = PortfolioRows(),
        .dispatches =
            {
                {.listType = Category::Moko, .run = DispatchMoko},
                {.listType = Category::Babytree, .run = DispatchBabytree},
                {.listType = Category::Pconline, .run = DispatchPconline},
                {.listType = Category::Hupu, .run = DispatchHupu},
                {.listType = Category::Lofter, .run = DispatchLofter},
                {.listType = Category::Topit, .run = DispatchTopit},
            },
        .lists = {{"PconlineListAlbums", PconlineListAlbums},
                  {"HupuListAlbums", HupuListAlbums},
                  {"TopitListAlbums", TopitListAlbums},
                  {"MokoListAlbums", MokoListAlbums},
                  {"LofterListAlbums", LofterListAlbums},
                  {"BabytreeListAlbums", BabytreeListAlbums},
                  {"BabytreeListAlbumsFallback", BabytreeListAlbumsFallback}},
        .pictures = {{"PconlineListPhotos", PconlineListPhotos},
                     {"HupuListPhotos", HupuListPhotos},
                     {"TopitListPhotos", TopitListPhotos},
                     {"MokoListPhotos", MokoListPhotos},
                     {"LofterListPhotos", LofterListPhotos},
                     {"BabytreeListPhotos", BabytreeListPhotos},
                     {"BabytreeListPhotosFallback", BabytreeListPhotosFallback}},
    };
}

} // namespace phodex
