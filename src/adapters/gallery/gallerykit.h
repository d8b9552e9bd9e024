// SPDX-License-Identifier: MIT
#pragma once

#include "core/sitehosts.h"
#include "net/urlrequest.h"

#include <QString>

#include <functional>

// What the gallery sites' pages have in common: numbered pages that go on
// while a page links to the next one, and paths the pages give relative to
// the site.
namespace phodex {

class ListContext;
class PageWalk;
struct AlbumInfo;

// A path or address a page names, as an address on the role's host: paths
// stay on that host whatever they begin with, addresses with a scheme are
// kept as the page wrote them, and "//" ones get the plain scheme.
QString OnHost(HostRole role, const QString& path);

// Reads pages 1, 2, ... : address(n) is fetched and read as text with
// textFlags; a failed fetch or an empty text ends the walk, and so does a
// page without nextMarker once it has been read. read(n, text) returns false
// to end the walk at once. The walk also ends when a page brings no item
// that `walk` had not been told of before (a site repeating its last page),
// or, bringing none at all, repeats an earlier page.
void WalkNumberedPages(CUrlRequest& request, int textFlags, const QString& nextMarker,
                       PageWalk& walk, const std::function<QString(int page)>& address,
                       const std::function<bool(int page, QString& text)>& read);

// Adds an album of a numbered page unless an earlier page of the walk
// listed it (a site repeating its last page); false when the listing is to
// end (stop requested).
bool AddPagedAlbum(ListContext& ctx, PageWalk& walk, const AlbumInfo& album);

} // namespace phodex
