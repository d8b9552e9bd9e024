// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// The gallery sites (ZOL, PChome, Home51, Sina blogs, POCO): their dispatch,
// list and picture operations.
namespace phodex {

class ListContext;
class PictureContext;

// user: the ZOL user name the dispatch took from the address.
void ZolListAlbums(ListContext& ctx, const QString& user);
// Needs nothing but the album key the listing stored.
void ZolListPhotos(PictureContext& ctx, int albumIndex);
// address: a ZOL product page; its text is kept in the session for ZolProductPhotos.
void ZolProductList(ListContext& ctx, const QString& address);
void ZolProductPhotos(PictureContext& ctx, int albumIndex);

// user: the PChome user name, which the dispatch also made the owner folder.
void PchomeListAlbums(ListContext& ctx, const QString& user);
void PchomeListPhotos(PictureContext& ctx, int albumIndex);

// user: the Home51 user name, which the dispatch also made the owner folder.
void Home51ListAlbums(ListContext& ctx, const QString& user);
// Needs the user name the listing left in the session.
void Home51ListPhotos(PictureContext& ctx, int albumIndex);

// address: a page of the photo blog that links to the owner's article list.
void SinaPhotoListAlbums(ListContext& ctx, const QString& address);
// Needs nothing but the category address the listing stored.
void SinaPhotoListPhotos(PictureContext& ctx, int albumIndex);
// address: the article list address up to its last "_" (the page number).
void SinaBlogListArticles(ListContext& ctx, const QString& address);
// One picture per article: the first of its text.
void SinaBlogListPhotos(PictureContext& ctx, int albumIndex);

// userId: the POCO user id the dispatch took from the address.
void PocoListAlbums(ListContext& ctx, const QString& userId);
// Needs the user id the listing left in the session.
void PocoListPhotos(PictureContext& ctx, int albumIndex);

namespace dispatch {
// Sina: a blog's article pages ("/s/"), else the photo blog.
bool IsSinaBlogArticle(const QString& address, int subType);
void DispatchSinaBlog(ListContext& ctx, QString address);
void DispatchSinaPhoto(ListContext& ctx, QString address);
void DispatchPoco(ListContext& ctx, QString address);
void DispatchHome51(ListContext& ctx, QString address);
// A ZOL product page, in the ZOL and the JD category alike.
bool IsZolProduct(const QString& address, int subType);
void DispatchZolProduct(ListContext& ctx, QString address);
void DispatchZol(ListContext& ctx, QString address);
void DispatchPchome(ListContext& ctx, QString address);
} // namespace dispatch

} // namespace phodex
