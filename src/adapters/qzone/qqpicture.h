// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace phodex {

class PageWalk;
class PictureContext;

// Hands one picture to the download job, unless its address is empty or the
// walk met it before; false when the album is to end (stop, or the rest was
// downloaded before).
bool HandOverPicture(PictureContext& ctx, QString url, const QString& title, int albumIndex,
                     PageWalk& walk);

} // namespace phodex
