// SPDX-License-Identifier: MIT
#include "adapters/qzone/qzonealbumpage.h"

#include "adapters/qzone/qqcommon.h"
#include "core/jobcontext.h"
#include "core/pagewalk.h"
#include "core/seams/browserbridge.h"
#include "core/seams/userprompt.h"
#include "text/markers.h"

#include <QCoreApplication>

#include <QStringList>

namespace phodex {

namespace {

const QString kTooFrequent = QStringLiteral("您的操作过于频繁");
constexpr char kOfferLogin[] = QT_TRANSLATE_NOOP(
    "phodex::Sites", "加密或非公开空间，是否进行身份验证?\n(验证成功后请重新获取相册列表)");

AlbumInfo ParseAlbum(QString part, int idcNum, const QString& qq) {
    AlbumInfo album;
    const QString id = TextBefore(part, QStringLiteral("\""));
    album.key = QString::asprintf("idcNum=%d&hostUin=%ls&albumid=%ls", idcNum, qUtf16Printable(qq),
                                  qUtf16Printable(QueryValue(id)));
    album.name = GetBetween(part, QStringLiteral("\"name\" : \""), QStringLiteral("\""), kConsume);
    album.cover =
        Unslashed(GetBetween(part, QStringLiteral("\"pre\" : \""), QStringLiteral("\""), kConsume));
    album.flags = QzonePrivacyFlags(
        GetBetween(part, QStringLiteral("\"priv\" :"), QStringLiteral(","), kConsume));
    album.photoCount = LeadingNumber(
        GetBetween(part, QStringLiteral("\"total\" :"), QStringLiteral(","), kConsume), -1);
    return album;
}

} // namespace

qint32 QzonePrivacyFlags(const QString& priv) {
    if (priv.contains(u'3'))
        return kAlbumPrivate;
    if (priv.contains(u'4') || priv.contains(u'6'))
        return kAlbumFriendsOnly;
    if (priv.contains(u'5'))
        return kAlbumEncrypted;
    return 0;
}

bool QzoneAlbumListRefused(ListContext& ctx, const QString& text, const QString& qq) {
    const QString marker = QStringLiteral("\"msg\" : \"");
    if (text.indexOf(marker) < 1)
        return false;
    QString rest = text;
    const QString message = GetBetween(rest, marker, QStringLiteral("\""));
    if (message.contains(kTooFrequent))
        ctx.env.prompt.information(message);
    else if (ctx.env.prompt.askYesNo(QCoreApplication::translate("phodex::Sites", kOfferLogin),
                                     PromptCaption()))
        ctx.env.browser.loginAndWait(QzoneUserHome(qq), 0);
    return true;
}

bool AddQzoneAlbums(ListContext& ctx, const QString& text, int idcNum, const QString& qq,
                    PageWalk& walk) {
    QStringList parts;
    if (SplitBy(text, QStringLiteral("\"id\" : \""), parts) == 0)
        return false;
    for (qsizetype i = 1; i < parts.size(); ++i) {
        const AlbumInfo album = ParseAlbum(parts.at(i), idcNum, qq);
        const bool seen = !walk.isNew(album.key);
        if (seen || album.name.isEmpty())
            continue;
        if (!ctx.addAlbum(album))
            return false;
    }
    return true;
}

} // namespace phodex
