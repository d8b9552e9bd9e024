// SPDX-License-Identifier: MIT
#include "net/versiontext.h"

#include "phodexversion.h"

#include <curl/curl.h>
#include <unicode/uversion.h>

namespace phodex {

QString VersionText(const QString& program) {
    const curl_version_info_data* curl = curl_version_info(CURLVERSION_NOW);
    UVersionInfo icu;
    u_getVersion(icu);
    char icuText[U_MAX_VERSION_STRING_LENGTH];
    u_versionToString(icu, icuText);
    // The versions loaded at run time, which a packaged program may not
    // share with the build machine.
    return QStringLiteral("%1 %2\nQt %3, libcurl %4 (%5), ICU %6")
        .arg(program, QLatin1String(PHODEX_VERSION), QLatin1String(qVersion()),
             QLatin1String(curl->version),
             QLatin1String(curl->ssl_version ? curl->ssl_version : "no TLS"),
             QLatin1String(icuText));
}

} // namespace phodex
