// SPDX-License-Identifier: MIT
#include "ui/appoptions.h"

#include <QCommandLineParser>

namespace phodex {

bool ParseAppOptions(const QStringList& arguments, AppOptions& options, QString& error) {
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
    if (!parser.positionalArguments().isEmpty()) {
        error =
            QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments().first());
        return false;
    }
    options.workDir = parser.value(workDir);
    options.net.connectTo = parser.values(connectTo);
    options.net.caFile = parser.value(caFile);
    return true;
}

} // namespace phodex
