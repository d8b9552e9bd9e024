// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// Renren: users' albums in the classic and the current layout, public pages'
// albums, and the posts of site stations.
namespace phodex {

class ListContext;
class PictureContext;

// The classic layout. address: an album page (it holds "/album-"), listed
// as the one album, or a user id.
void RenrenListAlbums(ListContext& ctx, const QString& address);
// The current layout, for an album page or a user id alike.
void RenrenListAlbumsV7(ListContext& ctx, const QString& address);
// pageId: a public page's id.
void RenrenListAlbumsPublic(ListContext& ctx, const QString& pageId);

// The album's pictures through the current layout's list, then (each only
// when the one before found nothing) the classic list and the album's own
// picture list.
void RenrenListPhotos(PictureContext& ctx, int albumIndex);
void RenrenListPhotos2(PictureContext& ctx, int albumIndex);
void RenrenListPhotos3(PictureContext& ctx, int albumIndex);

// address: a site station's page, with or without a tag; each post of its
// archive is an album.
void RenrenZhanListAlbums(ListContext& ctx, const QString& address);
// The post's first picture.
void RenrenZhanListPhotos(PictureContext& ctx, int albumIndex);

} // namespace phodex
