// SPDX-License-Identifier: MIT
#include "adapters/common/adapterkit.h"
#include "adapters/gallery/galleryadapters.h"
#include "adapters/gallery/gallerykit.h"
#include "core/jobcontext.h"
#include "core/pagewalk.h"
#include "core/webaddress.h"
#include "net/pacer.h"
#include "net/pagetext.h"
#include "text/codepage.h"
#include "text/escapes.h"
#include "text/markers.h"

#include <QCryptographicHash>
#include <QStringList>

namespace phodex {

namespace {

constexpr int kWorksPerPage = 18;

QString UserCentre(const QString& userId) {
    return SiteHosts::https(HostRole::PocoHost, QStringLiteral("/user/user_center?user_id=")) +
           QueryValue(userId);
}

// The service checks this part of the digest of the request's parameters.
QString SignCode(const QString& userId, int start) {
    const QString text = QStringLiteral("poco_{\"user_id\":null,\"visited_user_id\":%1,\"year\":0,"
                                        "\"length\":18,\"start\":%2}_app")
                             .arg(userId)
                             .arg(start);
    const QByteArray digest =
        QCryptographicHash::hash(ToGbk(text), QCryptographicHash::Md5).toHex();
    return QString::fromLatin1(digest.mid(5, 19));
}

// The form body the site's own pages send: the request as JSON with its
// structural characters percent-encoded.
QByteArray WorksListBody(const QString& userId, int start) {
    QString json = QStringLiteral("{\"version\":\"1.1.0\",\"app_name\":\"poco_photography_web\","
                                  "\"os_type\":\"weixin\",\"is_enc\":0,\"env\":\"prod\","
                                  "\"ctime\":1518794347184,\"param\":{\"user_id\":null,"
                                  "\"visited_user_id\":%1,\"year\":0,\"length\":18,\"start\":%2},"
                                  "\"sign_code\":\"%3\"}")
                       .arg(userId)
                       .arg(start)
                       .arg(SignCode(userId, start));
    json.replace(u'{', QStringLiteral("%7B"))
        .replace(u'}', QStringLiteral("%7D"))
        .replace(u'"', QStringLiteral("%22"))
        .replace(u':', QStringLiteral("%3A"))
        .replace(u',', QStringLiteral("%2C"));
    QString home = SiteHosts::https(HostRole::PocoHost);
    home.chop(1);
    home.replace(u':', QStringLiteral("%3A")).replace(u'/', QStringLiteral("%2F"));
    return (QStringLiteral("req=") + json + QStringLiteral("&host_port=") + home).toUtf8();
}

} // namespace

void PocoListAlbums(ListContext& ctx, const QString& userId) {
    // The user id goes into the signed request as a JSON number.
    if (!AllDigits(userId))
        return;
    ctx.session().setTextSlot(TextSlot::First, userId);
    CUrlRequest request =
        PageRequest(GzipHeader() +
                    QStringLiteral("\r\nContent-Type:application/"
                                   "x-www-form-urlencoded; charset=UTF-8\r\nReferer:") +
                    UserCentre(userId));
    request.verb = QStringLiteral("POST");
    request.url =
        SiteHosts::https(HostRole::PocoHost, QStringLiteral("/v1_1/space/get_user_works_list"));
    CUrlResponse response;
    PageWalk walk;
    for (int start = 0; walk.nextPage(); start += kWorksPerPage) {
        request.postData = WorksListBody(userId, start);
        QString text = FetchText(response, request, kTextInflate | kTextUtf8);
        if (text.isEmpty())
            return;
        // The service serves pages faster than it likes to be asked; the
        // pause follows the rhythm of the site's own pages.
        pacer().sleepMs((((start + kWorksPerPage) / kWorksPerPage) % 3 + 1) * 1000);
        const bool more = text.contains(QStringLiteral("has_more\":true")) ||
                          text.contains(QStringLiteral("has_more\": true"));
        SkipTo(text, QStringLiteral("\"list\""));
        QStringList parts;
        if (SplitBy(text, QStringLiteral("\"works_id"), parts) < 1)
            return;
        for (qsizetype i = 1; i < parts.size(); ++i) {
            QString item = parts.at(i);
            AlbumInfo album;
            album.name = UnescapeUnicode(
                GetBetween(item, QStringLiteral("\"title\":\""), QStringLiteral("\"")));
            album.key =
                Unslashed(GetBetween(item, QStringLiteral("works_url\":\""), QStringLiteral("\"")));
            album.photoCount = LeadingNumber(
                GetBetween(item, QStringLiteral("works_photo_count\":"), QStringLiteral(",")));
            album.cover =
                WithWebScheme(Unslashed(GetBetween(item, QStringLiteral("user_avatar\":\""),
                                                   QStringLiteral("\""))),
                              BareAddress::Relative);
            // A reply the service repeats adds nothing twice.
            if (!walk.isNew(album.key + u'\n' + album.name))
                continue;
            if (!ctx.addAlbum(album))
                return;
        }
        if (!more)
            return;
    }
}

void PocoListPhotos(PictureContext& ctx, int albumIndex) {
    const AlbumInfo album = ctx.album(albumIndex);
    if (album.key.isEmpty())
        return;
    CUrlRequest request = PageRequest(GzipHeader() + QStringLiteral("\r\nReferer:") +
                                      UserCentre(ctx.session().textSlot(TextSlot::First)));
    request.url = album.key;
    CUrlResponse response;
    QString text = FetchText(response, request, kTextInflate | kTextUtf8);
    SkipTo(text, QStringLiteral("endautoescape"));
    CutAt(text, QStringLiteral("<a"));
    QStringList parts;
    SplitBy(text, QStringLiteral("<img data-src=\""), parts);
    PageWalk walk;
    for (qsizetype i = 1; i < parts.size(); ++i) {
        const QString url = TextBefore(parts.at(i), QStringLiteral("\"")).trimmed();
        if (url.isEmpty())
            return;
        if (!HandOverPicture(ctx, url, album.name, albumIndex, walk))
            return;
    }
}

} // namespace phodex
