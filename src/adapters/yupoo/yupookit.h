// SPDX-License-Identifier: MIT
#pragma once

#include "net/urlrequest.h"

#include <QString>

// What both Yupoo page layouts share: pages read with the browser's cookies,
// albums behind a password, the album's description kept beside its
// pictures.
namespace phodex {

class JobContext;
class PictureContext;
struct AlbumInfo;

// The pages are UTF-8 and come compressed.
inline constexpr int kYupooTextFlags = 0x03;
// An album without a cover of its own shows this one: the site hides the
// covers of password albums.
inline const QString kYupooDefaultCover = QStringLiteral("default_set_photo.gif");

// The header text of a list or album page: compression, the page itself as
// Referer, and the browser's cookies for cookieAddress.
QString YupooPageHeaders(JobContext& ctx, const QString& page, const QString& cookieAddress);

// "http:" in front of a link the page wrote without a scheme ("//host/x").
QString WithSchemeName(const QString& link);

// Fetches request.url, without the shared cookie jar when its header text
// carries the browser's cookies; the page text, or "" when the fetch failed.
QString FetchYupooPage(CUrlResponse& response, const CUrlRequest& request);

// The album page at request.url, read with the browser's cookies for the
// album. Page 1 may belong to a password album (the album's flags and the
// page say so): the user is asked whether to enter the password, and on Yes
// the login window opens at the page, which is then read again with the
// shared cookie jar that the window filled. Page 1 also gives the album's
// description, between the two markers, with the site's line breaks as
// CR LF. "" when the album is to end (a failed page, or No).
struct AlbumDescriptionMarkers {
    QString start;
    QString end;
};
QString ReadAlbumPage(PictureContext& ctx, const AlbumInfo& album, int page,
                      const AlbumDescriptionMarkers& markers, CUrlRequest& request,
                      QString& description);

// Once the album's folder exists: writes the description there as
// "相册描述.txt" and forgets it, so that it is written once.
void KeepAlbumDescription(PictureContext& ctx, QString& description);

} // namespace phodex
