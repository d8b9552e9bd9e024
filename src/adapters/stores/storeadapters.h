// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// The shop sites' list and picture operations. A product page is one album:
// its main pictures, in the shop's folder.
namespace phodex {

class ListContext;
class PictureContext;

// address: a Taobao or Tmall product page ("item." in it) or a "tbskip."
// page; leaves the page for the picture step.
void TaobaoListProducts(ListContext& ctx, const QString& address);
void TaobaoListPhotos(PictureContext& ctx, int albumIndex);
// The "tbskip." pages, whose pictures are read from the page itself.
void TaobaoListPagePhotos(PictureContext& ctx, int albumIndex);

// address: a 1688 offer page (".com/offer").
void Alibaba1688ListProducts(ListContext& ctx, const QString& address);
void Alibaba1688ListPhotos(PictureContext& ctx, int albumIndex);

// address: an Alibaba product page ("product-detail").
void AlibabaListProducts(ListContext& ctx, const QString& address);
void AlibabaListPhotos(PictureContext& ctx, int albumIndex);

// address: an AliExpress product page; sets the sub-type to the page's
// layout: the older one names its pictures' large copies, the newer one
// their paths.
void AliExpressListProducts(ListContext& ctx, const QString& address);
void AliExpressListPhotos(PictureContext& ctx, int albumIndex);
void AliExpressListImagePaths(PictureContext& ctx, int albumIndex);

} // namespace phodex
