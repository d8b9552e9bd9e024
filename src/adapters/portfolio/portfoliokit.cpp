// SPDX-License-Identifier: MIT
#include "adapters/portfolio/portfoliokit.h"

#include "adapters/common/adapterkit.h"

#include <QUrl>

namespace phodex {

bool ReplaceInFileName(QString& url, const QString& from, const QString& to) {
    const qsizetype name = url.lastIndexOf(u'/') + 1;
    const qsizetype at = url.lastIndexOf(from);
    if (at < name)
        return false;
    url.replace(at, from.size(), to);
    return true;
}

QString PathValue(const QString& text) {
    return QString::fromLatin1(QUrl::toPercentEncoding(text, "/"));
}

} // namespace phodex
