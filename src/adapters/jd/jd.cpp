// SPDX-License-Identifier: MIT
#include "adapters/jd/jdadapters.h"
#include "adapters/stores/storekit.h"
#include "core/jobcontext.h"
#include "core/pagewalk.h"
#include "core/seams/userprompt.h"
#include "core/sitehosts.h"
#include "download/unicodefile.h"
#include "net/fetch.h"
#include "net/pacer.h"
#include "net/pagetext.h"
#include "text/markers.h"

#include <QCoreApplication>

#include <QStringList>

#include <vector>

namespace phodex {

namespace {

constexpr int kProductTextFlags = kTextInflate | kTextUtf8;
constexpr int kVariantTextFlags = kTextInflate;
constexpr qint64 kAfterVariantPageMs = 2000;
// The class of the list that holds a product's thumbnails on JD's product
// pages; the list is the first of its kind there.
const QString kThumbnailListClass = QStringLiteral("lh");
constexpr char kNoName[] = QT_TRANSLATE_NOOP(
    "phodex::Sites", "没有找到这个商品的名称，网页的格式可能已经改变，无法获取这个商品");

QString JdProductName(QString text) {
    QString name = GetBetween(text, QStringLiteral("sku-name\">"), QStringLiteral("</d"));
    if (name.isEmpty())
        name = GetBetween(text, QStringLiteral("sku-name>"), QStringLiteral("</d"));
    CutAt(name, QStringLiteral("</DIV"));
    while (SkipTo(name, QStringLiteral(">")) >= 0) {
    }
    if (name.isEmpty() && text.indexOf(QStringLiteral("item ellipsis")) >= 1) {
        name = GetBetween(text, QStringLiteral("item ellipsis"), QStringLiteral("\">"));
        SkipTo(name, QStringLiteral("title=\""));
    }
    if (name.isEmpty()) {
        SkipTo(text, QStringLiteral("id=\"product-intro"));
        name = GetBetween(text, QStringLiteral("<h1>"), QStringLiteral("</"));
    }
    return name;
}

// Some pages write the attributes the walk looks for without quotes.
void QuoteAttributes(QString& text) {
    if (text.indexOf(QStringLiteral("=summary-stock")) < 1)
        return;
    text.replace(QStringLiteral("=summary-stock"), QStringLiteral("=\"summary-stock"));
    text.replace(QStringLiteral("class=item"), QStringLiteral("class=\"item"));
    text.replace(QStringLiteral("class=") + kThumbnailListClass,
                 QStringLiteral("class=\"") + kThumbnailListClass);
    text.replace(QStringLiteral("</UL>"), QStringLiteral("</ul>"));
}

// The large picture of a thumbnail: "" when the part names none.
QString JdPictureAddress(const QString& part) {
    QString address = TextBefore(part, QStringLiteral(" "));
    if (!address.contains(QStringLiteral("http"))) {
        if (!address.contains(QLatin1Char('.')))
            return QString();
        address = WithHttpScheme(address);
    }
    address.remove(QLatin1Char('"'));
    address.remove(QLatin1Char('\''));
    static const std::pair<const char*, const char*> kToLarge[] = {
        {"/n5/", "/n12/"},         {"/n9/", "/n12/"},     {"/s75x75_jfs/", "/jfs/"},
        {"/s50x64_jfs/", "/jfs/"}, {"!cc_50x64.jpg", ""}, {"/s54x54_jfs/", "/jfs/"},
        {"/s54x54_g15/", "/g15/"},
    };
    for (const auto& [from, to] : kToLarge)
        address.replace(QString::fromLatin1(from), QString::fromLatin1(to));
    address.remove(QStringLiteral("\\n"));
    return address;
}

struct Thumbnails {
    QString titlePrefix; // "<variant>_", or "" for none
    QString referer;
};

// The page's thumbnails as main pictures; false when the album is to end.
bool HandOverThumbnails(PictureContext& ctx, QString page, const Thumbnails& how, int albumIndex,
                        PageWalk& seen) {
    if (SkipTo(page, QStringLiteral("class=\"") + kThumbnailListClass) < 0)
        return true;
    CutAt(page, QStringLiteral("</ul>"));
    QStringList parts;
    SplitBy(page, QStringLiteral("src="), parts);
    for (qsizetype q = 1; q < parts.size(); ++q) {
        const QString address = JdPictureAddress(parts.at(q));
        if (address.isEmpty())
            continue;
        if (!HandOverMainPicture(ctx, address, MainPictureTitle(how.titlePrefix, int(q)),
                                 albumIndex, seen, RefererLine(how.referer)))
            return false;
    }
    return true;
}

struct Variant {
    QString sku;
    QString name;
};

std::vector<Variant> Variants(const QStringList& items) {
    std::vector<Variant> variants;
    for (qsizetype i = 1; i < items.size(); ++i) {
        QString item = items.at(i);
        Variant variant;
        variant.sku =
            GetBetween(item, QStringLiteral("data-sku=\""), QStringLiteral("\""), kConsume);
        variant.name =
            GetBetween(item, QStringLiteral("data-value=\""), QStringLiteral("\""), kConsume);
        variants.push_back(variant);
    }
    return variants;
}

QString VariantPage(const QString& sku) {
    // The number comes from the page: encoded, so that it stays one file name.
    return SiteHosts::https(HostRole::JdItemHost,
                            QLatin1Char('/') + QueryValue(sku) + QStringLiteral(".html"));
}

// Every variant's pictures, the product's own from its page read at listing;
// when no variant is the product itself, its pictures come last.
void WalkVariants(PictureContext& ctx, const AlbumInfo& album, const QString& productPage,
                  std::vector<Variant> variants, int albumIndex) {
    PageWalk seen;
    bool matched = false;
    for (std::size_t i = 0; i < variants.size() && ctx.keepListing(); ++i) {
        const Variant variant = variants[i];
        const bool isProduct = album.key.contains(variant.sku);
        if (i + 1 == variants.size() && !matched && !isProduct)
            variants.push_back({}); // the product itself
        QString page;
        QString referer;
        if (isProduct) {
            matched = true;
            page = productPage;
            referer = variant.sku.isEmpty() ? album.key : VariantPage(variant.sku);
        } else {
            referer = VariantPage(variant.sku);
            page = ReadStorePage(referer, StoreHeaders(), kVariantTextFlags);
            if (page.isEmpty())
                continue; // a variant that cannot be read gives no pictures
            pacer().sleepMs(kAfterVariantPageMs);
        }
        const QString prefix = variant.name.isEmpty() ? QString() : variant.name + QLatin1Char('_');
        if (!HandOverThumbnails(ctx, page, {.titlePrefix = prefix, .referer = referer}, albumIndex,
                                seen))
            return;
    }
}

} // namespace

void JdListProducts(ListContext& ctx, const QString& address) {
    const QString headers = QStringLiteral("Accept-Encoding: gzip, deflate;");
    QString text = ReadStorePage(address, headers, kProductTextFlags);
    if (text.isEmpty())
        return;
    // A stub page that only sends the browser on.
    QString stub = text;
    const QString target =
        GetBetween(stub, QStringLiteral("window.location.href='"), QStringLiteral("'"));
    if (text.size() < 200 && target.size() > 10) {
        text = ReadStorePage(target, headers, kProductTextFlags);
        if (text.isEmpty())
            return;
        WriteUnicodeFile(ctx.session().workDir + QStringLiteral("log2.err"), text);
    }
    // The picture step reads the page the product was listed from.
    KeepProductPage(ctx.session(), address, text);
    const QString name = JdProductName(text);
    if (name.isEmpty()) {
        ctx.env.prompt.information(QCoreApplication::translate("phodex::Sites", kNoName));
        return;
    }
    ctx.session().setOwnerFolder(QStringLiteral("京东"));
    AlbumInfo album;
    album.name = name;
    album.key = address;
    ctx.addAlbum(album);
}

void JdListPhotos(PictureContext& ctx, int albumIndex) {
    const AlbumInfo album = ctx.album(albumIndex);
    QString page = KeptProductPage(ctx.session(), album.key);
    if (page.isEmpty())
        page = ReadStorePage(album.key, StoreHeaders(), kProductTextFlags);
    QuoteAttributes(page);
    QString block = page;
    if (SkipTo(block, QStringLiteral("=\"summary-stock")) < 0)
        block.clear();
    CutAt(block, QStringLiteral("class=\"btn-append"));
    if (DescriptionPicturesOnly(ctx))
        return;
    QStringList items;
    if (SplitBy(block, QStringLiteral("class=\"item"), items) > 0 &&
        ctx.extension().jdVariantPictures == 1) {
        WalkVariants(ctx, album, page, Variants(items), albumIndex);
        return;
    }
    PageWalk seen;
    HandOverThumbnails(ctx, page, {.titlePrefix = QString(), .referer = album.key}, albumIndex,
                       seen);
}

} // namespace phodex
