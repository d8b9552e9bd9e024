// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

// The slicing operations every scraper is written in. Searches are exact,
// case-sensitive and always start at position 0 of the text as it is now;
// progress through a page is made by cutting the text itself.
namespace phodex {

enum GetBetweenFlag : int {
    kConsume = 0x01,       // the caller's text loses the start marker and all before it
    kKeepRemainder = 0x02, // no end marker: return everything after the start marker
};

QString GetBetween(QString& text, const QString& start, const QString& end, int flags = 0);
qsizetype SkipTo(QString& text, const QString& marker, bool pastMarker = true);
qsizetype CutAt(QString& text, const QString& marker);
QString TextBefore(const QString& text, const QString& marker);
int CountOf(const QString& text, const QString& sub);
int SplitBy(const QString& text, const QString& sep, QStringList& parts);
QString StripTags(const QString& text);

} // namespace phodex
