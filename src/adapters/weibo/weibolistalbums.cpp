// SPDX-License-Identifier: MIT
#include "adapters/common/adapterkit.h"
#include "adapters/weibo/weiboadapters.h"
#include "core/jobcontext.h"
#include "download/sanitizename.h"
#include "net/pagetext.h"
#include "net/webops.h"
#include "text/escapes.h"
#include "text/markers.h"

#include <QStringList>

namespace phodex {

namespace {

// The profile's name in its address: the numeric id after "/u/", else the
// custom name after the host. Query and fragment go first, so that an
// address carried in them ("?refer=https://x.com/y") is never taken for
// the profile; a name is one path segment, so what follows it goes too.
QString ProfileName(QString address) {
    CutAt(address, QStringLiteral("?"));
    CutAt(address, QStringLiteral("#"));
    SkipTo(address, QStringLiteral("/u/"));
    SkipTo(address, QStringLiteral(".com/"));
    CutAt(address, QStringLiteral("/"));
    return address.trimmed();
}

// The owner folder: the screen name, or the user id when the profile has no
// usable one.
QString OwnerFolder(QString& profile, const QString& uid) {
    QString name = UnescapeUnicode(
        GetBetween(profile, QStringLiteral("screen_name\":\""), QStringLiteral("\""), kConsume));
    SanitizeName(name);
    return name.isEmpty() ? uid : name;
}

// The album's photo service up to the page number, which the picture
// operation appends.
QString PhotoServiceKey(const QString& uid, const QString& albumId, const QString& type) {
    return SiteHosts::https(HostRole::WeiboPhotoHost) +
           QString::asprintf(
               "photos/get_all?uid=%ls&album_id=%ls&count=32&type=%ls&page=", qUtf16Printable(uid),
               qUtf16Printable(QueryValue(albumId)), qUtf16Printable(QueryValue(type.trimmed())));
}

// One album from the text after its "album_id" marker; fields are read in
// reply order, each search going on after the last. False when the album
// has no id to find it again by.
bool ParseAlbum(QString part, const QString& uid, AlbumInfo& album) {
    const QString albumId = TextBefore(part, QStringLiteral("\","));
    if (albumId.isEmpty())
        return false;
    const QString type = GetBetween(part, QStringLiteral("type\":"), QStringLiteral(","), kConsume);
    album.key = PhotoServiceKey(uid, albumId, type);
    album.name = UnescapeUnicode(
        GetBetween(part, QStringLiteral("\"caption\":\""), QStringLiteral("\""), kConsume));
    album.cover = Unslashed(
        GetBetween(part, QStringLiteral("cover_pic\":\""), QStringLiteral("\""), kConsume));
    album.photoCount = LeadingNumber(
        GetBetween(part, QStringLiteral("\"photos\":"), QStringLiteral(","), kConsume), -1);
    album.flags = 0;
    return true;
}

} // namespace

void WeiboListAlbums(ListContext& ctx, const QString& address) {
    const QString profile = ProfileName(address);
    if (profile.isEmpty())
        return;
    // The profile service wants the login cookie; the site's own pages send
    // it under the lower-case name.
    CUrlRequest request = PageRequest(GzipHeader() + QStringLiteral("\r\ncookie: ") +
                                      GetCookies(SiteHosts::https(HostRole::WeiboHost)));
    request.url =
        SiteHosts::https(HostRole::WeiboHost, QStringLiteral("/ajax/profile/info?custom=")) +
        QueryValue(profile);
    CUrlResponse response;
    QString text = FetchText(response, request, kTextInflate | kTextUtf8);
    if (text.isEmpty())
        return;
    // The user id goes into queries, a Referer path and picture addresses.
    const QString uid =
        GetBetween(text, QStringLiteral("\"id\":"), QStringLiteral(","), kConsume).trimmed();
    if (!AllDigits(uid))
        return;
    ctx.session().siteValues().setValue(kWeiboUidKey, uid);
    ctx.session().setOwnerFolder(OwnerFolder(text, uid));

    // Every album of the profile in one reply.
    request.url =
        SiteHosts::https(HostRole::WeiboPhotoHost, QStringLiteral("/albums/get_all?uid=")) + uid +
        QStringLiteral("&count=65535");
    text = FetchText(response, request, kTextInflate | kTextUtf8);
    QStringList parts;
    if (text.isEmpty() || SplitBy(text, QStringLiteral("\"album_id\":\""), parts) == 0)
        return;
    for (qsizetype i = 1; i < parts.size(); ++i) {
        AlbumInfo album;
        if (!ParseAlbum(parts.at(i), uid, album))
            continue;
        if (!ctx.addAlbum(album))
            return;
    }
}

} // namespace phodex
