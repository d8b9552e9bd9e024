// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// Entity, JSON and percent escapes, and the user's replacement lists.
namespace phodex {

void DecodeEntities(QString& text);
QString UnescapeUnicode(const QString& text);
QString UrlDecodeUtf8(const QString& text);
void ReplaceList(QString& text, const QString& fromList, const QString& toList);

} // namespace phodex
