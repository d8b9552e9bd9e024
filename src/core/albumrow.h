// SPDX-License-Identifier: MIT
#pragma once

#include "core/album.h"

#include <QJsonObject>
#include <QString>

namespace phodex {

// The texts one album shows in the list view of the grid. The grid, the
// command line and the CSV export all take them from here.
struct AlbumRowTexts {
    QString number; // the 1-based row number, "%04d"
    QString name;
    QString count;  // "%4u", or "未知" when the site did not tell
    QString remark; // a number "%08u", "加密相册", "私密相册", "好友可见" or empty
};

// row is the 1-based row number the grid shows (it differs from listIndex + 1
// when a filter hides albums).
AlbumRowTexts AlbumRowTextsFor(const AlbumInfo& album, int row);

QString AlbumCountText(qint32 photoCount);
QString AlbumRemarkText(qint32 flags);
// A count or remark text in the language in use, for showing; the texts
// above stay as they are for the files and the machine readers.
QString ShownAlbumText(const QString& text);

// One album for machine readers: index (1-based), name, count (null when the
// site did not tell), remark, key and cover.
QJsonObject AlbumJson(const AlbumInfo& album);

// The caption of a cell of the thumbnail view: "%d.%s" with listIndex + 1.
QString AlbumThumbCaption(const AlbumInfo& album);

} // namespace phodex
