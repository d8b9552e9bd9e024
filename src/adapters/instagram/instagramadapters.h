// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// Instagram: a whole profile as one album, read with the login the browser
// window holds.
namespace phodex {

class ListContext;
class PictureContext;

// user: the user name the dispatch cut out of the profile address; the
// first text slot holds the address up to ".com/" less ".com". Leaves the
// user name in the second text slot and the profile id in the third.
void InstagramListAlbums(ListContext& ctx, const QString& user);
// Every picture and video of the profile, page by page of the site's query
// service.
void InstagramListPhotos(PictureContext& ctx, int albumIndex);

// The id of the site's web application, which its own pages send as
// X-IG-App-ID with every query (it is written in the scripts the site's web
// pages load); the query service refuses requests without it.
inline const QString kInstagramWebAppId = QStringLiteral("936619743392459");

} // namespace phodex
