// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// Baidu Tieba: a forum's picture albums, and the pictures of one thread.
namespace phodex {

class ListContext;
class PictureContext;

// forum: the forum's name as the address wrote it (still percent-encoded);
// the picture operation finds it again in the first text slot.
void TiebaListAlbums(ListContext& ctx, const QString& forum);
// A private album offers the login once, then is read again.
void TiebaListPhotos(PictureContext& ctx, int albumIndex);

// address: the thread's photo page; the thread is the one album.
void TiebaListThread(ListContext& ctx, const QString& address);
// The thread's pictures, asked for in runs that follow the last one seen.
void TiebaListThreadPhotos(PictureContext& ctx, int albumIndex);

} // namespace phodex
