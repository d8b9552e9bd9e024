// SPDX-License-Identifier: MIT
#include "browserworld.h"

#include "browser/browserenv.h"
#include "browser/browserprocess.h"
#include "browser/webbrowser.h"
#include "net/netconfig.h"
#include "support/testtls.h"

#include <QCoreApplication>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace phodex::test {
namespace {

struct World {
    QTemporaryDir scratch;
    std::unique_ptr<FakeSite> site;
    std::unique_ptr<BrowserEnvironment> env;
    QStringList failures;
};

World& world() {
    static World instance;
    return instance;
}

} // namespace

void BrowserWorld::setUpProcess() {
    World& w = world();
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const QString runtime = w.scratch.filePath(QStringLiteral("runtime"));
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", runtime.toLocal8Bit());
    w.site = std::make_unique<FakeSite>();
    NetConfig config;
    config.connectTo = w.site->connectToRules();
    config.caFile = testCaFile();
    config.proxy = QString(); // never a proxy of the machine's
    QString error;
    if (!setNetConfig(config, &error))
        qFatal("net config: %s", qPrintable(error));
    PrepareBrowserProcess(config);
}

void BrowserWorld::tearDownProcess() {
    World& w = world();
    // Pages given to deleteLater go before their profile.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    w.env.reset();
    w.site.reset();
}

FakeSite& BrowserWorld::site() {
    return *world().site;
}

QString BrowserWorld::address(const QString& host, const QString& path) {
    return QStringLiteral("https://") + host + path;
}

BrowserEnvironment& BrowserWorld::env() {
    World& w = world();
    if (!w.env) {
        BrowserSetup setup;
        setup.profileFolder = w.scratch.filePath(QStringLiteral("profile"));
        setup.failureNotice = [](const QString& text) { world().failures << text; };
        w.env = std::make_unique<BrowserEnvironment>(setup);
    }
    return *w.env;
}

QStringList BrowserWorld::failureNotices() {
    return world().failures;
}

QString BrowserWorld::scratchFolder() {
    return world().scratch.path();
}

bool WaitFor(const std::function<bool()>& done, std::chrono::milliseconds limit) {
    return QTest::qWaitFor(done, int(limit.count()));
}

bool MakeReady(CWebBrowser& host) {
    host.createAsync(nullptr, QRect(), [] {});
    return WaitFor([&host] { return host.isReady(); }, std::chrono::seconds(60));
}

bool Load(CWebBrowser& host, const QString& address) {
    QSignalSpy completed(&host, &CWebBrowser::navigationCompleted);
    host.navigate(address);
    return WaitFor([&completed] { return !completed.isEmpty(); }, std::chrono::seconds(30)) &&
           completed.first().first().toBool();
}

std::string HtmlPage(const std::string& title, const std::string& body) {
    return "<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>" + title +
           "</title></head><body>" + body + "</body></html>";
}

} // namespace phodex::test
