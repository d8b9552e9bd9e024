// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// Huaban: one board, its pins read from the site's API host page by page.
namespace phodex {

class ListContext;
class PictureContext;

// address: a board's address ("/boards/<id>"). Leaves the site's address
// up to "boards/" in the third text slot.
void HuabanListBoards(ListContext& ctx, const QString& address);
// Keeps the id of the last pin read in the second text slot.
void HuabanListPhotos(PictureContext& ctx, int albumIndex);

} // namespace phodex
