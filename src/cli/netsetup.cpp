// SPDX-License-Identifier: MIT
#include "cli/netsetup.h"

#include "cli/context.h"
#include "net/cookiejar.h"
#include "net/netconfig.h"

#include <QDir>

namespace phodex::cli {
namespace {

bool setUpCookies(const CliContext& context, QString& error) {
    CookieJar& jar = CookieJar::instance();
    const QString store = QDir(context.workDir).filePath(QLatin1String(kCookieFileName));
    if (!jar.load(store)) {
        error = QStringLiteral("cannot read the cookie file %1").arg(store);
        return false;
    }
    const QString import = context.options.value(QStringLiteral("cookies"));
    if (!import.isEmpty() && jar.importNetscape(import) < 0) {
        error = QStringLiteral("cannot read the cookies file %1").arg(import);
        return false;
    }
    return true;
}

} // namespace

bool setUpNetwork(const CliContext& context, QString& error) {
    const ParsedOptions& options = context.options;
    NetConfig config;
    config.connectTo = options.all(QStringLiteral("connect-to"));
    config.caFile = options.value(QStringLiteral("cacert"));
    config.insecure = options.has(QStringLiteral("insecure"));
    if (options.has(QStringLiteral("proxy")))
        config.proxy = options.value(QStringLiteral("proxy"));
    return setNetConfig(config, &error) && setUpCookies(context, error);
}

} // namespace phodex::cli
