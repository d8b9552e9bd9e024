// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// The album sites of Baidu and NetEase: their dispatch, list and picture
// operations.
namespace phodex {

class ListContext;
class PictureContext;

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

namespace dispatch {
// Baidu photo albums: a user page, with or without the user in its address.
void DispatchBaidu(ListContext& ctx, QString address);
// NetEase: the photo-set pages, else the photo albums.
bool IsNeteasePhotoSets(const QString& address, int subType);
void DispatchNeteasePhotoSets(ListContext& ctx, QString address);
void DispatchNetease(ListContext& ctx, QString address);
} // namespace dispatch

} // namespace phodex
