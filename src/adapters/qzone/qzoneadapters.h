// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// The QQ family's list and picture operations: QQ Zone albums and the
// pictures of the owner's posts, QQ group albums and Tencent Weibo albums.
namespace phodex {

class ListContext;
class PictureContext;

// qq: the owner's QQ number.
void QzoneListAlbums(ListContext& ctx, const QString& qq);
// The older album list service, for when the newer one listed nothing.
void QzoneListAlbumsV2(ListContext& ctx, const QString& qq);
// Also serves the posts pseudo-album, which it hands to QzoneListMoodPhotos.
void QzoneListPhotos(PictureContext& ctx, int albumIndex);
// The older photo list services, for when QzoneListPhotos found nothing.
void QzoneListPhotosV2(PictureContext& ctx, int albumIndex);
void QzoneListMoodPhotos(PictureContext& ctx, int albumIndex);

// group: the QQ group number.
void QqGroupListAlbums(ListContext& ctx, const QString& group);
void QqGroupListPhotos(PictureContext& ctx, int albumIndex);

// account: the Tencent Weibo account name from the address.
void TencentWeiboListAlbums(ListContext& ctx, const QString& account);
void TencentWeiboListPhotos(PictureContext& ctx, int albumIndex);

namespace dispatch {
// Category 0: the QQ sub-type box chooses QQ Zone, QQ group or Tencent Weibo.
void DispatchQq(ListContext& ctx, QString address);
} // namespace dispatch

} // namespace phodex
