// SPDX-License-Identifier: MIT
#include "adapters/qzone/qqcommon.h"

namespace phodex {

QString QzoneUserHome(const QString& qq) {
    return SiteHome(HostRole::QzoneUserHost) + qq;
}

QString QzoneProxyAddress(const QString& host, const QString& path) {
    return SiteHome(HostRole::QzoneProxyHost) + QStringLiteral("proxy/domain/") + host + path;
}

} // namespace phodex
