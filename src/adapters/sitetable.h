// SPDX-License-Identifier: MIT
#pragma once

#include "core/sitetable.h"

namespace phodex {

// The program's site table: every category and variant with its operations
// and login entry. An operation whose adapter is not written yet finds
// nothing and says so on the detail line.
SiteTable MakeSiteTable();

// The stand-ins for operations whose adapter is not written yet.
void NotLandedListAlbums(ListContext& ctx, const QString& address);
void NotLandedListPhotos(PictureContext& ctx, int albumIndex);

} // namespace phodex
