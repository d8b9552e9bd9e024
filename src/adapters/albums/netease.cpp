// SPDX-License-Identifier: MIT
#include "adapters/albums/albumadapters.h"
#include "adapters/common/adapterkit.h"
#include "adapters/common/privatealbum.h"
#include "core/jobcontext.h"
#include "core/pagewalk.h"
#include "core/seams/userprompt.h"
#include "core/webaddress.h"
#include "download/sanitizename.h"
#include "net/pagetext.h"
#include "text/markers.h"

#include <QCoreApplication>

#include <QStringList>
#include <QUrl>

namespace phodex {

namespace {

// The album pages and scripts are in the site's own code page, which the
// page text decodes by default; the data calls answer in UTF-8.
constexpr int kPageFlags = kTextInflate;
constexpr int kCallFlags = kTextInflate | kTextUtf8;

constexpr char kBadAddress[] =
    QT_TRANSLATE_NOOP("phodex::Sites", "输入网址有误，应该输入相册网址或首页网址");
constexpr char kPrivateAlbum[] = QT_TRANSLATE_NOOP(
    "phodex::Sites", "该相册为非公开,如果该相册为私密相册,登录帐号后重新获取相册列表可下载");
const QString kCallTail =
    QStringLiteral("&c0-param1=string%3A&c0-param2=string%3A&c0-param3="
                   "number%3A24881696&c0-param4=boolean%3Afalse&batchId=530377");
const QString kFromBlogTail =
    QStringLiteral("&c0-param1=string%3A&c0-param2=string%3Afromblog&c0-param3=string%3A24881696&"
                   "c0-param4=boolean%3Afalse&batchId=530377");

// The album data call: what the site's own pages ask for an album's
// picture script.
QString AlbumDataCall(const QString& owner, const QString& params) {
    return SiteHosts::https(HostRole::NeteasePhotoHost, QStringLiteral("/photo/")) +
           QueryValue(owner) +
           QStringLiteral("/dwr/call/plaincall/AlbumBean.getAlbumData.dwr?callCount=1&"
                          "scriptSessionId=%24%7BscriptSessionId%7D187&c0-scriptName=AlbumBean&"
                          "c0-methodName=getAlbumData&c0-id=0&") +
           params;
}

// The scripts are named without a scheme; anything that is not then a web
// address is not fetched at all, nor is a text with another scheme or with
// an address only further on.
QString ScriptAddress(const QString& value) {
    if (!StartsWithWebScheme(value) && value.contains(QStringLiteral("://")))
        return {};
    const QString address = WithWebScheme(value);
    const QUrl url(address, QUrl::StrictMode);
    if (!url.isValid() || url.host().isEmpty() ||
        (url.scheme() != u"http" && url.scheme() != u"https"))
        return {};
    return address;
}

QString FetchScript(const QString& value) {
    const QString address = ScriptAddress(value);
    return address.isEmpty() ? QString() : FetchPage(address, kPageFlags);
}

// A call's reply names the script as its first quoted value.
QString ScriptFromCall(const QString& owner, const QString& params) {
    QString reply = FetchPage(AlbumDataCall(owner, params), kCallFlags);
    const QString script = GetBetween(reply, QStringLiteral(",\""), QStringLiteral("\""));
    return script.contains(QStringLiteral(".js")) ? FetchScript(script) : QString();
}

// Values are "<server number>/<path>" or a bare path. A leading part that
// is not a number would become part of the host name, so such a value is
// read as a bare path.
QString NeteasePictureAddress(const QString& value) {
    const QString host =
        SiteHosts::get(value.contains(QStringLiteral("/photo/")) ? HostRole::NeteaseBlogPictureHost
                                                                 : HostRole::NeteasePictureHost);
    const qsizetype slash = value.indexOf(u'/', 1);
    if (slash > 0 && AllDigits(value.first(slash)))
        return QStringLiteral("http://img%1.%2%3").arg(value.first(slash), host, value.mid(slash));
    return QStringLiteral("http://img.") + host + (value.startsWith(u'/') ? "" : "/") + value;
}

QString Placeholder(const char* name) {
    return SiteHosts::https(HostRole::NeteasePhotoHost, QStringLiteral("/img/cover/")) +
           QString::fromLatin1(name) + QStringLiteral(".png");
}

// Albums the owner keeps to themselves show a placeholder for their access.
QString AccessPlaceholder(const QString& access) {
    if (access == u"4")
        return Placeholder("question");
    if (access == u"8")
        return Placeholder("password");
    if (access != u"2" && access != u"0")
        return Placeholder("private");
    return {};
}

// False when the album is to be left out: its data call failed.
bool ReadAlbum(const QString& item, const QString& owner, AlbumInfo& album) {
    QString rest = item;
    const QString id = TextBefore(rest, QStringLiteral(","));
    if (!AllDigits(id))
        return false;
    album.name = GetBetween(rest, QStringLiteral("name:'"), QStringLiteral("'"));
    QString description = GetBetween(rest, QStringLiteral("desc:'"), QStringLiteral("'"));
    // The script writes line breaks as escapes; the description keeps them
    // as the line breaks of a text file.
    description.remove(QStringLiteral("\\r"));
    description.replace(QStringLiteral("\\n"), QStringLiteral("\r\n"));
    album.extra = description;
    album.info = id;
    const QString access = GetBetween(rest, QStringLiteral("au:"), QStringLiteral(",")).trimmed();
    album.photoCount = LeadingNumber(
        GetBetween(rest, QStringLiteral("count:"), QStringLiteral(",")), album.photoCount);
    const QString cover = GetBetween(rest, QStringLiteral("curl:'"), QStringLiteral("'"));
    if (!cover.isEmpty())
        album.cover = NeteasePictureAddress(cover);
    if (album.photoCount == 0)
        album.cover = Placeholder("none");
    album.key = GetBetween(rest, QStringLiteral("purl:'"), QStringLiteral("'"));
    if (!album.key.isEmpty())
        return true;
    if (album.cover.isEmpty())
        album.cover = AccessPlaceholder(access);
    if (access != u"8") {
        QString reply =
            FetchPage(AlbumDataCall(owner, QStringLiteral("c0-param0=number%3A") + id + kCallTail),
                      kCallFlags);
        if (reply.isEmpty())
            return false;
        album.key = GetBetween(reply, QStringLiteral("',\""), QStringLiteral("\");"));
    }
    if (album.key.isEmpty())
        album.key = id;
    return true;
}

} // namespace

void NeteaseListAlbums(ListContext& ctx, const QString& address) {
    QString page = FetchPage(address, kPageFlags);
    QString owner = GetBetween(page, QStringLiteral("photo163HostName:'"), QStringLiteral("'"));
    if (owner.isEmpty())
        owner = GetBetween(page, QStringLiteral("hostName : '"), QStringLiteral("'"));
    if (owner.isEmpty()) {
        ctx.env.prompt.information(QCoreApplication::translate("phodex::Sites", kBadAddress));
        return;
    }
    // The raw name goes into the requests (encoded); the folder gets a name
    // that cannot leave the save folder.
    QString folder = owner;
    SanitizeName(folder);
    ctx.session().setOwnerFolder(folder);
    ctx.session().setTextSlot(TextSlot::Third, owner);
    QString albumUrl = GetBetween(page, QStringLiteral("albumUrl : '"), QStringLiteral("'"));
    if (albumUrl.isEmpty()) {
        const HostRole home = address.indexOf(QStringLiteral("pp.1")) > 0
                                  ? HostRole::NeteasePpHost
                                  : HostRole::NeteasePhotoHost;
        page = FetchPage(SiteHosts::https(home) + QueryValue(owner), kPageFlags);
        albumUrl = GetBetween(page, QStringLiteral("albumUrl : '"), QStringLiteral("'"));
    }
    const QString script = FetchScript(albumUrl);
    QStringList parts;
    SplitBy(script, QStringLiteral("{id:"), parts);
    for (qsizetype i = 1; i < parts.size(); ++i) {
        AlbumInfo album;
        if (!ReadAlbum(parts.at(i), owner, album))
            continue;
        if (!ctx.addAlbum(album))
            return;
    }
}

void NeteaseListPhotos(PictureContext& ctx, int albumIndex) {
    const AlbumInfo album = ctx.album(albumIndex);
    if (album.key.isEmpty()) {
        ctx.env.prompt.information(QCoreApplication::translate("phodex::Sites", kPrivateAlbum));
        return;
    }
    const QString owner = ctx.session().textSlot(TextSlot::Third);
    QString script;
    if (album.key.size() >= 20) {
        script = FetchScript(album.key);
        if (script.size() < 10 && AllDigits(album.info))
            script = ScriptFromCall(owner,
                                    QStringLiteral("c0-param0=string%3A") + album.info + kCallTail);
    } else if (AllDigits(album.key)) {
        if (!OfferPrivateAlbumLogin(ctx, SiteHosts::https(HostRole::NeteasePhotoHost) +
                                             QueryValue(owner) + QStringLiteral("/list/#aid=") +
                                             album.key + QStringLiteral("&m=1&p=1")))
            return;
        script = ScriptFromCall(owner,
                                QStringLiteral("c0-param0=number%3A") + album.key + kFromBlogTail);
    }
    QStringList parts;
    SplitBy(script, QStringLiteral("{id:"), parts);
    PageWalk walk;
    for (qsizetype i = 1; i < parts.size(); ++i) {
        QString item = parts.at(i);
        QString url;
        for (const char* field : {"ourl:'", "murl:'", "surl:'"}) {
            url = GetBetween(item, QString::fromLatin1(field), QStringLiteral("'"));
            if (!url.isEmpty())
                break;
        }
        if (url.isEmpty())
            continue;
        QString title = GetBetween(item, QStringLiteral("desc:'"), QStringLiteral("'"));
        if (title.isEmpty())
            title = album.name;
        if (!HandOverPicture(ctx, NeteasePictureAddress(url), title, albumIndex, walk))
            return;
    }
}

} // namespace phodex
