// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// 微商相册: one shop's posts, each post an album of pictures or one video.
namespace phodex {

class ListContext;
class PictureContext;

// shopId: what the dispatch cut out of the shop address, which it keeps in
// the second text slot and has loaded in the browser already, so that the
// shop's script has set what the listing service wants to see.
void WsxcListAlbums(ListContext& ctx, const QString& shopId);
// Needs the post's picture list (key), video (extra) and title (info) that
// the listing stored.
void WsxcListPhotos(PictureContext& ctx, int albumIndex);

// A picture or video address as the listing service writes it in its JSON:
// quoted, its slashes and other characters escaped.
QString WsxcAddress(const QString& quoted);

} // namespace phodex
