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
    const QCommandLineOption language(QStringLiteral("lang"),
                                      QStringLiteral("Speak LANG: zh (Chinese) or en (English)."),
                                      QStringLiteral("LANG"));
    parser.addOptions({workDir, connectTo, caFile, language});
    if (!parser.parse(QStringList{QStringLiteral("phodex")} + arguments)) {
        error = parser.errorText();
        return false;
    }
    if (!parser.positionalArguments().isEmpty()) {
        error =
            QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments().first());
        return false;
    }
    if (parser.isSet(language)) {
        options.language = ParseLanguage(parser.value(language));
        if (!options.language) {
            error = QStringLiteral("option '--lang' wants zh or en, not '%1'")
                        .arg(parser.value(language));
            return false;
        }
    }
    options.workDir = parser.value(workDir);
    options.net.connectTo = parser.values(connectTo);
    options.net.caFile = parser.value(caFile);
    return true;
}

} // namespace phodex
