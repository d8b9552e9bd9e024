// SPDX-License-Identifier: MIT
#include "text/escapes.h"

#include <QStringList>

#include "text/markers.h"

namespace phodex {
namespace {

// QString::replace would put `to` between every two characters for an empty
// `from`; an empty rule replaces nothing instead.
void replaceAll(QString& text, const QString& from, const QString& to) {
    if (!from.isEmpty()) {
        text.replace(from, to);
    }
}

} // namespace

// "a|b" with "1|2" is two rules applied in order; lists with different
// numbers of entries are one rule made of the whole texts.
void ReplaceList(QString& text, const QString& fromList, const QString& toList) {
    const QString separator = QStringLiteral("|");
    if (CountOf(fromList, separator) != CountOf(toList, separator)) {
        replaceAll(text, fromList, toList);
        return;
    }
    const QStringList from = fromList.split(separator);
    const QStringList to = toList.split(separator);
    for (qsizetype i = 0; i < from.size(); ++i) {
        replaceAll(text, from[i], to[i]);
    }
}

} // namespace phodex
