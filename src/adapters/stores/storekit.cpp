// SPDX-License-Identifier: MIT
#include "adapters/stores/storekit.h"

#include "core/jobcontext.h"
#include "core/pagewalk.h"
#include "core/session.h"
#include "download/sanitizename.h"
#include "settings/record.h"
#include "text/markers.h"

#include <QStringList>

namespace phodex {

namespace {

const QString kPageKey = QStringLiteral("store.page");
const QString kPageAddressKey = QStringLiteral("store.pageaddress");
const QString kWebScheme = QStringLiteral("http");

} // namespace

QString StoreHeaders() {
    return GzipHeader() + QStringLiteral("\r\nAccept-Language: zh-cn");
}

QString RefererLine(const QString& address) {
    return QStringLiteral("Referer: ") + address;
}

void KeepProductPage(Session& session, const QString& productAddress, const QString& text) {
    session.siteValues().setValue(kPageAddressKey, productAddress);
    session.siteValues().setValue(kPageKey, text);
}

void ForgetProductPage(Session& session) {
    KeepProductPage(session, QString(), QString());
}

QString KeptProductPage(const Session& session, const QString& productAddress) {
    if (productAddress.isEmpty() || session.siteValues().value(kPageAddressKey) != productAddress)
        return QString();
    return session.siteValues().value(kPageKey);
}

QString ReadStorePage(const QString& address, const QString& headers, int textFlags) {
    CUrlRequest request = PageRequest(headers);
    request.url = address;
    CUrlResponse response;
    return FetchText(response, request, textFlags);
}

void AddProduct(ListContext& ctx, const QString& address, const QString& name, QString shop,
                const QString& page) {
    SanitizeName(shop);
    ctx.session().setOwnerFolder(shop);
    AlbumInfo album;
    album.name = name;
    album.key = address;
    if (ctx.addAlbum(album))
        KeepProductPage(ctx.session(), address, page);
}

bool DescriptionPicturesOnly(const JobContext& ctx) {
    return ctx.profile().HasOption(kOptionDescriptionPicturesOnly);
}

QString WithHttpScheme(const QString& address) {
    if (address.contains(kWebScheme))
        return address;
    return kWebScheme + QLatin1Char(':') + address;
}

QString MainPictureTitle(const QString& prefix, int number) {
    return prefix + QString::asprintf("主图_%03d", number);
}

bool HandOverMainPicture(PictureContext& ctx, const QString& url, const QString& title,
                         int albumIndex, PageWalk& walk, const QString& headers) {
    // What follows the scheme's ":" and slashes has to name a host at least.
    QString rest = url;
    const qsizetype colon = rest.indexOf(QLatin1Char(':'));
    if (colon >= 0 && rest.first(colon).startsWith(kWebScheme))
        rest.remove(0, colon + 1);
    while (rest.startsWith(QLatin1Char('/')))
        rest.remove(0, 1);
    if (rest.trimmed().isEmpty())
        return ctx.keepListing();
    return HandOverPicture(ctx, url, title, albumIndex, walk, headers);
}

void WalkMainPictures(PictureContext& ctx, const QString& text, const MainPictureWalk& walk,
                      int albumIndex) {
    QStringList parts;
    SplitBy(text, walk.separator, parts);
    PageWalk seen;
    for (qsizetype i = 1; i < parts.size(); ++i) {
        const QString address = walk.addressOf(parts.at(i));
        if (address.isEmpty())
            continue;
        if (!HandOverMainPicture(ctx, WithHttpScheme(address),
                                 MainPictureTitle(walk.titlePrefix, int(i)), albumIndex, seen,
                                 walk.headers))
            return;
    }
}

} // namespace phodex
