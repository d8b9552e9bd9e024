// SPDX-License-Identifier: MIT
#include "adapters/gallery/galleryadapters.h"
#include "core/catalogue.h"
#include "core/sitetable.h"

namespace phodex {

namespace {

SiteRow ZolProductRow(Category listType) {
    return {.listType = listType,
            .subTypes = {SubType::ZolProduct},
            .site = "ZOL product page",
            .albumIs = "one product (its pictures)",
            .listOps = {"ZolProductList"},
            .pictureOps = {"ZolProductPhotos"}};
}

std::vector<SiteRow> GalleryRows() {
    return {
        {.listType = Category::Sina,
         .subTypes = {SubType::SinaPhotoAlbums},
         .site = "Sina photo blog",
         .albumIs = "a category",
         .listOps = {"SinaPhotoListAlbums"},
         .pictureOps = {"SinaPhotoListPhotos"}},
        {.listType = Category::Sina,
         .subTypes = {SubType::SinaBlogArticles},
         .site = "Sina blog",
         .albumIs = "one article (its pictures)",
         .listOps = {"SinaBlogListArticles"},
         .pictureOps = {"SinaBlogListPhotos"}},
        {.listType = Category::Poco,
         .subTypes = {kAnyOtherSubType},
         .site = "POCO",
         .albumIs = "a work (photo set)",
         .listOps = {"PocoListAlbums"},
         .pictureOps = {"PocoListPhotos"}},
        {.listType = Category::Home51,
         .subTypes = {kAnyOtherSubType},
         .site = "Home51",
         .albumIs = "an album",
         .listOps = {"Home51ListAlbums"},
         .pictureOps = {"Home51ListPhotos"}},
        ZolProductRow(Category::Zol),
        {.listType = Category::Zol,
         .subTypes = {kAnyOtherSubType},
         .site = "ZOL photo",
         .albumIs = "an album",
         .listOps = {"ZolListAlbums"},
         .pictureOps = {"ZolListPhotos"}},
        {.listType = Category::PchomeDouban,
         .subTypes = {SubType::PchomeAlbums},
         .site = "PChome photo",
         .albumIs = "an album",
         .listOps = {"PchomeListAlbums"},
         .pictureOps = {"PchomeListPhotos"}},
        ZolProductRow(Category::Jd),
    };
}

} // namespace

SiteFamily GalleryFamily() {
    using namespace dispatch;
    return SiteFamily{
        .name = "gallery",
        .rows = GalleryRows(),
        .dispatches =
            {
                {.listType = Category::Sina, .claims = IsSinaBlogArticle, .run = DispatchSinaBlog},
                {.listType = Category::Sina, .run = DispatchSinaPhoto},
                {.listType = Category::Poco, .run = DispatchPoco},
                {.listType = Category::Home51, .run = DispatchHome51},
                {.listType = Category::Zol, .claims = IsZolProduct, .run = DispatchZolProduct},
                {.listType = Category::Zol, .run = DispatchZol},
                {.listType = Category::PchomeDouban, .run = DispatchPchome},
                {.listType = Category::Jd, .claims = IsZolProduct, .run = DispatchZolProduct},
            },
        .lists = {{"ZolListAlbums", ZolListAlbums},
                  {"ZolProductList", ZolProductList},
                  {"PchomeListAlbums", PchomeListAlbums},
                  {"Home51ListAlbums", Home51ListAlbums},
                  {"SinaPhotoListAlbums", SinaPhotoListAlbums},
                  {"SinaBlogListArticles", SinaBlogListArticles},
                  {"PocoListAlbums", PocoListAlbums}},
        .pictures = {{"ZolListPhotos", ZolListPhotos},
                     {"ZolProductPhotos", ZolProductPhotos},
                     {"PchomeListPhotos", PchomeListPhotos},
                     {"Home51ListPhotos", Home51ListPhotos},
                     {"SinaPhotoListPhotos", SinaPhotoListPhotos},
                     {"SinaBlogListPhotos", SinaBlogListPhotos},
                     {"PocoListPhotos", PocoListPhotos}},
    };
}

} // namespace phodex
