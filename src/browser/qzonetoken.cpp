// SPDX-License-Identifier: MIT
#include "browser/qzonetoken.h"

#include "core/sitehosts.h"
#include "text/markers.h"

namespace phodex {
namespace {

constexpr int kShortestToken = 21;

} // namespace

bool IsQqPageAddress(const QString& address) {
    return address.indexOf(SiteHosts::get(HostRole::QqMarker)) > 0;
}

QString ExtractQzonePageToken(const QString& bodyHtml) {
    QString text = bodyHtml;
    SkipTo(text, QStringLiteral("qzonetoken"));
    const QString quote = QStringLiteral("\"");
    const QString token = GetBetween(text, quote, quote);
    return token.size() >= kShortestToken ? token : QString();
}

} // namespace phodex
