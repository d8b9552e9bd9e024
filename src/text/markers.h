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
// True for a non-empty run of the ASCII digits 0 to 9 and nothing else: no
// sign, no blank, no full-width or other script's digits, which QChar::isDigit
// would take but no id, number or port of an address is written in.
bool AllDigits(const QString& text);

} // namespace phodex
