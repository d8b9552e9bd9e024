// SPDX-License-Identifier: MIT
#include "adapters/stores/storeadapters.h"
#include "adapters/stores/storekit.h"
#include "core/jobcontext.h"
#include "core/sitehosts.h"
#include "download/sanitizename.h"
#include "download/unicodefile.h"
#include "net/fetch.h"
#include "net/pagetext.h"
#include "text/escapes.h"
#include "text/markers.h"

#include <QRegularExpression>

namespace phodex {

namespace {

// The pages are GBK, or Big5 where the INI file says so; the list request
// asks for no compression.
int ListTextFlags(const JobContext& ctx) {
    return ctx.extension().taobaoBig5 == 1 ? kTextInflate | kTextBig5 | kTextGbkPastNul
                                           : kTextGbkPastNul;
}

int PictureTextFlags(const JobContext& ctx) {
    return ctx.extension().taobaoBig5 == 1 ? kTextInflate | kTextBig5 | kTextGbkPastNul
                                           : kTextInflate | kTextGbkPastNul;
}

QString TaobaoProductName(QString text) {
    QString name =
        GetBetween(text, QStringLiteral("<title>"), QStringLiteral("</title>"), kConsume);
    if (name.isEmpty())
        name = GetBetween(text, QStringLiteral("name=\"keywords\" content=\""),
                          QStringLiteral("\""), kConsume);
    // "<product>-<shop>-<site>": the site's name goes.
    if (name.indexOf(QLatin1Char('-'), 1) >= 1)
        name.truncate(name.lastIndexOf(QLatin1Char('-')));
    return name;
}

QString ShopName(QString text) {
    struct Source {
        const char* start;
        const char* end;
        bool quoted;         // the value follows a "'"
        bool percentEncoded; // the value is UTF-8, percent-encoded
    };
    static constexpr Source kSources[] = {
        {"nickName:", ",", false, true},     {"NickName\"", ",", false, true},
        {"data-nick=\"", "\"", true, false}, {"data-tnick=\"", "\"", true, false},
        {"sellerNick", ",", true, false},
    };
    for (const Source& source : kSources) {
        QString value =
            GetBetween(text, QString::fromLatin1(source.start), QString::fromLatin1(source.end));
        if (value.isEmpty())
            continue;
        if (source.quoted)
            SkipTo(value, QStringLiteral("'"));
        value = value.remove(QLatin1Char('\'')).trimmed();
        if (source.percentEncoded)
            value = UrlDecodeUtf8(value);
        SanitizeName(value);
        return value;
    }
    return QString();
}

QString Price(QString text) {
    static const std::pair<const char*, const char*> kSources[] = {
        {"defaultItemPrice':'", "'"},
        {"price:", ","},
        {"defaultItemPrice\":\"", "\""},
        {"\"tb-rmb-num\">", "<"},
    };
    for (const auto& [start, end] : kSources) {
        const QString price =
            GetBetween(text, QString::fromLatin1(start), QString::fromLatin1(end));
        if (!price.isEmpty())
            return price;
    }
    return QString();
}

// The number a price text starts with, as the shops write it ("99.00",
// "99.00 - 120.00"); 0 when it starts with none.
double PriceValue(const QString& price) {
    static const QRegularExpression number(QStringLiteral("^\\s*[+-]?(\\d+\\.?\\d*|\\.\\d+)"));
    const QRegularExpressionMatch match = number.match(price);
    return match.hasMatch() ? match.captured(0).trimmed().toDouble() : 0.0;
}

// What the picture names start with: the price, where the INI file asks for it.
QString PricePrefix(const JobContext& ctx, const QString& price) {
    const ExtensionSettings& ini = ctx.extension();
    if (!ini.taobaoPriceInName || price.isEmpty())
        return QString();
    if (ini.taobaoPriceDelta != 0)
        return QString::asprintf("价格%.2f元_", PriceValue(price) + ini.taobaoPriceDelta);
    return QStringLiteral("价格%1元_").arg(price);
}

// A page names its description in one of these ways; a page without any is
// not a product page this adapter can read.
bool NamesDescription(const QString& text) {
    for (const char* marker : {"//dsc.", "httpsDescUrl", "//descnew.", "//dscnew.", " descUrl "}) {
        if (text.indexOf(QString::fromLatin1(marker)) >= 1)
            return true;
    }
    return false;
}

QString ThumbnailAddress(QString part) {
    QString address = part.indexOf(QStringLiteral("lazyload=\"")) >= 1
                          ? GetBetween(part, QStringLiteral("lazyload=\""), QStringLiteral("\""))
                          : TextBefore(part, QStringLiteral("\""));
    // "<picture>_60x60.jpg": the thumbnail's size suffix goes.
    const qsizetype underscore = address.lastIndexOf(QLatin1Char('_'));
    return underscore >= 0 ? address.first(underscore) : QString();
}

// The product page for the picture step: the one the listing read when it
// was this product's, else read again.
QString ProductPage(PictureContext& ctx, const AlbumInfo& album, const QString& headers) {
    QString text = KeptProductPage(ctx.session(), album.key);
    if (!text.isEmpty())
        return text;
    return ReadStorePage(album.key, headers, PictureTextFlags(ctx));
}

} // namespace

void TaobaoListProducts(ListContext& ctx, const QString& address) {
    if (address.indexOf(QStringLiteral("item.")) < 1 &&
        address.indexOf(QStringLiteral("tbskip.")) < 2)
        return;
    CUrlRequest request = PageRequest(QString());
    request.url = address;
    CUrlResponse response;
    if (!Fetch(response, request, 0))
        return;
    const QString text = GetText(response, ListTextFlags(ctx));
    KeepProductPage(ctx.session(), address, text);
    // The page as read, for a report when its layout changed.
    WriteUnicodeFile(ctx.session().workDir + QStringLiteral("tb.txt"), text);

    AlbumInfo album;
    album.name = TaobaoProductName(text);
    album.key = address;
    ctx.session().setOwnerFolder(ShopName(text));
    ctx.addAlbum(album);
}

void TaobaoListPhotos(PictureContext& ctx, int albumIndex) {
    const AlbumInfo album = ctx.album(albumIndex);
    if (album.key.indexOf(QStringLiteral("tbskip")) >= 1) {
        TaobaoListPagePhotos(ctx, albumIndex);
        return;
    }
    const QString headers =
        StoreHeaders() + QStringLiteral("\r\nAccept-Charset:GBK\r\n") + RefererLine(album.key);
    QString text = ProductPage(ctx, album, headers);
    if (text.isEmpty())
        return;

    // A combo product's page is served by the combo host in its place.
    const QString comboHost = SiteHosts::get(HostRole::TaobaoComboHost);
    if (text.indexOf(QStringLiteral("//") + comboHost + QStringLiteral("/item.htm'")) >= 2) {
        QString combo = album.key;
        combo.replace(SiteHosts::get(HostRole::TaobaoItemHost), comboHost);
        text = ReadStorePage(combo, headers, PictureTextFlags(ctx));
        if (text.isEmpty())
            return;
    }

    if (!NamesDescription(text)) {
        ReportUnreadablePage(ctx, text, 2);
        return;
    }
    const QString price = Price(text);
    if (DescriptionPicturesOnly(ctx))
        return;

    QString thumbnails = text;
    if (SkipTo(thumbnails, QStringLiteral("id=\"J_UlThumb\"")) < 0 ||
        CutAt(thumbnails, QStringLiteral("</ul>")) < 0)
        thumbnails.clear(); // no thumbnail list: nothing else on the page is a main picture
    const QString separator = thumbnails.contains(QStringLiteral("src=\""))
                                  ? QStringLiteral("src=\"")
                                  : QStringLiteral("image:url(");
    WalkMainPictures(ctx, thumbnails,
                     {.separator = separator,
                      .addressOf = ThumbnailAddress,
                      .titlePrefix = PricePrefix(ctx, price),
                      .headers = RefererLine(album.key)},
                     albumIndex);
}

void TaobaoListPagePhotos(PictureContext& ctx, int albumIndex) {
    const AlbumInfo album = ctx.album(albumIndex);
    if (DescriptionPicturesOnly(ctx))
        return;
    const QString text = ProductPage(ctx, album, StoreHeaders());
    if (text.isEmpty())
        return;
    const QString separator = text.contains(QStringLiteral("data-src=\""))
                                  ? QStringLiteral("data-src=\"")
                                  : QStringLiteral("image:url(");
    WalkMainPictures(
        ctx, text,
        {.separator = separator,
         .addressOf = [](const QString& part) { return TextBefore(part, QStringLiteral("\"")); },
         .titlePrefix = PricePrefix(ctx, Price(text)),
         .headers = QString()},
        albumIndex);
}

} // namespace phodex
