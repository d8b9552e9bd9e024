// SPDX-License-Identifier: MIT
#include "net/thismachine.h"

#include <QHostAddress>
#include <arpa/inet.h>

namespace phodex {

bool PointsAtThisMachine(const QUrl& url) {
    const QString host = url.host().toLower();
    if (host.isEmpty())
        return false;
    if (host == u"localhost" || host.endsWith(u".localhost"))
        return true;
    // inet_aton reads every IPv4 notation the resolver accepts.
    in_addr v4{};
    if (inet_aton(host.toLatin1().constData(), &v4) != 0) {
        const quint32 address = ntohl(v4.s_addr);
        return (address >> 24) == 127 || address == 0;
    }
    const QHostAddress address(host);
    if (address.isNull())
        return false;
    bool mapped = false;
    const quint32 v4Mapped = address.toIPv4Address(&mapped);
    if (mapped)
        return (v4Mapped >> 24) == 127 || v4Mapped == 0;
    return address.isLoopback() || address == QHostAddress(QHostAddress::AnyIPv6);
}

} // namespace phodex
