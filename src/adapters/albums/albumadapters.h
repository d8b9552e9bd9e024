// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// The album sites of Baidu, NetEase and Renren: the list and picture
// operations that have landed, and their place in the site table.
namespace phodex {

class ListContext;
class PictureContext;
class SiteTable;

// address: the owner's photo-set page; each set it links to is an album.
void NeteasePpListAlbums(ListContext& ctx, const QString& address);
// One page per set: the set's picture list.
void NeteasePpListPhotos(PictureContext& ctx, int albumIndex);

// Puts the operations above into the table's rows.
void SetAlbumOperations(SiteTable& table);

} // namespace phodex
