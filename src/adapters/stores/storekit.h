// SPDX-License-Identifier: MIT
#pragma once

#include "adapters/common/adapterkit.h"

#include <QString>

#include <functional>

// What the shop sites (Taobao, Tmall, 1688, Alibaba, AliExpress and JD) have
// in common: the headers they are asked with, the product page the listing
// leaves for the picture step, and the walk over a product's main pictures.
namespace phodex {

class JobContext;
class ListContext;
class PictureContext;
class Session;

// "Accept-Encoding: gzip, deflate\r\nAccept-Language: zh-cn"; further lines
// follow after "\r\n".
QString StoreHeaders();
QString RefererLine(const QString& address);

// The product page the last store listing read, kept for the picture step
// of that product only: a page read for another product (listed earlier in
// the same job, or by another job) is never taken for this one.
void KeepProductPage(Session& session, const QString& productAddress, const QString& text);
void ForgetProductPage(Session& session);
// The page kept for productAddress, "" when the cache holds another's.
QString KeptProductPage(const Session& session, const QString& productAddress);

// One page, fetched with flags 0; "" when the fetch failed.
QString ReadStorePage(const QString& address, const QString& headers, int textFlags);

// Adds the product under its shop (the name cleaned for a folder) and, when
// no stop was asked for, keeps its page for the picture step.
void AddProduct(ListContext& ctx, const QString& address, const QString& name, QString shop,
                const QString& page);

// The option that asks for the pictures of the product description alone:
// the main-picture steps then list nothing.
bool DescriptionPicturesOnly(const JobContext& ctx);

// "http:" in front of an address that does not name the web scheme, which
// makes the sites' protocol-relative addresses absolute.
QString WithHttpScheme(const QString& address);

// "<prefix>主图_NNN".
QString MainPictureTitle(const QString& prefix, int number);

// Hands a main picture over unless its address is empty or names a scheme
// alone (a thumbnail the page left without an address); false when the
// album is to end.
bool HandOverMainPicture(PictureContext& ctx, const QString& url, const QString& title,
                         int albumIndex, PageWalk& walk, const QString& headers);

// The main-picture walk: text split on separator, every part after the
// first one picture, numbered from 1 by its part even when it gives no
// address. addressOf: the picture's address in one part, "" for none.
struct MainPictureWalk {
    QString separator;
    std::function<QString(const QString& part)> addressOf;
    QString titlePrefix;
    QString headers;
};
void WalkMainPictures(PictureContext& ctx, const QString& text, const MainPictureWalk& walk,
                      int albumIndex);

} // namespace phodex
