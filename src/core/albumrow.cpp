// SPDX-License-Identifier: MIT
#include "core/albumrow.h"

#include <QCoreApplication>

namespace phodex {

QString AlbumCountText(qint32 photoCount) {
    if (photoCount == -1)
        return QStringLiteral(QT_TRANSLATE_NOOP("phodex::AlbumRow", "未知"));
    // "%4u": a negative count other than -1 shows as its unsigned value.
    return QStringLiteral("%1").arg(quint32(photoCount), 4);
}

QString AlbumRemarkText(qint32 flags) {
    if (flags & kAlbumRemarkNumber)
        return QStringLiteral("%1").arg(quint32(flags) & 0x7FFFFFFFu, 8, 10, QLatin1Char('0'));
    if (flags & kAlbumEncrypted)
        return QStringLiteral(QT_TRANSLATE_NOOP("phodex::AlbumRow", "加密相册"));
    if (flags & kAlbumPrivate)
        return QStringLiteral(QT_TRANSLATE_NOOP("phodex::AlbumRow", "私密相册"));
    if (flags & kAlbumFriendsOnly)
        return QStringLiteral(QT_TRANSLATE_NOOP("phodex::AlbumRow", "好友可见"));
    return {};
}

QString ShownAlbumText(const QString& text) {
    return QCoreApplication::translate("phodex::AlbumRow", text.toUtf8().constData());
}

AlbumRowTexts AlbumRowTextsFor(const AlbumInfo& album, int row) {
    AlbumRowTexts texts;
    texts.number = QStringLiteral("%1").arg(row, 4, 10, QLatin1Char('0'));
    texts.name = album.name;
    texts.count = AlbumCountText(album.photoCount);
    texts.remark = AlbumRemarkText(album.flags);
    return texts;
}

QJsonObject AlbumJson(const AlbumInfo& album) {
    QJsonObject object;
    object[QStringLiteral("index")] = album.listIndex + 1;
    object[QStringLiteral("name")] = album.name;
    object[QStringLiteral("count")] =
        album.photoCount == -1 ? QJsonValue(QJsonValue::Null) : QJsonValue(album.photoCount);
    object[QStringLiteral("remark")] = AlbumRemarkText(album.flags);
    object[QStringLiteral("key")] = album.key;
    object[QStringLiteral("cover")] = album.cover;
    return object;
}

QString AlbumThumbCaption(const AlbumInfo& album) {
    return QStringLiteral("%1.%2").arg(album.listIndex + 1).arg(album.name);
}

} // namespace phodex
