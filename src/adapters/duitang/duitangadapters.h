// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// Duitang: a user's albums through the album-list service, an album's
// pictures through the blog-list service.
namespace phodex {

class ListContext;
class PictureContext;

// user: the numeric user id. Lists the one album whose page the first text
// slot holds (its id in the second) when that slot is not empty, and all
// the user's albums otherwise.
void DuitangListAlbums(ListContext& ctx, const QString& user);
void DuitangListPhotos(PictureContext& ctx, int albumIndex);

} // namespace phodex
