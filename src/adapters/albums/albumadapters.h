// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// The album sites of Baidu, NetEase and Renren: the list and picture
// operations that have landed, and their place in the site table.
namespace phodex {

class ListContext;
class PictureContext;
class SiteTable;

// user: the user name the dispatch took from the address; they become the
// owner.
void BaiduListAlbums(ListContext& ctx, const QString& user);
// A private album offers the login once, then is read again.
void BaiduListPhotos(PictureContext& ctx, int albumIndex);

// address: an album or home page of the owner; leaves the owner's name in
// the third text slot for the picture operation.
void NeteaseListAlbums(ListContext& ctx, const QString& address);
// The key is the album's picture script, or its id when the album is not
// public (the user is then offered the login).
void NeteaseListPhotos(PictureContext& ctx, int albumIndex);

// address: the owner's photo-set page; each set it links to is an album.
void NeteasePpListAlbums(ListContext& ctx, const QString& address);
// One page per set: the set's picture list.
void NeteasePpListPhotos(PictureContext& ctx, int albumIndex);

// Puts the operations above into the table's rows.
void SetAlbumOperations(SiteTable& table);

} // namespace phodex
