// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// Yupoo in its two page layouts: the list and picture operations.
namespace phodex {

class ListContext;
class PictureContext;

// Current pages. address: an owner's gallery address cut at "?", or one
// album's address with its query. The first text slot holds what every
// gallery page address ends with ("&isSubCate=true" or "").
void YupooListAlbums(ListContext& ctx, const QString& address);
void YupooListPhotos(PictureContext& ctx, int albumIndex);

// Classic pages. address: an owner's album list ending in "/", or one
// album's address.
void YupooClassicListAlbums(ListContext& ctx, const QString& address);
void YupooClassicListPhotos(PictureContext& ctx, int albumIndex);

} // namespace phodex
