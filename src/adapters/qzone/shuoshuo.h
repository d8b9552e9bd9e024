// SPDX-License-Identifier: MIT
#pragma once

#include "core/album.h"

#include <QString>

namespace phodex {

// The cover value by which the QQ Zone picture operation knows the pseudo-album.
inline constexpr char16_t kShuoshuoCover[] = u"123";

// The pseudo-album "说说里的图片" of a QQ number: the pictures of the owner's posts.
AlbumInfo ShuoshuoAlbum(const QString& qqNumber);

} // namespace phodex
