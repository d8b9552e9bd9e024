// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace phodex {

// The cookies the shared jar holds for `url`, as "name=value; name2=value2";
// "" when there are none.
QString GetCookies(const QString& url);

// Fetches `url` into the file `path` (both time-outs 20 s, flags 0). The file
// appears only when the download succeeded; the result says whether it did.
bool DownloadToFile(const QString& url, const QString& headers, const QString& path);

} // namespace phodex
