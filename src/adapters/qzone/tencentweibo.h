// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace phodex {

// The header text both Tencent Weibo operations send.
QString TencentWeiboHeaders();
// The topic album service with a query; the API host goes in percent-encoded.
QString TencentWeiboAlbumService(const QString& query, const QString& rest);

} // namespace phodex
