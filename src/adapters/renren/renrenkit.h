// SPDX-License-Identifier: MIT
#pragma once

#include "net/pagetext.h"

#include <QString>

// What the Renren operations share.
namespace phodex {

class PictureContext;
struct AlbumInfo;

constexpr int kRenrenTextFlags = kTextInflate | kTextUtf8;

// An address on the photo host.
QString RenrenPhoto(const QString& path);
// base and rest joined by exactly one "/": the album keys of the layouts end
// with or without one.
QString JoinPath(const QString& base, const QString& rest);
// The password question of an encrypted album; true unless the user said No.
// Yes opens the login window at loginPage first.
bool AskForAlbumPassword(PictureContext& ctx, const QString& loginPage);
// The name an album page gives its album, cleaned; "" when it gives none.
QString AlbumPageName(QString page);

} // namespace phodex
