// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// Weibo albums: the list and picture operations.
namespace phodex {

class ListContext;
class PictureContext;

// The site-values key of the numeric id of the profile listed last.
inline const QString kWeiboUidKey = QStringLiteral("weibo.uid");

// address: the profile address as entered, numeric ("/u/<id>") or custom.
void WeiboListAlbums(ListContext& ctx, const QString& address);
// Needs the user id the listing of the same profile left under kWeiboUidKey.
void WeiboListPhotos(PictureContext& ctx, int albumIndex);

} // namespace phodex
