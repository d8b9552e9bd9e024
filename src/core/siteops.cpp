// SPDX-License-Identifier: MIT
#include "core/siteops.h"

#include <iterator>

namespace phodex {

namespace {

constexpr const char* kListNames[] = {
    "QzoneListAlbums",         "QzoneListAlbumsV2",     "QqGroupListAlbums",
    "TencentWeiboListAlbums",  "BaiduListAlbums",       "TiebaListAlbums",
    "TiebaListThread",         "NeteaseListAlbums",     "NeteasePpListAlbums",
    "RenrenListAlbums",        "RenrenListAlbumsV7",    "RenrenListAlbumsPublic",
    "RenrenZhanListAlbums",    "SinaPhotoListAlbums",   "SinaBlogListArticles",
    "WeiboListAlbums",         "InstagramListAlbums",   "PocoListAlbums",
    "YupooClassicListAlbums",  "YupooListAlbums",       "Home51ListAlbums",
    "ZolListAlbums",           "ZolProductList",        "PchomeListAlbums",
    "DoubanListAlbums",        "DoubanListMoviePhotos", "TaobaoListProducts",
    "Alibaba1688ListProducts", "AlibabaListProducts",   "AliExpressListProducts",
    "MokoListAlbums",          "BabytreeListAlbums",    "BabytreeListAlbumsFallback",
    "PconlineListAlbums",      "HupuListAlbums",        "JdListProducts",
    "WsxcListAlbums",          "DuitangListAlbums",     "HuabanListBoards",
    "LofterListAlbums",        "TopitListAlbums",
};

constexpr const char* kPictureNames[] = {
    "QzoneListPhotos",        "QzoneListPhotosV2",    "QqGroupListPhotos",
    "TencentWeiboListPhotos", "BaiduListPhotos",      "TiebaListPhotos",
    "TiebaListThreadPhotos",  "NeteaseListPhotos",    "NeteasePpListPhotos",
    "RenrenListPhotos",       "RenrenListPhotos2",    "RenrenListPhotos3",
    "RenrenZhanListPhotos",   "SinaPhotoListPhotos",  "SinaBlogListPhotos",
    "WeiboListPhotos",        "InstagramListPhotos",  "PocoListPhotos",
    "YupooClassicListPhotos", "YupooListPhotos",      "Home51ListPhotos",
    "ZolListPhotos",          "ZolProductPhotos",     "PchomeListPhotos",
    "DoubanListPhotos",       "TaobaoListPhotos",     "Alibaba1688ListPhotos",
    "AlibabaListPhotos",      "AliExpressListPhotos", "AliExpressListImagePaths",
    "MokoListPhotos",         "BabytreeListPhotos",   "BabytreeListPhotosFallback",
    "PconlineListPhotos",     "HupuListPhotos",       "JdListPhotos",
    "WsxcListPhotos",         "DuitangListPhotos",    "HuabanListPhotos",
    "LofterListPhotos",       "TopitListPhotos",
};

static_assert(std::size(kListNames) == size_t(ListOp::Count));
static_assert(std::size(kPictureNames) == size_t(PictureOp::Count));

} // namespace

const char* ListOpName(ListOp op) {
    const int i = int(op);
    return i >= 0 && i < int(ListOp::Count) ? kListNames[i] : "";
}

const char* PictureOpName(PictureOp op) {
    const int i = int(op);
    return i >= 0 && i < int(PictureOp::Count) ? kPictureNames[i] : "";
}

} // namespace phodex
