// SPDX-License-Identifier: MIT
#include "adapters/common/adapterkit.h"
#include "adapters/portfolio/portfolioadapters.h"
#include "adapters/portfolio/portfoliokit.h"
#include "core/jobcontext.h"
#include "core/pagewalk.h"
#include "core/seams/userprompt.h"
#include "core/sitehosts.h"
#include "download/sanitizename.h"
#include "net/pacer.h"
#include "net/pagetext.h"
#include "text/escapes.h"
#include "text/markers.h"

#include <QCoreApplication>

#include <QStringList>

namespace phodex {

namespace {

const QString kArchiveTitle = QStringLiteral("归档 - ");
// The archive service answers with this many posts; the list shows the
// newest ones.
constexpr int kPostsAsked = 50;
constexpr int kPostsListed = 20;
constexpr qsizetype kMaxBodyBytes = 1023;

constexpr char kNoArchive[] =
    QT_TRANSLATE_NOOP("phodex::Sites", "没有找到这个LOFTER博客的归档页，请确认网址是博客的地址");
constexpr char kNoBlogId[] =
    QT_TRANSLATE_NOOP("phodex::Sites", "没有读到这个LOFTER博客的编号，请稍后再试");
constexpr char kOnlyNewest[] =
    QT_TRANSLATE_NOOP("phodex::Sites", "这个博客的文章很多，这里只列出了最新的%1篇");

QByteArray ArchiveCallBody(const QString& blogId) {
    const QString now = QString::number(pacer().nowMs() / 1000) + QStringLiteral("000");
    QByteArray body = QStringLiteral("callCount=1\r\nscriptSessionId=${scriptSessionId}187\r\n"
                                     "httpSessionId=\r\nc0-scriptName=ArchiveBean\r\n"
                                     "c0-methodName=getArchivePostByTime\r\nc0-id=0\r\n"
                                     "c0-param0=boolean:false\r\nc0-param1=number:%1\r\n"
                                     "c0-param2=number:%2\r\nc0-param3=number:%3\r\n"
                                     "c0-param4=boolean:false\r\nbatchId=1")
                          .arg(blogId, now, QString::number(kPostsAsked))
                          .toLatin1();
    body.truncate(kMaxBodyBytes);
    return body;
}

// A post page's first picture: the full-size one where the page names it,
// else the first picture in the post.
QString FirstPicture(QString text) {
    CutAt(text, QStringLiteral("class=\"nctitle"));
    const QString photoPost = QStringLiteral("class=\"m-detail m-detail-photo");
    SkipTo(text, text.indexOf(photoPost) > 0 ? photoPost : QStringLiteral("div class=\"content"));
    const QString big = QStringLiteral("bigimgsrc=\"");
    const bool hasBig = text.indexOf(big) > 0;
    QStringList parts;
    SplitBy(text, hasBig ? big : QStringLiteral("<img "), parts);
    for (qsizetype i = 1; i < parts.size(); ++i) {
        QString item = parts.at(i);
        QString url = hasBig ? TextBefore(item, QStringLiteral("\""))
                             : GetBetween(item, QStringLiteral("src=\""), QStringLiteral("\""));
        // Avatars and the theme's small images.
        if (url.indexOf(QStringLiteral("x0x90.jpg")) > 0)
            continue;
        CutAt(url, QStringLiteral("?"));
        if (url.isEmpty() || url.endsWith(u'/'))
            continue;
        return url;
    }
    return QString();
}

} // namespace

void LofterListAlbums(ListContext& ctx, const QString& address) {
    QString view = FetchPage(address + QStringLiteral("view"), kTextInflate | kTextUtf8);
    const QString title = GetBetween(view, QStringLiteral("<title>"), QStringLiteral("</title>"));
    if (!title.startsWith(kArchiveTitle)) {
        ctx.env.prompt.information(QCoreApplication::translate("phodex::Sites", kNoArchive));
        return;
    }
    QString owner = title.sliced(kArchiveTitle.size());
    SanitizeName(owner);
    ctx.session().setOwnerFolder(owner);
    // The id goes into the service call as a number and nothing else.
    const QString blogId = GetBetween(view, QStringLiteral("blogId="), QStringLiteral("\""));
    if (!AllDigits(blogId)) {
        ctx.env.prompt.information(QCoreApplication::translate("phodex::Sites", kNoBlogId));
        return;
    }
    ctx.session().setTextSlot(TextSlot::First, blogId);

    CUrlRequest request = GzipPageRequest();
    request.url =
        address + QStringLiteral("dwr/call/plaincall/ArchiveBean.getArchivePostByTime.dwr");
    request.verb = QStringLiteral("POST");
    // The archive service expects to be called from the site's home page,
    // whichever blog is asked.
    request.headers += QStringLiteral("\r\nReferer: ") +
                       SiteHosts::https(HostRole::LofterHomeHost) +
                       QStringLiteral("\r\nContent-Type: text/plain");
    request.postData = ArchiveCallBody(blogId);
    CUrlResponse response;
    const QString reply = FetchText(response, request, kTextInflate);
    QStringList parts;
    SplitBy(reply, QStringLiteral(".blogId="), parts);
    for (qsizetype i = 1; i < parts.size() && i <= kPostsListed; ++i) {
        QString item = parts.at(i);
        AlbumInfo album;
        album.name = GetBetween(item, QStringLiteral(".title=\""), QStringLiteral("\""));
        const QString permalink =
            GetBetween(item, QStringLiteral(".permalink=\""), QStringLiteral("\""));
        if (permalink.isEmpty())
            continue;
        if (album.name.isEmpty())
            album.name =
                GetBetween(item, QStringLiteral("noticeLinkTitle=\""), QStringLiteral("\""));
        album.name = UnescapeUnicode(album.name);
        if (album.name.isEmpty())
            album.name = permalink;
        album.key = address + QStringLiteral("post/") + QueryValue(permalink);
        if (!ctx.addAlbum(album))
            return;
    }
    if (parts.size() > kPostsAsked)
        ctx.env.prompt.information(
            QCoreApplication::translate("phodex::Sites", kOnlyNewest).arg(kPostsListed));
}

void LofterListPhotos(PictureContext& ctx, int albumIndex) {
    const AlbumInfo album = ctx.album(albumIndex);
    if (album.key.isEmpty())
        return;
    const QString url = FirstPicture(FetchPage(album.key, kTextInflate));
    if (url.isEmpty())
        return;
    const QString title = QStringLiteral("图片%1").arg(ctx.listedCount() + 1);
    PageWalk walk;
    HandOverPicture(ctx, url, title, albumIndex, walk);
}

} // namespace phodex
