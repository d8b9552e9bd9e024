// SPDX-License-Identifier: MIT
#include "adapters/qzone/tencentweibo.h"

#include "adapters/qzone/qqcommon.h"

namespace phodex {

QString TencentWeiboHeaders() {
    return GzipHeader() + QStringLiteral("\r\nReferer: ") +
           SiteHosts::https(HostRole::TencentWeiboApiHost, QStringLiteral("/proxy.html"));
}

QString TencentWeiboAlbumService(const QString& query, const QString& rest) {
    const QString api = SiteHosts::https(HostRole::TencentWeiboApiHost, QString());
    return api + QStringLiteral("/asyn/gettopicalbum.php?") + query +
           QStringLiteral("&apiType=14&apiHost=") + QueryValue(api) + rest;
}

} // namespace phodex
