// SPDX-License-Identifier: MIT
#include "app/phodexapp.h"

#include "adapters/sitetable.h"
#include "core/session.h"
#include "net/netconfig.h"
#include "settings/workfolder.h"
#include "ui/phodexdlg.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QMessageBox>

namespace phodex {

namespace {

struct AppOptions {
    QString workDir;
    NetConfig net;
};

bool ParseOptions(const QStringList& arguments, AppOptions& options, QString& error) {
    QCommandLineParser parser;
    const QCommandLineOption workDir(QStringLiteral("work-dir"),
                                     QStringLiteral("Keep settings and caches in DIR."),
                                     QStringLiteral("DIR"));
    const QCommandLineOption connectTo(
        QStringLiteral("connect-to"),
        QStringLiteral("Connect to HOST2:PORT2 instead of HOST:PORT (repeatable)."),
        QStringLiteral("HOST:PORT:HOST2:PORT2"));
    const QCommandLineOption caFile(QStringLiteral("cacert"),
                                    QStringLiteral("Also trust the authorities in FILE."),
                                    QStringLiteral("FILE"));
    parser.addOptions({workDir, connectTo, caFile});
    if (!parser.parse(QStringList{QStringLiteral("phodex")} + arguments)) {
        error = parser.errorText();
        return false;
    }
    options.workDir = parser.value(workDir);
    options.net.connectTo = parser.values(connectTo);
    options.net.caFile = parser.value(caFile);
    return true;
}

int Fail(const QString& text) {
    QMessageBox::critical(nullptr, QStringLiteral("Varnel多功能Albrio"), text);
    return 1;
}

} // namespace

int CPhodexApp::run(const QStringList& arguments) {
    AppOptions options;
    QString error;
    if (!ParseOptions(arguments, options, error) || !setNetConfig(options.net, &error))
        return Fail(error);
    const QString currentDir = QDir::currentPath();
    if (PickWorkFolder(currentDir, options.workDir, &error).isEmpty())
        return Fail(QStringLiteral("无法创建工作目录：%1").arg(error));

    Session session;
    const SiteTable sites = MakeSiteTable();
    WindowSetup setup;
    setup.session = &session;
    setup.sites = &sites;
    setup.locations = ResolveWorkLocations(currentDir, options.workDir);
    setup.currentDir = currentDir;
    setup.folders = SystemFolders();
    CPhodexDlg window(setup);
    window.start();
    return QApplication::exec();
}

} // namespace phodex
