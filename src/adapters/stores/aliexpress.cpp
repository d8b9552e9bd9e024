// SPDX-License-Identifier: MIT
#include "adapters/stores/storeadapters.h"
#include "adapters/stores/storekit.h"
#include "core/catalogue.h"
#include "core/jobcontext.h"
#include "core/pagewalk.h"
#include "net/fetch.h"
#include "net/pagetext.h"
#include "text/markers.h"

#include <QStringList>

namespace phodex {

namespace {

constexpr int kAliExpressTextFlags = kTextInflate;

QString ReadPage(const QString& address, const QString& headers) {
    return ReadStorePage(address, headers, kAliExpressTextFlags);
}

QString PictureHeaders(const QString& address) {
    return StoreHeaders() + QStringLiteral("\r\n") + RefererLine(address);
}

// The block of the page between the markers; "" when the page has no such
// block, so that nothing else on the page is taken for a picture.
QString Block(QString text, const QString& start, const QString& end) {
    if (SkipTo(text, start) < 0)
        return QString();
    CutAt(text, end);
    return text;
}

} // namespace

void AliExpressListProducts(ListContext& ctx, const QString& address) {
    ForgetProductPage(ctx.session());
    QString text = ReadPage(address, PictureHeaders(address));
    const QString page = text;
    QString name = GetBetween(text, QStringLiteral(" itemprop=\"name\">"), QStringLiteral("</"));
    QString owner;
    if (!name.isEmpty()) {
        ctx.session().subType = SubType::AliExpress;
        SkipTo(text, QStringLiteral("class=\"shop-name\">"));
        owner = GetBetween(text, QStringLiteral("\">"), QStringLiteral("</"));
    } else {
        ctx.session().subType = SubType::AliExpressImagePaths;
        name = GetBetween(text, QStringLiteral("\"subject\":\""), QStringLiteral("\""));
        owner = GetBetween(text, QStringLiteral("\"storeName\":\""), QStringLiteral("\""));
    }
    if (owner.isEmpty())
        owner = QStringLiteral("AliExpress");
    AddProduct(ctx, address, name, owner, page);
}

// The older layout: the large copies' full addresses, numbered from 1.
void AliExpressListPhotos(PictureContext& ctx, int albumIndex) {
    const AlbumInfo album = ctx.album(albumIndex);
    QString text = ReadPage(album.key, PictureHeaders(album.key));
    text = Block(text, QStringLiteral("imageBigViewURL"), QStringLiteral("]"));
    if (DescriptionPicturesOnly(ctx))
        return;
    WalkMainPictures(ctx, text,
                     {.separator = QStringLiteral("\"h"),
                      .addressOf =
                          [](const QString& part) {
                              const QString rest = TextBefore(part, QStringLiteral("\""));
                              return rest.isEmpty() ? rest : QStringLiteral("h") + rest;
                          },
                      .titlePrefix = QString(),
                      .headers = RefererLine(album.key)},
                     albumIndex);
}

// The newer layout: a list of picture addresses, numbered from 0.
void AliExpressListImagePaths(PictureContext& ctx, int albumIndex) {
    const AlbumInfo album = ctx.album(albumIndex);
    QString text = ReadPage(album.key, PictureHeaders(album.key));
    text = Block(text, QStringLiteral("imagePathList\":[\""), QStringLiteral("\"]"));
    if (DescriptionPicturesOnly(ctx))
        return;
    QStringList addresses;
    // A product with one picture lists it without any separator.
    if (SplitBy(text, QStringLiteral("\",\""), addresses) == 0 && !text.isEmpty())
        addresses = {text};
    PageWalk seen;
    for (qsizetype i = 0; i < addresses.size(); ++i) {
        if (!HandOverMainPicture(ctx, addresses.at(i), MainPictureTitle(QString(), int(i)),
                                 albumIndex, seen, RefererLine(album.key)))
            return;
    }
}

} // namespace phodex
