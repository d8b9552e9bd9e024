// SPDX-License-Identifier: MIT
#include "core/webaddress.h"

namespace phodex {

bool StartsWithWebScheme(QStringView address) {
    return address.startsWith(u"http://", Qt::CaseInsensitive) ||
           address.startsWith(u"https://", Qt::CaseInsensitive);
}

QString WithWebScheme(const QString& address, BareAddress bare) {
    if (StartsWithWebScheme(address))
        return address;
    if (address.startsWith(u"//"))
        return QStringLiteral("http:") + address;
    return bare == BareAddress::Host ? QStringLiteral("http://") + address : address;
}

} // namespace phodex
