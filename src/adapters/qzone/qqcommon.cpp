// SPDX-License-Identifier: MIT
#include "adapters/qzone/qqcommon.h"

namespace phodex {

QString QzoneUserHome(const QString& qq) {
    return SiteHosts::https(HostRole::QzoneUserHost) + qq;
}

QString QzoneProxyAddress(const QString& host, const QString& path) {
    return SiteHosts::https(HostRole::QzoneProxyHost, QStringLiteral("/proxy/domain/")) + host +
           path;
}

} // namespace phodex
