// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

// One photo item of the QQ Zone photo list replies: its title, addresses and
// the protected-album answer.
namespace phodex {

class PageWalk;
class PictureContext;

// With titleMode 1 the photo's name, else its description, trimmed; when
// that is empty the other one as it is.
QString QzonePhotoTitle(const QString& part, int titleMode);
// The full-size address of the photo list service's item: the original
// upload, or the large rendition with large set.
QString QzonePhotoAddress(const QString& part, bool large);
// The same for the older photo list services.
QString QzonePhotoAddressV2(const QString& part);
// The preview rendition the download falls back to.
QString QzonePhotoPreview(const QString& part);
// address, then the fallback after CR LF; either alone when the other is empty.
QString WithFallback(const QString& address, const QString& fallback);

enum class PhotoService { Current, Older };
// Hands the photos of a reply split on "batchId" (parts after the first) to
// the download job; false when the album is to end. walk notes every address.
bool AddQzonePhotos(PictureContext& ctx, const QStringList& parts, int albumIndex, PageWalk& walk,
                    PhotoService service);

// The service says the viewer may not see the album.
bool QzoneAlbumRefused(const QString& text);
// The album's page in the owner's space, from the album's key.
QString QzoneAlbumPage(const QString& key);
// Asks for the album's password; on yes opens the login window on the
// album's page and returns true once it was closed.
bool AskQzoneAlbumPassword(PictureContext& ctx, const QString& key);

} // namespace phodex
