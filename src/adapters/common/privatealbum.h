// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <functional>
#include <optional>

// The offer an album site makes when an album shows nothing to a visitor:
// it may be private, and a login in the browser window may open it.
namespace phodex {

class JobContext;
class PageWalk;
class PictureContext;
struct AlbumInfo;

// The question the album sites of Baidu and NetEase ask.
QString PrivateAlbumQuestion();

// Asks question (caption "提示"); on Yes opens the login window at loginPage
// and returns once the user has closed it. True when the album is to be read
// again, false when the user said No (or the job stopped).
bool OfferPrivateAlbumLogin(JobContext& ctx, const QString& loginPage,
                            const QString& question = PrivateAlbumQuestion());

// Reads one page of an album: pageIndex counts from 0 and starts again when
// the album is read again. Returns the number of pictures the page named, or
// nullopt when the album ends here (the page did not arrive, came empty or as
// an error page, or the picture intake wants no more).
using AlbumPageReader = std::function<std::optional<int>(int pageIndex, PageWalk& walk)>;

// Reads the album's pages while they name pictures. When its first page names
// none although the album says it holds pictures, the login is offered once
// at loginPage and, after Yes, the album is read again from its first page.
void ReadAlbumPages(PictureContext& ctx, const AlbumInfo& album, const QString& loginPage,
                    const AlbumPageReader& readPage);

} // namespace phodex
