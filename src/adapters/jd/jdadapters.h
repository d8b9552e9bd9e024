// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// JD: a product page is one album of its main pictures, every variant's
// (colour, size) where the INI file asks for them.
namespace phodex {

class ListContext;
class PictureContext;

// address: a product page ("item.jd."); leaves the page for the picture step.
void JdListProducts(ListContext& ctx, const QString& address);
void JdListPhotos(PictureContext& ctx, int albumIndex);

} // namespace phodex
