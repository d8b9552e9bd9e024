// SPDX-License-Identifier: MIT
#include "browser/browserprocess.h"

#include "browser/browsertrust.h"
#include "browser/chromiumflags.h"

#include <QtGlobal>

#include <atomic>
#include <unistd.h>

namespace phodex {

void PrepareBrowserProcess(const NetConfig& config) {
    static std::atomic<bool> prepared{false};
    if (prepared.exchange(true))
        return;
    if (geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QStringList switches = ChromiumSwitchesFor(config);
    if (qEnvironmentVariable("QT_QPA_PLATFORM") == QLatin1String("offscreen"))
        switches << QStringLiteral("--disable-gpu");
    const QString flags =
        AppendChromiumFlags(qEnvironmentVariable("QTWEBENGINE_CHROMIUM_FLAGS"), switches);
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags.toLocal8Bit());
    SetBrowserTrust(config.caFile, config.insecure);
}

} // namespace phodex
