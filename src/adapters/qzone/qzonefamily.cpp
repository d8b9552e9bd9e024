// SPDX-License-Identifier: MIT
#include "adapters/qzone/qzoneadapters.h"
#include "core/catalogue.h"
#include "core/sitetable.h"

namespace phodex {

SiteFamily QzoneFamily() {
    const QString login = QStringLiteral("QQ空间/QQ群");
    return SiteFamily{
        .name = "qzone",
        .rows =
            {
                {.listType = Category::Qq,
                 .subTypes = {SubType::QzoneAlbums},
                 .site = "QQ Zone",
                 .albumIs = "a photo album of the owner's space, and the posts' pictures",
                 .listOps = {"QzoneListAlbums", "QzoneListAlbumsV2"},
                 .pictureOps = {"QzoneListPhotos", "QzoneListPhotosV2"},
                 .login = login},
                {.listType = Category::Qq,
                 .subTypes = {SubType::QqGroupAlbums},
                 .site = "QQ group",
                 .albumIs = "a group album",
                 .listOps = {"QqGroupListAlbums"},
                 .pictureOps = {"QqGroupListPhotos"},
                 .login = login},
                {.listType = Category::Qq,
                 .subTypes = {SubType::TencentWeiboAlbums},
                 .site = "Tencent Weibo",
                 .albumIs = "a topic album of a user",
                 .listOps = {"TencentWeiboListAlbums"},
                 .pictureOps = {"TencentWeiboListPhotos"},
                 .login = QStringLiteral("腾讯微博（登录时勾上下次自动登录）")},
            },
        .dispatches = {{.listType = Category::Qq, .run = dispatch::DispatchQq}},
        .lists = {{"QzoneListAlbums", QzoneListAlbums},
                  {"QzoneListAlbumsV2", QzoneListAlbumsV2},
                  {"QqGroupListAlbums", QqGroupListAlbums},
                  {"TencentWeiboListAlbums", TencentWeiboListAlbums}},
        .pictures = {{"QzoneListPhotos", QzoneListPhotos},
                     {"QzoneListPhotosV2", QzoneListPhotosV2},
                     {"QqGroupListPhotos", QqGroupListPhotos},
                     {"TencentWeiboListPhotos", TencentWeiboListPhotos}},
    };
}

} // namespace phodex
