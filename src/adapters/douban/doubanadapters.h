// SPDX-License-Identifier: MIT
#pragma once

#include <QCoreApplication>
#include <QString>

// Douban: one photo album, or one film's stills, read from the site's pages.
namespace phodex {

class ListContext;
class PictureContext;

// address: the album's address, query cut off, ending with "/". The page
// read here is left in the first text slot as the album's first page.
void DoubanListAlbums(ListContext& ctx, const QString& address);
// address: the film's stills address, as for DoubanListAlbums.
void DoubanListMoviePhotos(ListContext& ctx, const QString& address);
// Both forms: the first page is the one the listing left; the rest follow
// the pages' next links.
void DoubanListPhotos(PictureContext& ctx, int albumIndex);

// What the user is told when an album page names no owner.
inline constexpr char kDoubanNoOwner[] =
    QT_TRANSLATE_NOOP("phodex::Sites", "没有找到这个相册的主人,请确认网址是豆瓣相册的网址");

} // namespace phodex
