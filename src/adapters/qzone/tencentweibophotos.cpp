// SPDX-License-Identifier: MIT
#include "adapters/common/adapterkit.h"
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

QString PhotoListAddress(const QString& owner, int page, const QString& topic,
                         const QString& cont) {
    return TencentWeiboAlbumService(QString::asprintf("op=2&uin=%ls&page=%d&n=24&topicid=%ls",
                                                      qUtf16Printable(owner), page,
                                                      qUtf16Printable(QueryValue(topic))),
                                    QStringLiteral("&_r=1382325110273&g_tk=5453453") + cont);
}

QString NextContent(QString& post) {
    return Unslashed(StripTags(UnescapeUnicode(
        GetBetween(post, QStringLiteral("content\":\""), QStringLiteral("\",\""), kConsume))));
}

// The pictures of one post; false when the album is to end. cont becomes
// the continuation the next page's request carries.
bool AddPostPictures(PictureContext& ctx, QString post, int albumIndex, PageWalk& walk,
                     QString& cont) {
    QString title = NextContent(post);
    QStringList pictures;
    SplitBy(post, QStringLiteral("{\"url\""), pictures);
    const QString realtime =
        GetBetween(post, QStringLiteral("realtime\":"), QStringLiteral(","), kConsume);
    cont = QString::asprintf("&time=%ls&r=%u&u=%ls", qUtf16Printable(realtime), ClockValue(),
                             qUtf16Printable(QueryValue(ctx.session().textSlot(TextSlot::Second))));
    if (title.isEmpty())
        title = NextContent(post);
    for (qsizetype i = 1; i < pictures.size(); ++i) {
        const QStringList quoted = pictures.at(i).split(u'"');
        if (quoted.size() < 3 || quoted.at(1).isEmpty())
            continue;
        if (!HandOverPicture(ctx, Unslashed(quoted.at(1)) + QStringLiteral("/2000"), title,
                             albumIndex, walk))
            return false;
    }
    return true;
}

} // namespace

void TencentWeiboListPhotos(PictureContext& ctx, int albumIndex) {
    const AlbumInfo album = ctx.album(albumIndex);
    const QString owner = ctx.session().textSlot(TextSlot::First);
    CUrlRequest request = PageRequest(TencentWeiboHeaders());
    CUrlResponse response;
    PageWalk walk;
    QString cont;
    for (int page = 1; walk.nextPage(); ++page) {
        request.url = PhotoListAddress(owner, page, album.key, page > 1 ? cont : QString());
        const QString text = FetchText(response, request, kTextInflate | kTextUtf8);
        QStringList posts;
        if (text.isEmpty() || SplitBy(text, QStringLiteral("{\"id\":\""), posts) == 0)
            return;
        for (qsizetype i = 1; i < posts.size(); ++i) {
            if (!AddPostPictures(ctx, posts.at(i), albumIndex, walk, cont))
                return;
        }
    }
}

} // namespace phodex
