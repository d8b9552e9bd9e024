// SPDX-License-Identifier: MIT
#include "adapters/stores/storeadapters.h"
#include "adapters/stores/storekit.h"
#include "core/jobcontext.h"
#include "core/seams/userprompt.h"
#include "net/fetch.h"
#include "net/pagetext.h"
#include "text/markers.h"

#include <QCoreApplication>

namespace phodex {

namespace {

constexpr int kAlibabaTextFlags = kTextInflate; // the pages are GBK
constexpr char kNoShop[] = QT_TRANSLATE_NOOP(
    "phodex::Sites", "没有找到这个商品的店铺名，网页的格式可能已经改变，无法获取这个商品");
constexpr char kLoginWanted[] = QT_TRANSLATE_NOOP(
    "phodex::Sites", "1688要求先登录才能查看这个商品，请先在登录菜单里登录，再获取一次");

// The product page; "" when it could not be read.
QString ReadProductPage(const QString& address, const QString& headers) {
    return ReadStorePage(address, headers, kAlibabaTextFlags);
}

QString AfterTagEnd(QString value) {
    SkipTo(value, QStringLiteral("\">"));
    return value;
}

// The kept page of the product, else the page read again.
QString PageForPictures(PictureContext& ctx, const AlbumInfo& album, const QString& headers) {
    const QString kept = KeptProductPage(ctx.session(), album.key);
    return kept.isEmpty() ? ReadProductPage(album.key, headers) : kept;
}

} // namespace

void Alibaba1688ListProducts(ListContext& ctx, const QString& address) {
    ForgetProductPage(ctx.session());
    if (address.indexOf(QStringLiteral(".com/offer")) < 1)
        return;
    QString page =
        ReadProductPage(address, StoreHeaders() + QStringLiteral("\r\n") + RefererLine(address));
    QString owner =
        AfterTagEnd(GetBetween(page, QStringLiteral("_compname\">"), QStringLiteral("</")));
    if (owner.isEmpty())
        owner = AfterTagEnd(
            GetBetween(page, QStringLiteral("chinaname hidden\""), QStringLiteral("</")));
    if (owner.isEmpty()) {
        ctx.env.prompt.information(page.contains(QStringLiteral("淘宝会员（仅限会员名）请在此登录"))
                                       ? QCoreApplication::translate("phodex::Sites", kLoginWanted)
                                       : QCoreApplication::translate("phodex::Sites", kNoShop));
        return;
    }
    QString text = page;
    SkipTo(text, QStringLiteral("class=\"box-img"));
    QString name = GetBetween(text, QStringLiteral("title=\""), QStringLiteral("\""), kConsume);
    name.remove(QStringLiteral("点击查看大图："));
    AddProduct(ctx, address, name, owner, page);
}

void Alibaba1688ListPhotos(PictureContext& ctx, int albumIndex) {
    const AlbumInfo album = ctx.album(albumIndex);
    const QString text = PageForPictures(ctx, album, StoreHeaders());
    if (text.isEmpty())
        return;
    if (text.indexOf(QStringLiteral("data-tfs-url=\"")) < 1) {
        ReportUnreadablePage(ctx, text, 2);
        return;
    }
    if (DescriptionPicturesOnly(ctx))
        return;
    const QString separator = text.contains(QStringLiteral("\"original\":\""))
                                  ? QStringLiteral("\"original\":\"")
                                  : QStringLiteral("image:url(");
    WalkMainPictures(ctx, text,
                     {.separator = separator,
                      .addressOf =
                          [](const QString& part) {
                              // An empty slot keeps its number.
                              const QString address = TextBefore(part, QStringLiteral("\""));
                              return address.size() > 6 ? address : QString();
                          },
                      .titlePrefix = QString(),
                      .headers = RefererLine(album.key)},
                     albumIndex);
}

void AlibabaListProducts(ListContext& ctx, const QString& address) {
    ForgetProductPage(ctx.session());
    if (address.indexOf(QStringLiteral("product-detail")) < 1)
        return;
    QString page =
        ReadProductPage(address, StoreHeaders() + QStringLiteral("\r\n") + RefererLine(address));
    QString text = page;
    const QString name = GetBetween(text, QStringLiteral("ma-title-text\" title=\""),
                                    QStringLiteral("\">"), kConsume);
    SkipTo(text, QStringLiteral("company-name\">"));
    QString owner = GetBetween(text, QStringLiteral("text\">"), QStringLiteral("</"));
    // The shop's name written straight into its element: looked for on the
    // whole page, as the text above is already past it.
    if (owner.isEmpty())
        owner = GetBetween(page, QStringLiteral("company-name\">"), QStringLiteral("</"));
    if (owner.isEmpty()) {
        ctx.env.prompt.information(QCoreApplication::translate("phodex::Sites", kNoShop));
        return;
    }
    AddProduct(ctx, address, name, owner, page);
}

void AlibabaListPhotos(PictureContext& ctx, int albumIndex) {
    const AlbumInfo album = ctx.album(albumIndex);
    const QString text = PageForPictures(ctx, album, RefererLine(album.key));
    if (text.isEmpty() || DescriptionPicturesOnly(ctx))
        return;
    WalkMainPictures(ctx, text,
                     {.separator = QStringLiteral("class=\"thumb\""),
                      .addressOf =
                          [](QString part) {
                              QString address = GetBetween(part, QStringLiteral("src=\""),
                                                           QStringLiteral("\""), kConsume);
                              // "<picture>.jpg_50x50.jpg": the size suffix goes.
                              const qsizetype suffix = address.indexOf(QStringLiteral("jpg_"));
                              if (suffix > 10)
                                  address = address.first(suffix) + QStringLiteral("jpg");
                              return address;
                          },
                      .titlePrefix = QString(),
                      .headers = RefererLine(album.key)},
                     albumIndex);
}

} // namespace phodex
