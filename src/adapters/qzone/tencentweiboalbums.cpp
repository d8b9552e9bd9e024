// SPDX-License-Identifier: MIT
#include "adapters/qzone/qqcommon.h"
#include "adapters/qzone/qzoneadapters.h"
#include "adapters/qzone/tencentweibo.h"
#include "core/jobcontext.h"
#include "core/pagewalk.h"
#include "net/pagetext.h"
#include "text/escapes.h"
#include "text/markers.h"

#include <QStringList>

namespace phodex {

namespace {

// The account's number, from its photo page.
QString FindOwner(CUrlRequest& request, const QString& account) {
    request.url = SiteHosts::https(HostRole::TencentWeiboHost, QStringLiteral("/app/qzphoto/")) +
                  QueryValue(account) + QStringLiteral("?preview");
    CUrlResponse response;
    QString text = FetchText(response, request, kTextInflate | kTextUtf8);
    SkipTo(text, QStringLiteral("MI.App.guest"));
    return GetBetween(text, QStringLiteral("uin\":\""), QStringLiteral("\""), kConsume);
}

QString AlbumListAddress(const QString& owner, int page) {
    return TencentWeiboAlbumService(
        QString::asprintf("op=1&uin=%ls&page=%d&n=12", qUtf16Printable(owner), page),
        QString::asprintf("&_r=1382084292800&g_tk=%u", ClockValue()));
}

// Fields are read in page order, each search going on after the last.
AlbumInfo ParseTopic(QString part) {
    AlbumInfo album;
    album.photoCount =
        LeadingNumber(GetBetween(part, QStringLiteral(":"), QStringLiteral(","), kConsume), -1);
    album.name = UnescapeUnicode(
        GetBetween(part, QStringLiteral("name\":\""), QStringLiteral("\",\""), kConsume));
    album.key = GetBetween(part, QStringLiteral("\"type\":\""), QStringLiteral("\""), kConsume);
    if (album.key.isEmpty())
        album.key =
            GetBetween(part, QStringLiteral("\"topicid\":\""), QStringLiteral("\""), kConsume);
    album.cover =
        Unslashed(GetBetween(part, QStringLiteral("image\":[\""), QStringLiteral("\""), kConsume)) +
        QStringLiteral("/240");
    return album;
}

} // namespace

void TencentWeiboListAlbums(ListContext& ctx, const QString& account) {
    CUrlRequest request = PageRequest(TencentWeiboHeaders());
    const QString owner = FindOwner(request, account);
    if (owner.isEmpty())
        return;
    ctx.session().setTextSlot(TextSlot::First, owner);
    CUrlResponse response;
    PageWalk walk;
    for (int page = 1; walk.nextPage(); ++page) {
        request.url = AlbumListAddress(owner, page);
        const QString text = FetchText(response, request, kTextInflate | kTextUtf8);
        QStringList parts;
        if (text.isEmpty() || SplitBy(text, QStringLiteral("\"num\""), parts) == 0)
            return;
        for (qsizetype i = 1; i < parts.size(); ++i) {
            const AlbumInfo album = ParseTopic(parts.at(i));
            if (album.key.isEmpty() || album.name.isEmpty() || !walk.isNew(album.key))
                continue;
            if (!ctx.addAlbum(album))
                return;
        }
    }
}

} // namespace phodex
