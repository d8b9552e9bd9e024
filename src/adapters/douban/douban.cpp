// SPDX-License-Identifier: MIT
#include "adapters/common/adapterkit.h"
#include "adapters/douban/doubanadapters.h"
#include "core/jobcontext.h"
#include "core/pagewalk.h"
#include "core/seams/userprompt.h"
#include "download/sanitizename.h"
#include "net/pacer.h"
#include "net/pagetext.h"
#include "text/markers.h"

#include <QCoreApplication>
#include <QStringList>

namespace phodex {

namespace {

constexpr int kDoubanTextFlags = kTextInflate | kTextUtf8;
// The site limits how fast its pages may be asked for.
constexpr qint64 kDoubanPagePauseMs = 2000;

// How a page lists its pictures: the marker each item starts after, and the
// element the item is, whose end ends the item's values. A film's stills
// carry their name beside the picture's box, in the list entry that holds both.
struct ItemShape {
    QString marker;
    QString element;
};

const ItemShape kAlbumItem{QStringLiteral("class=\"photo_wrap\">"), QStringLiteral("div")};
const ItemShape kCoverItem{QStringLiteral("class=\"cover\">"), QStringLiteral("li")};

QString PageRequestHeaders(const QString& referer) {
    return GzipHeader() + QStringLiteral("\r\nReferer: ") + referer;
}

// Where the next tag named name starts at or after from ("<li" is no "<link"); -1 when none.
qsizetype FindTag(const QString& text, const QString& prefix, qsizetype from) {
    for (qsizetype at = text.indexOf(prefix, from); at >= 0;
         at = text.indexOf(prefix, at + prefix.size())) {
        const qsizetype after = at + prefix.size();
        if (after == text.size())
            return -1;
        const QChar c = text.at(after);
        if (c == u'>' || c == u'/' || c.isSpace())
            return at;
    }
    return -1;
}

// The piece up to the end of the element that is open where it starts: after
// the last item the page goes on with its paging and its footer, whose links
// and titles are no picture's.
QString WithinElement(const QString& piece, const QString& element) {
    const QString open = u'<' + element;
    const QString close = QStringLiteral("</") + element;
    int depth = 1;
    qsizetype at = 0;
    for (;;) {
        const qsizetype closing = FindTag(piece, close, at);
        if (closing < 0)
            return piece;
        const qsizetype opening = FindTag(piece, open, at);
        if (opening >= 0 && opening < closing) {
            ++depth;
            at = opening + open.size();
            continue;
        }
        if (--depth == 0)
            return piece.first(closing);
        at = closing + close.size();
    }
}

// The full-size picture of a list's thumbnail.
QString LargePicture(QString url) {
    url.replace(QStringLiteral("/lthumb/"), QStringLiteral("/large/"));
    url.replace(QStringLiteral("/m/"), QStringLiteral("/raw/"));
    url.replace(QStringLiteral(".webp"), QStringLiteral(".jpg"));
    return url;
}

// The picture count after "pl photitle": the first "共 n 张" may read 0
// where the page counts something else first.
int PictureCount(QString text) {
    SkipTo(text, QStringLiteral("pl photitle"));
    int count = 0;
    for (int i = 0; i < 2 && count == 0; ++i)
        count =
            LeadingNumber(GetBetween(text, QStringLiteral("共"), QStringLiteral("张"), kConsume));
    return count;
}

enum class DoubanPage { Album, Stills };

void ListDoubanPage(ListContext& ctx, const QString& address, DoubanPage kind) {
    ctx.session().setTextSlot(TextSlot::First, QString());
    CUrlRequest request = PageRequest(PageRequestHeaders(address));
    request.url = address;
    CUrlResponse response;
    const QString page = FetchText(response, request, kDoubanTextFlags);
    if (page.isEmpty())
        return;
    QString text = page;
    AlbumInfo album;
    album.key = address;
    if (kind == DoubanPage::Stills) {
        album.name = GetBetween(text, QStringLiteral("<title>"), QStringLiteral("</title>"));
        ctx.session().setOwnerFolder(QStringLiteral("豆瓣电影"));
    } else {
        album.name = GetBetween(text, QStringLiteral("的相册-"), QStringLiteral("</title>"));
        QString owner = GetBetween(text, QStringLiteral("<title>"), QStringLiteral("的相册"));
        if (owner.isEmpty()) {
            owner = GetBetween(text, QStringLiteral("title>"), QStringLiteral("图片")).trimmed();
            album.name = owner;
        }
        if (owner.isEmpty()) {
            ctx.env.prompt.information(
                QCoreApplication::translate("phodex::Sites", kDoubanNoOwner));
            return;
        }
        SanitizeName(owner);
        ctx.session().setOwnerFolder(owner);
    }
    album.photoCount = PictureCount(text);
    if (!ctx.addAlbum(album))
        return;
    ctx.session().setTextSlot(TextSlot::First, page);
}

} // namespace

void DoubanListAlbums(ListContext& ctx, const QString& address) {
    ListDoubanPage(ctx, address, DoubanPage::Album);
}

void DoubanListMoviePhotos(ListContext& ctx, const QString& address) {
    ListDoubanPage(ctx, address, DoubanPage::Stills);
}

void DoubanListPhotos(PictureContext& ctx, int albumIndex) {
    const AlbumInfo album = ctx.album(albumIndex);
    CUrlRequest request = PageRequest(PageRequestHeaders(album.key));
    CUrlResponse response;
    // The listing read the first page already; an album list kept from
    // earlier has its first page read now.
    QString text = ctx.session().textSlot(TextSlot::First);
    QString next = text.isEmpty() ? album.key : QString();
    const ItemShape* shape = &kAlbumItem;
    PageWalk walk;
    while (walk.nextPage()) {
        if (!next.isEmpty()) {
            request.url = next;
            text = FetchText(response, request, kDoubanTextFlags);
        }
        if (text.isEmpty())
            return;
        if (shape == &kAlbumItem && !text.contains(shape->marker))
            shape = &kCoverItem;
        QStringList parts;
        if (SplitBy(text, shape->marker, parts) == 0)
            return;
        for (qsizetype i = 1; i < parts.size(); ++i) {
            QString item = WithinElement(parts.at(i), shape->element);
            const QString photoPage =
                GetBetween(item, QStringLiteral("href=\""), QStringLiteral("\""), kConsume);
            QString title =
                GetBetween(item, QStringLiteral("title=\""), QStringLiteral("\""), kConsume);
            const QString url =
                GetBetween(item, QStringLiteral("src=\""), QStringLiteral("\""), kConsume);
            if (title.isEmpty())
                title = GetBetween(item, QStringLiteral("class=\"name\">"), QStringLiteral("<"),
                                   kConsume);
            if (!HandOverPicture(ctx, LargePicture(url), title, albumIndex, walk,
                                 QStringLiteral("Referer: ") + photoPage))
                return;
        }
        walk.notePage(text);
        // Without a next link this is the last page: another link of the
        // page would lead back.
        next.clear();
        if (SkipTo(text, QStringLiteral("class=\"next\">")) >= 0) {
            CutAt(text, QStringLiteral("</span"));
            next = GetBetween(text, QStringLiteral("href=\""), QStringLiteral("\""), kConsume);
        }
        pacer().sleepMs(kDoubanPagePauseMs);
        if (next.isEmpty())
            return;
    }
}

} // namespace phodex
