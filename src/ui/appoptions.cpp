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
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show the options."));
    const QCommandLineOption version(QStringLiteral("version"),
                                     QStringLiteral("Show the version."));
    const QCommandLineOption language(QStringLiteral("lang"),
                                      QStringLiteral("Speak LANG: zh (Chinese) or en (English)."),
                                      QStringLiteral("LANG"));
    parser.addOptions({workDir, connectTo, caFile, language, help, version});
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
    options.help = parser.isSet(help);
    options.version = parser.isSet(version);
    return true;
}

// Written out rather than asked of the parser: it needs no application
// object, so it prints without a display.
QString AppUsageText() {
    return QStringLiteral(
        "usage: phodex [options]\n"
        "\n"
        "Downloads whole photo albums from the supported sites; opens the main window.\n"
        "\n"
        "options:\n"
        "  --work-dir DIR     keep the settings, cookies, browser profile and caches in DIR\n"
        "                     (unless the current folder already holds the settings)\n"
        "  --connect-to HOST:PORT:HOST2:PORT2\n"
        "                     send requests for HOST:PORT to HOST2:PORT2 instead, as curl's\n"
        "                     --connect-to (repeatable)\n"
        "  --cacert FILE      trust the certificate authorities of this PEM file too\n"
        "  -h, --help         show this help\n"
        "  --version          show the version and the libraries' versions\n"
        "\n"
        "phodex-cli runs the same downloads without a window.\n");
}

} // namespace phodex
