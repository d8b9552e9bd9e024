// SPDX-License-Identifier: MIT
#include "browser/browseraddress.h"

#include "core/webaddress.h"

namespace phodex {
namespace {

bool IsBlank(const QString& address) {
    return address == QLatin1String(kBlankPage);
}

} // namespace

QString NavigationAddress(const QString& address) {
    if (address.contains(QLatin1String("://")) || IsBlank(address))
        return address;
    if ((address.size() > 1 && address[1] == u':') || address.startsWith(u'/'))
        return QStringLiteral("file://") + address;
    return WithWebScheme(address);
}

QString TypedBrowserAddress(const QString& text) {
    const QString address = text.trimmed();
    return IsBlank(address) ? address : WithWebScheme(address);
}

QString ReportedAddress(const QString& address) {
    return IsBlank(address) ? QString() : address;
}

} // namespace phodex
