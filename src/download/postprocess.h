// SPDX-License-Identifier: MIT
#pragma once

#include "core/downlist.h"

#include <QString>
#include <QStringList>

// What the per-site options do to an album after its pictures were listed or
// downloaded.
namespace phodex {

// Writes the addresses of urls to path, each in GBK followed by CR LF, for an
// external download manager; an entry with a fallback gives two lines. The
// file is replaced. False when it could not be written whole.
bool WriteDownloadList(const QString& path, const QStringList& urls);

// Renames every picture of list after its real type (defaultExt when the
// type is unknown and it is not empty) and updates its name in list.names.
// Pictures that are missing keep their entry.
void FixPictureFormats(CDownList& list, const QString& defaultExt = QString());

// Dates the pictures of list nowSeconds, nowSeconds - 60, nowSeconds - 120 ...
// in list order, so that the folder sorted newest first shows the site's
// order. A missing picture still uses up its minute.
void FixPictureOrder(const CDownList& list, qint64 nowSeconds);

} // namespace phodex
