// SPDX-License-Identifier: MIT
#include "adapters/common/adapterkit.h"
#include "adapters/common/browsercookies.h"
#include "adapters/yupoo/yupooadapters.h"
#include "adapters/yupoo/yupookit.h"
#include "core/jobcontext.h"
#include "core/pagewalk.h"
#include "core/seams/userprompt.h"
#include "download/sanitizename.h"
#include "text/markers.h"

#include <QCoreApplication>
#include <QStringList>

// The classic pages: an owner's album list "page<n>/", album pages in their
// "detail" style, and a zoom page per picture with its full-size source.
namespace phodex {

namespace {

// Album names are the tail of their alt text: the start is the owner's.
constexpr qsizetype kNameTail = 34;
// A title longer than this was read from something else than the title.
constexpr qsizetype kLongestTitle = 300;
const AlbumDescriptionMarkers kDescription{QStringLiteral("adescription\">"), QStringLiteral("</")};

QString PlainScheme(HostRole role) {
    return QStringLiteral("http://") + SiteHosts::get(role);
}

// The classic pages answer slowly and now and then with nothing.
CUrlRequest ClassicRequest(const QString& headers) {
    CUrlRequest request = PageRequest(headers);
    request.minLength = 100;
    request.attempts = 4;
    request.pauseSeconds = 4;
    return request;
}

// "<title>" up to "的相册", or else up to "的主页".
QString OwnerOfTitle(QString text) {
    QString owner = GetBetween(text, QStringLiteral("<title>"), QStringLiteral("的相册"), kConsume);
    if (owner.isEmpty())
        owner = GetBetween(text, QStringLiteral("<title>"), QStringLiteral("的主页"), kConsume);
    return owner;
}

void ListOneAlbum(ListContext& ctx, const QString& address, CUrlRequest& request) {
    request.url = address;
    CutAt(request.url, QStringLiteral("?"));
    CUrlResponse response;
    QString text = FetchYupooPage(response, request);
    if (text.isEmpty())
        return;
    QString owner = OwnerOfTitle(text);
    if (owner.contains(u'-'))
        SkipTo(owner, QStringLiteral("-"));
    if (owner.contains(u'_'))
        SkipTo(owner, QStringLiteral("_"));
    SanitizeName(owner, kNoFallbackNumber, true);
    ctx.session().setOwnerFolder(owner);
    AlbumInfo album;
    album.name = GetBetween(text, QStringLiteral("class=\"albumOwner\">"),
                            QStringLiteral("</span>"), kConsume);
    if (album.name.isEmpty())
        album.name =
            GetBetween(text, QStringLiteral("的相册</a> /"), QStringLiteral("</"), kConsume);
    if (album.name.size() > kLongestTitle)
        return;
    album.photoCount =
        LeadingNumber(GetBetween(text, QStringLiteral("("), QStringLiteral("张"), kConsume));
    album.key = request.url;
    ctx.addAlbum(album);
}

AlbumInfo ListedAlbum(QString part, HostRole keyHost) {
    AlbumInfo album;
    album.key = GetBetween(part, QStringLiteral("href=\""), QStringLiteral("\""), kConsume);
    album.cover = GetBetween(part, QStringLiteral("src_data=\""), QStringLiteral("\""), kConsume);
    if (album.cover.isEmpty())
        album.cover = GetBetween(part, QStringLiteral("src=\""), QStringLiteral("\""), kConsume);
    // The alt text ends with its quote before the tag closes.
    QString name = GetBetween(part, QStringLiteral("alt=\""), QStringLiteral("/>"), kConsume);
    CutAt(name, QStringLiteral("\""));
    name = name.trimmed();
    album.name = name.size() > kNameTail ? name.right(kNameTail) : name;
    album.photoCount =
        LeadingNumber(GetBetween(part, QStringLiteral("<b>"), QStringLiteral("</b>"), kConsume));
    if (album.photoCount == 0)
        album.photoCount = LeadingNumber(
            GetBetween(part, QStringLiteral("<strong>"), QStringLiteral("</strong>"), kConsume));
    if (album.cover.indexOf(kYupooDefaultCover) > 0)
        album.flags = kAlbumEncrypted;
    if (!album.key.contains(QStringLiteral("http://")))
        album.key = PlainScheme(keyHost) + album.key;
    return album;
}

void ListAlbumPages(ListContext& ctx, const QString& address, CUrlRequest& request) {
    const HostRole keyHost = address.startsWith(PlainScheme(HostRole::YupooVideoHost))
                                 ? HostRole::YupooVideoHost
                                 : HostRole::YupooHost;
    CUrlResponse response;
    PageWalk walk;
    for (int page = 1; walk.nextPage(); ++page) {
        request.url = address + QStringLiteral("page%1/").arg(page);
        request.headers = YupooPageHeaders(ctx, request.url, address);
        QString text = FetchYupooPage(response, request);
        if (text.isEmpty())
            return;
        if (page == 1) {
            QString owner = OwnerOfTitle(text);
            SanitizeName(owner, kNoFallbackNumber, true);
            ctx.session().setOwnerFolder(owner);
        }
        const QString whole = text;
        QString separator = QStringLiteral("class=\"set-case\">");
        if (!text.contains(separator))
            separator = QStringLiteral("class=\"SetCase");
        SkipTo(text, QStringLiteral("id=\"albumsList"));
        QStringList parts;
        if (SplitBy(text, separator, parts) < 1)
            return;
        for (qsizetype i = 1; i < parts.size(); ++i) {
            const AlbumInfo album = ListedAlbum(parts.at(i), keyHost);
            if (!walk.isNew(album.key + u'\n' + album.name))
                continue;
            if (!ctx.addAlbum(album))
                return;
        }
        walk.notePage(whole);
    }
}

// The full-size source from the picture's zoom page, read with the shared
// cookie jar; url stays as it is when the page names none. False when the
// site refuses originals to this visitor.
bool ReadZoomPage(PictureContext& ctx, const QString& zoomPage, CUrlRequest& request,
                  QString& url) {
    request.url = zoomPage;
    request.headers = GzipHeader() + QStringLiteral("\r\nReferer: ") + zoomPage;
    CUrlResponse response;
    QString text = FetchText(response, request, kYupooTextFlags);
    if (text.isEmpty())
        return true;
    if (text.contains(QStringLiteral("无法查看该照片的原图"))) {
        ctx.env.prompt.information(QCoreApplication::translate(
            "phodex::Sites", "请先在登录菜单里登录你的又拍帐号,登录时勾上下次自动登录"));
        return false;
    }
    SkipTo(text, QStringLiteral("原图"));
    const QString source =
        GetBetween(text, QStringLiteral("<img src=\""), QStringLiteral("\""), kConsume);
    if (source.contains(QStringLiteral("http")))
        url = source;
    return true;
}

} // namespace

void YupooClassicListAlbums(ListContext& ctx, const QString& address) {
    CUrlRequest request = ClassicRequest(QString());
    // The body ends before the footer.
    request.endMarker = QByteArrayLiteral("id=\"footer\">");
    QString probe = address;
    if (GetBetween(probe, QStringLiteral("albums/"), QStringLiteral("/")).isEmpty()) {
        ListAlbumPages(ctx, address, request);
        return;
    }
    request.headers = QStringLiteral("Referer: ") + PlainScheme(HostRole::YupooHost) +
                      QStringLiteral("\r\n") + GzipHeader();
    request.headers = BrowserCookiesFor(ctx, address).appendTo(request.headers);
    ListOneAlbum(ctx, address, request);
}

void YupooClassicListPhotos(PictureContext& ctx, int albumIndex) {
    const AlbumInfo album = ctx.album(albumIndex);
    if (album.key.isEmpty())
        return;
    const bool large = ctx.profile().HasOption(kOptionYupooLarge);
    const QString separator = album.key.startsWith(PlainScheme(HostRole::YupooVideoHost))
                                  ? QStringLiteral("<td class=\"Photo")
                                  : QStringLiteral("<td class=\"photo");
    const QString intake = QStringLiteral("Referer: ") + album.key;
    const QString zoomBase = TextBefore(album.key, QStringLiteral("albums/"));
    CUrlRequest request = ClassicRequest(QString());
    request.connectTimeoutMs = 15000;
    CUrlRequest zoomRequest = request;
    PageWalk walk;
    QString description;
    for (int page = 1; walk.nextPage(); ++page) {
        request.url = album.key + QStringLiteral("page%1/?style=detail").arg(page);
        const QString text = ReadAlbumPage(ctx, album, page, kDescription, request, description);
        if (text.isEmpty())
            return;
        QStringList parts;
        if (SplitBy(text, separator, parts) < 1)
            return;
        for (qsizetype i = 1; i < parts.size(); ++i) {
            QString part = parts.at(i);
            const QString id =
                GetBetween(part, QStringLiteral("photos['"), QStringLiteral("'"), kConsume);
            QString title =
                GetBetween(part, QStringLiteral("title:'"), QStringLiteral("'"), kConsume);
            if (title.isEmpty())
                title = GetBetween(part, QStringLiteral("description:'"), QStringLiteral("'"),
                                   kConsume);
            if (title.isEmpty())
                title = album.name;
            QString url =
                GetBetween(part, QStringLiteral("src=\""), QStringLiteral("\""), kConsume);
            // A picture without its id has no zoom page: its address stays.
            if (large) {
                url.replace(QStringLiteral("/small."), QStringLiteral("/big."));
            } else if (!id.isEmpty()) {
                const QString zoomPage =
                    zoomBase + QueryValue(id) + QStringLiteral("/zoom/original/");
                if (!ReadZoomPage(ctx, zoomPage, zoomRequest, url))
                    return;
            }
            const bool more = HandOverPicture(ctx, url, title, albumIndex, walk, intake);
            KeepAlbumDescription(ctx, description);
            if (!more)
                return;
        }
        walk.notePage(text);
    }
}

} // namespace phodex
