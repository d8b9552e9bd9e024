// SPDX-License-Identifier: MIT
#include "adapters/common/adapterkit.h"
#include "adapters/common/privatealbum.h"
#include "adapters/tieba/tiebaadapters.h"
#include "core/jobcontext.h"
#include "core/pagewalk.h"
#include "net/pagetext.h"
#include "text/escapes.h"
#include "text/markers.h"

#include <QStringList>

namespace phodex {

namespace {

constexpr int kTiebaTextFlags = kTextInflate | kTextUtf8;

QString ForumHost() {
    return SiteHosts::https(HostRole::TiebaHost, QString());
}

QString PictureById(const QString& id) {
    return SiteHosts::https(HostRole::TiebaPictureHost,
                            QStringLiteral("/forum/pic/item/%1.jpg").arg(QueryValue(id)));
}

QString TitleOr(const QString& descr, const QString& albumName) {
    const QString title = UnescapeUnicode(descr);
    return title.isEmpty() ? albumName : title;
}

// One album of the forum's album list, whose pages are HTML written into a
// JSON string: every quote comes escaped.
bool AddForumAlbum(ListContext& ctx, QString item, PageWalk& walk) {
    AlbumInfo album;
    album.key = Unslashed(GetBetween(item, QStringLiteral("href=\\\""), QStringLiteral("\\\"")));
    SkipTo(album.key, QStringLiteral("p/"));
    if (album.key.isEmpty() || !walk.isNew(album.key))
        return true;
    album.cover = Unslashed(GetBetween(item, QStringLiteral("src=\\\""), QStringLiteral("\\\"")));
    SkipTo(item, QStringLiteral("grbm_ele_pic_amount"));
    album.photoCount =
        LeadingNumber(GetBetween(item, QStringLiteral(">"), QStringLiteral("<")), album.photoCount);
    album.name =
        UnescapeUnicode(GetBetween(item, QStringLiteral("title=\\\""), QStringLiteral("\\\"")));
    return ctx.addAlbum(album);
}

} // namespace

void TiebaListAlbums(ListContext& ctx, const QString& forum) {
    // The list has no next-page marker: it is read until a page names no
    // album, or names only albums seen before (a number past the end may
    // bring the last page again).
    PageWalk walk;
    for (int n = 1; walk.nextPage(); ++n) {
        const QString text = FetchPage(
            ForumHost() + QStringLiteral("/photo/g?kw=%1&alt=jview&pn=%2&rn=30&cat_id=all&_=%3")
                              .arg(EncodedValue(forum))
                              .arg(n)
                              .arg(RandomFraction()),
            kTiebaTextFlags);
        QStringList parts;
        if (text.isEmpty() ||
            SplitBy(text, QStringLiteral("class=\\\"grbm_ele_wrapper"), parts) < 1)
            return;
        for (qsizetype i = 1; i < parts.size(); ++i) {
            if (!AddForumAlbum(ctx, parts.at(i), walk))
                return;
        }
        walk.notePage(text);
    }
}

void TiebaListPhotos(PictureContext& ctx, int albumIndex) {
    const AlbumInfo album = ctx.album(albumIndex);
    if (album.key.isEmpty())
        return;
    const QString forum = ctx.session().textSlot(TextSlot::First);
    const QString loginPage = SiteHosts::https(
        HostRole::BaiduAlbumHost, QStringLiteral("/picture/album/list/") + QueryValue(album.key));
    ReadAlbumPages(ctx, album, loginPage, [&](int pageIndex, PageWalk& walk) -> std::optional<int> {
        const QString text = FetchPage(
            ForumHost() +
                QStringLiteral("/photo/g/bw/picture/list?kw=%1&alt=jview&rn=200&tid=%2&pn=%3&ps=0"
                               "&pe=200&wall_type=v&_=%4")
                    .arg(EncodedValue(forum), QueryValue(album.key))
                    .arg(pageIndex + 1)
                    .arg(RandomFraction()),
            kTiebaTextFlags);
        if (text.isEmpty())
            return std::nullopt;
        QStringList parts;
        SplitBy(text, QStringLiteral("pic_id\""), parts);
        int named = 0;
        for (qsizetype i = 1; i < parts.size(); ++i) {
            QString item = parts.at(i);
            const QString id = GetBetween(item, QStringLiteral("\""), QStringLiteral("\""));
            if (id.isEmpty())
                continue;
            ++named;
            const QString title = TitleOr(
                GetBetween(item, QStringLiteral("descr\":\""), QStringLiteral("\"")), album.name);
            if (!HandOverPicture(ctx, PictureById(id), title, albumIndex, walk))
                return std::nullopt;
        }
        return named;
    });
}

void TiebaListThread(ListContext& ctx, const QString& address) {
    QString page = FetchPage(address, kTextInflate);
    AlbumInfo album;
    album.name = GetBetween(page, QStringLiteral("title' : '"), QStringLiteral("'"));
    album.key = address;
    if (!ctx.addAlbum(album))
        return;
    ctx.session().setTextSlot(TextSlot::First, page);
}

void TiebaListThreadPhotos(PictureContext& ctx, int albumIndex) {
    const AlbumInfo album = ctx.album(albumIndex);
    if (album.key.isEmpty())
        return;
    // Each guide reply names the pictures that follow the one asked about. A
    // reply that names no picture id, or not the one asked about, starts over
    // with pictures already seen: the walk ends at the first reply that brings
    // no new picture.
    PageWalk walk;
    QString lastId;
    while (walk.nextPage()) {
        QString address =
            album.key + QStringLiteral("&see_lz=1&from_page=0&alt=jview&next=50&prev=1&pic_id=%1"
                                       "&_=%2")
                            .arg(QueryValue(lastId), RandomFraction());
        address.replace(QStringLiteral("/photo/p"), QStringLiteral("/photo/bw/picture/guide"));
        QString text = FetchPage(address, kTiebaTextFlags);
        if (!lastId.isEmpty())
            SkipTo(text, lastId);
        QStringList parts;
        if (text.isEmpty() || SplitBy(text, QStringLiteral("\"img\":"), parts) < 1)
            return;
        for (qsizetype i = 1; i < parts.size(); ++i) {
            QString item = parts.at(i);
            const QString id = GetBetween(item, QStringLiteral("id\":\""), QStringLiteral("\""));
            if (!id.isEmpty())
                lastId = id;
            QString url =
                Unslashed(GetBetween(item, QStringLiteral("waterurl\":\""), QStringLiteral("\"")));
            if (url.isEmpty() && !id.isEmpty())
                url = PictureById(id);
            const QString title = TitleOr(
                GetBetween(item, QStringLiteral("descr\":\""), QStringLiteral("\"")), album.name);
            if (!HandOverPicture(ctx, url, title, albumIndex, walk))
                return;
        }
    }
}

} // namespace phodex
