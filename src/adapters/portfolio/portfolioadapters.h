// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// The portfolio sites (PConline, Hupu, Topit, Moko, LOFTER, Babytree): their
// dispatch, list and picture operations.
namespace phodex {

class ListContext;
class PictureContext;

// address: a photo list address whose page part the dispatch made
// "_dk1stp_".
void PconlineListAlbums(ListContext& ctx, const QString& address);
void PconlineListPhotos(PictureContext& ctx, int albumIndex);

// address: a member's address (its albums, page by page) or one album's
// address (".../photo/a<id>..."); either way the member becomes the owner.
void HupuListAlbums(ListContext& ctx, const QString& address);
// Needs the album path the listing stored as the key.
void HupuListPhotos(PictureContext& ctx, int albumIndex);

// address: a user's address ("/user/<id>", its albums page by page) or one
// album's address.
void TopitListAlbums(ListContext& ctx, const QString& address);
void TopitListPhotos(PictureContext& ctx, int albumIndex);

// address: a post list ("/category/..." or "/new/...", read alone) or an
// owner's page, whose post lists are read one after the other.
void MokoListAlbums(ListContext& ctx, const QString& address);
void MokoListPhotos(PictureContext& ctx, int albumIndex);

// address: the blog's address, ending with "/". Leaves the blog id in the
// first text slot.
void LofterListAlbums(ListContext& ctx, const QString& address);
// One picture per post: the post's first.
void LofterListPhotos(PictureContext& ctx, int albumIndex);

// user: the Babytree user the dispatch took from the address. The first form
// reads the users' home pages and leaves the user in the first text slot;
// the fallback reads the older user pages.
void BabytreeListAlbums(ListContext& ctx, const QString& user);
void BabytreeListAlbumsFallback(ListContext& ctx, const QString& user);
void BabytreeListPhotos(PictureContext& ctx, int albumIndex);
void BabytreeListPhotosFallback(PictureContext& ctx, int albumIndex);

namespace dispatch {
void DispatchMoko(ListContext& ctx, QString address);
void DispatchBabytree(ListContext& ctx, QString address);
void DispatchPconline(ListContext& ctx, QString address);
void DispatchHupu(ListContext& ctx, QString address);
void DispatchLofter(ListContext& ctx, QString address);
void DispatchTopit(ListContext& ctx, QString address);
} // namespace dispatch

} // namespace phodex
