// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace phodex {

class ListContext;
class PageWalk;

// The access bits of an album from its "priv" value.
qint32 QzonePrivacyFlags(const QString& priv);

// When the album list service answered with a message instead of albums:
// shows a rate-limit message as it is, else offers the login window on the
// space's home page. True when it did either (the listing ends there).
bool QzoneAlbumListRefused(ListContext& ctx, const QString& text, const QString& qq);

// Adds the albums of one album list reply. False when the reply holds no
// album item or a stop was requested; walk notes every album id.
bool AddQzoneAlbums(ListContext& ctx, const QString& text, int idcNum, const QString& qq,
                    PageWalk& walk);

} // namespace phodex
