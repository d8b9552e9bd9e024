// SPDX-License-Identifier: MIT
#include "cli/clibrowser.h"

#include "cli/context.h"
#include "cli/output.h"

#include <QCoreApplication>

#include <mutex>

#ifdef PHODEX_CLI_BROWSER
#include "browser/browserenv.h"
#include "browser/browserprocess.h"
#include "browser/webbrowserbridge.h"
#include "net/netconfig.h"
#include "settings/workfolder.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLoggingCategory>

#include <unistd.h>
#endif

namespace phodex::cli {

#ifdef PHODEX_CLI_BROWSER
namespace {

// Where Qt would fall back to without it, made as Qt would, so that the GUI
// application does not warn about it on stderr.
void EnsureRuntimeFolder() {
    if (qEnvironmentVariableIsSet("XDG_RUNTIME_DIR"))
        return;
    const QString folder = QDir::tempPath() + QStringLiteral("/runtime-%1").arg(getuid());
    QDir().mkdir(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", folder.toLocal8Bit());
}

// The profile and the bridge over it, gone together.
class HeadlessBrowser : public BrowserBridge {
public:
    explicit HeadlessBrowser(const CliContext& context)
        : m_env(setupFor(context)), m_bridge(m_env, bridgeOptions()) {}

    void loginAndWait(const QString& address, int mode) override {
        m_bridge.loginAndWait(address, mode);
    }
    QString capturePageText(const QString& address, int timeoutMs) override {
        return m_bridge.capturePageText(address, timeoutMs);
    }
    bool navigateAndWait(const QString& address, int timeoutMs) override {
        return m_bridge.navigateAndWait(address, timeoutMs);
    }
    QString cookiesFor(const QString& address) override { return m_bridge.cookiesFor(address); }

private:
    static BrowserSetup setupFor(const CliContext& context) {
        // Chromium's own log lines would mix with the command's messages.
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS",
                qgetenv("QTWEBENGINE_CHROMIUM_FLAGS") + " --log-level=3");
        PrepareBrowserProcess(netConfig());
        BrowserSetup setup;
        setup.profileFolder =
            ResolveWorkLocations(QDir::currentPath(),
                                 context.options.value(QStringLiteral("work-dir")))
                .browserProfile;
        setup.failureNotice = [](const QString& text) { printError(text); };
        return setup;
    }
    static BridgeOptions bridgeOptions() {
        BridgeOptions options;
        options.loginWindows = false;
        options.loginUnavailable = [](const QString& text) { printError(text); };
        return options;
    }

    BrowserEnvironment m_env;
    WebBrowserBridge m_bridge;
};

} // namespace

std::unique_ptr<QCoreApplication> MakeCliApplication(int& argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    EnsureRuntimeFolder();
    auto app = std::make_unique<QGuiApplication>(argc, argv);
    // The engine's start-up report would mix with the command's messages;
    // QT_LOGGING_RULES can still ask for it.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.webenginecontext=false"));
    return app;
}

std::unique_ptr<BrowserBridge> MakeCliBrowser(const CliContext& context) {
    return std::make_unique<HeadlessBrowser>(context);
}
#else
std::unique_ptr<QCoreApplication> MakeCliApplication(int& argc, char** argv) {
    return std::make_unique<QCoreApplication>(argc, argv);
}

namespace {

// Without the browser a login can only be a message.
class NoBrowser : public NullBrowserBridge {
public:
    void loginAndWait(const QString&, int) override {
        printError(QString::fromUtf8(kLoginUnavailable));
    }
};

} // namespace

std::unique_ptr<BrowserBridge> MakeCliBrowser(const CliContext&) {
    return std::make_unique<NoBrowser>();
}
#endif

namespace {

// Most listings never touch the browser, and starting its engine takes a
// while and a process of its own: it starts when a job first asks for it.
class BrowserOnFirstUse : public BrowserBridge {
public:
    explicit BrowserOnFirstUse(const CliContext& context) : m_context(context) {}

    void loginAndWait(const QString& address, int mode) override {
        browser().loginAndWait(address, mode);
    }
    QString capturePageText(const QString& address, int timeoutMs) override {
        return browser().capturePageText(address, timeoutMs);
    }
    bool navigateAndWait(const QString& address, int timeoutMs) override {
        return browser().navigateAndWait(address, timeoutMs);
    }
    QString cookiesFor(const QString& address) override { return browser().cookiesFor(address); }

private:
    BrowserBridge& browser() {
        // The command line runs its jobs on the main thread, where the
        // browser's objects must be made.
        std::call_once(m_made, [this] { m_browser = MakeCliBrowser(m_context); });
        return *m_browser;
    }

    const CliContext& m_context;
    std::once_flag m_made;
    std::unique_ptr<BrowserBridge> m_browser;
};

} // namespace

std::unique_ptr<BrowserBridge> MakeCliBrowserOnFirstUse(const CliContext& context) {
    return std::make_unique<BrowserOnFirstUse>(context);
}

} // namespace phodex::cli
