// SPDX-License-Identifier: MIT
#pragma once

namespace phodex {

// Every list operation the dispatch can call, by the name of its adapter.
// Values from kFirstExtraListOp on are free for categories a table adds
// beyond the built-in ones (the test site family).
enum class ListOp : int {
    QzoneListAlbums,
    QzoneListAlbumsV2,
    QqGroupListAlbums,
    TencentWeiboListAlbums,
    BaiduListAlbums,
    TiebaListAlbums,
    TiebaListThread,
    NeteaseListAlbums,
    NeteasePpListAlbums,
    RenrenListAlbums,       // classic pages
    RenrenListAlbumsV7,     // current ("/v7") pages
    RenrenListAlbumsPublic, // public pages
    RenrenZhanListAlbums,
    SinaPhotoListAlbums,
    SinaBlogListArticles,
    WeiboListAlbums,
    InstagramListAlbums,
    PocoListAlbums,
    YupooClassicListAlbums,
    YupooListAlbums,
    Home51ListAlbums,
    ZolListAlbums,
    ZolProductList,
    PchomeListAlbums,
    DoubanListAlbums,
    DoubanListMoviePhotos,
    TaobaoListProducts,
    Alibaba1688ListProducts,
    AlibabaListProducts,
    AliExpressListProducts,
    MokoListAlbums,
    BabytreeListAlbums,
    BabytreeListAlbumsFallback,
    PconlineListAlbums,
    HupuListAlbums,
    JdListProducts,
    WsxcListAlbums,
    DuitangListAlbums,
    HuabanListBoards,
    LofterListAlbums,
    TopitListAlbums,
    Count
};

enum class PictureOp : int {
    QzoneListPhotos, // also serves the shuoshuo pseudo-album (cover "123")
    QzoneListPhotosV2,
    QqGroupListPhotos,
    TencentWeiboListPhotos,
    BaiduListPhotos,
    TiebaListPhotos,
    TiebaListThreadPhotos,
    NeteaseListPhotos,
    NeteasePpListPhotos,
    RenrenListPhotos,
    RenrenListPhotos2,
    RenrenListPhotos3,
    RenrenZhanListPhotos,
    SinaPhotoListPhotos,
    SinaBlogListPhotos,
    WeiboListPhotos,
    InstagramListPhotos,
    PocoListPhotos,
    YupooClassicListPhotos,
    YupooListPhotos,
    Home51ListPhotos,
    ZolListPhotos,
    ZolProductPhotos,
    PchomeListPhotos,
    DoubanListPhotos,
    TaobaoListPhotos,
    Alibaba1688ListPhotos,
    AlibabaListPhotos,
    AliExpressListPhotos,
    AliExpressListImagePaths,
    MokoListPhotos,
    BabytreeListPhotos,
    BabytreeListPhotosFallback,
    PconlineListPhotos,
    HupuListPhotos,
    JdListPhotos,
    WsxcListPhotos,
    DuitangListPhotos,
    HuabanListPhotos,
    LofterListPhotos,
    TopitListPhotos,
    Count
};

constexpr ListOp kFirstExtraListOp = ListOp(1000);
constexpr PictureOp kFirstExtraPictureOp = PictureOp(1000);

// The adapter's name ("QzoneListAlbums"); "" for an extra operation.
const char* ListOpName(ListOp op);
const char* PictureOpName(PictureOp op);

} // namespace phodex
