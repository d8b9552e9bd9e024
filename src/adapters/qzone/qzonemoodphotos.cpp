// SPDX-License-Identifier: MIT
#include "adapters/common/adapterkit.h"
#include "adapters/qzone/qqcommon.h"
#include "adapters/qzone/qqcookies.h"
#include "adapters/qzone/qzoneadapters.h"
#include "adapters/qzone/qzonetoken.h"
#include "core/jobcontext.h"
#include "core/pagewalk.h"
#include "core/seams/userprompt.h"
#include "net/pacer.h"
#include "net/pagetext.h"
#include "text/markers.h"

#include <QCoreApplication>

#include <QStringList>

namespace phodex {

namespace {

constexpr int kPostsPerPage = 20;
constexpr int kPageLimit = 5;
// The "下载方式" value of section "QQ说说" that lifts the page limit.
constexpr int kAllPages = 123;
constexpr char kNoLogin[] =
    QT_TRANSLATE_NOOP("phodex::Sites", "请先在下载器的登录菜单里登录QQ号，再下载说说里的图片");

QString PostsPageAddress(const QString& key, int pages, quint32 gtk) {
    const QString service = QStringLiteral("http://") + SiteHosts::get(HostRole::QzonePostsHost) +
                            QStringLiteral("/cgi-bin/emotion_cgi_msglist_v6");
    return key + QString::asprintf("&pos=%d&num=20&cgi_host=", kPostsPerPage * pages) +
           QueryValue(service) +
           QString::asprintf("&code_version=1&format=jsonp&need_private_comment=1&g_tk=%u", gtk);
}

// The service's refusal (code -3000) is shown as it words it.
bool PostsRefused(PictureContext& ctx, const QString& text) {
    const QString marker = QStringLiteral("\"message\":\"");
    if (text.indexOf(marker) < 1 || text.indexOf(QStringLiteral("\"code\":-3000")) < 1)
        return false;
    QString rest = text;
    ctx.env.prompt.information(GetBetween(rest, marker, QStringLiteral("\"")));
    return true;
}

// The pictures of one post, titled with the post's text; false when the
// album is to end.
bool AddPostPictures(PictureContext& ctx, QString post, int albumIndex, PageWalk& walk) {
    SkipTo(post, QStringLiteral("conlist\""));
    const QString title =
        GetBetween(post, QStringLiteral("\"content\":\""), QStringLiteral("\""), kConsume);
    QStringList pictures;
    SplitBy(post, QStringLiteral("\"pic_id\""), pictures);
    for (qsizetype i = 1; i < pictures.size(); ++i) {
        QString picture = pictures.at(i);
        const QString url = Unslashed(GetBetween(picture, QStringLiteral("smallurl\":\""),
                                                 QStringLiteral("\""), kConsume))
                                .replace(QStringLiteral("/a/"), QStringLiteral("/b/"));
        if (!HandOverPicture(ctx, url, title, albumIndex, walk))
            return false;
    }
    return true;
}

} // namespace

void QzoneListMoodPhotos(PictureContext& ctx, int albumIndex) {
    const AlbumInfo album = ctx.album(albumIndex);
    CUrlRequest request =
        PageRequest(GzipHeader() + QStringLiteral("\r\nreferer:") +
                    SiteHosts::https(HostRole::QzonePostsAppHost,
                                     QStringLiteral("/qzone/app/mood_v6/html/index.html")));
    CUrlResponse response;
    PageWalk walk;
    for (int pages = 0; walk.nextPage();) {
        const QString cookies = QqCookieText(SiteHosts::https(HostRole::QzoneUserHost));
        const quint32 gtk = QzoneToken(QzoneTokenSource(cookies, TokenCookie::PSkeyFirst));
        if (gtk == QzoneToken(QString())) {
            ctx.env.prompt.information(QCoreApplication::translate("phodex::Sites", kNoLogin));
            return;
        }
        request.url = PostsPageAddress(album.key, pages++, gtk);
        const QString text = FetchText(response, request, kTextInflate | kTextUtf8OrGbk);
        QStringList posts;
        if (text.isEmpty() || PostsRefused(ctx, text) ||
            SplitBy(text, QStringLiteral("\"certified\""), posts) == 0)
            return;
        for (qsizetype i = 1; i < posts.size(); ++i) {
            if (walk.isNew(posts.at(i)) && !AddPostPictures(ctx, posts.at(i), albumIndex, walk))
                return;
            if (!ctx.keepListing())
                return;
        }
        const bool more = posts.size() == kPostsPerPage + 1;
        if (pages == kPageLimit && ctx.extension().moodListMode != kAllPages)
            return;
        pacer().sleepMs((20 + pages) * 200);
        if (!more)
            return;
    }
}

} // namespace phodex
