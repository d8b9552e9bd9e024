// SPDX-License-Identifier: MIT
#include "adapters/albums/albumadapters.h"
#include "core/catalogue.h"
#include "core/sitetable.h"

namespace phodex {

SiteFamily AlbumsFamily() {
    return SiteFamily{
        .name = "albums",
        .rows =
            {
                {.listType = Category::Baidu,
                 .subTypes = {SubType::BaiduAlbums},
                 .site = "Baidu photo album",
                 .albumIs = "a user album",
                 .listOps = {"BaiduListAlbums"},
                 .pictureOps = {"BaiduListPhotos"},
                 .login = QStringLiteral("百度")},
                {.listType = Category::Netease,
                 .subTypes = {SubType::NeteasePhotoSets},
                 .site = "NetEase photo sets",
                 .albumIs = "a photo set",
                 .listOps = {"NeteasePpListAlbums"},
                 .pictureOps = {"NeteasePpListPhotos"}},
                {.listType = Category::Netease,
                 .subTypes = {kAnyOtherSubType},
                 .site = "NetEase photo",
                 .albumIs = "an album",
                 .listOps = {"NeteaseListAlbums"},
                 .pictureOps = {"NeteaseListPhotos"}},
            },
        .dispatches =
            {
                {.listType = Category::Baidu, .run = dispatch::DispatchBaidu},
                {.listType = Category::Netease,
                 .claims = dispatch::IsNeteasePhotoSets,
                 .run = dispatch::DispatchNeteasePhotoSets},
                {.listType = Category::Netease, .run = dispatch::DispatchNetease},
            },
        .lists = {{"BaiduListAlbums", BaiduListAlbums},
                  {"NeteaseListAlbums", NeteaseListAlbums},
                  {"NeteasePpListAlbums", NeteasePpListAlbums}},
        .pictures = {{"BaiduListPhotos", BaiduListPhotos},
                     {"NeteaseListPhotos", NeteaseListPhotos},
                     {"NeteasePpListPhotos", NeteasePpListPhotos}},
    };
}

} // namespace phodex
