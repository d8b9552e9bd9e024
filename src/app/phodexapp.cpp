// SPDX-License-Identifier: MIT
#include "app/phodexapp.h"

#include "adapters/sitetable.h"
#include "browser/browserenv.h"
#include "browser/browserprocess.h"
#include "browser/webbrowserbridge.h"
#include "core/session.h"
#include "net/cookiejar.h"
#include "net/netconfig.h"
#include "settings/language.h"
#include "settings/workfolder.h"
#include "ui/appoptions.h"
#include "ui/phodexdlg.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>

namespace phodex {

namespace {

int Fail(const QString& text) {
    QMessageBox::critical(
        nullptr, QCoreApplication::translate("phodex::CPhodexApp", "Varnel多功能Albrio"), text);
    return 1;
}

} // namespace

int CPhodexApp::run(const QStringList& arguments) {
    AppOptions options;
    QString error;
    const bool parsed = ParseAppOptions(arguments, options, error);
    const QString currentDir = QDir::currentPath();
    // The language comes first, so that even a failed start is told in it.
    const QString workDir = ResolveWorkLocations(currentDir, options.workDir).workDir;
    UseLanguage(PickLanguage(options.language, SavedLanguage(workDir)));
    if (!parsed || !setNetConfig(options.net, &error))
        return Fail(error);
    if (PickWorkFolder(currentDir, options.workDir, &error).isEmpty())
        return Fail(
            QCoreApplication::translate("phodex::CPhodexApp", "无法创建工作目录：%1").arg(error));

    Session session;
    const SiteTable sites = MakeSiteTable();
    const WorkLocations locations = ResolveWorkLocations(currentDir, options.workDir);
    // One browser profile for the login windows and the invisible host the
    // site adapters read pages through; its cookies are the engine's.
    PrepareBrowserProcess(netConfig());
    BrowserSetup browserSetup;
    browserSetup.profileFolder = locations.browserProfile;
    BrowserEnvironment browserEnv(browserSetup);
    BridgeOptions bridgeOptions;
    bridgeOptions.session = &session;
    WebBrowserBridge browser(browserEnv, bridgeOptions);
    WindowSetup setup;
    setup.session = &session;
    setup.sites = &sites;
    setup.browser = &browser;
    setup.browserEnv = &browserEnv;
    setup.locations = locations;
    setup.currentDir = currentDir;
    setup.folders = SystemFolders();
    CPhodexDlg window(setup);
    if (m_onReady)
        QObject::connect(&window, &CPhodexDlg::ready, &window, [&] { m_onReady(window); });
    window.start();
    const int status = QApplication::exec();
    // The cookie changes of the last moment are still waiting for their write.
    CookieJar::instance().flush();
    return status;
}

} // namespace phodex
