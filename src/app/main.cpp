// SPDX-License-Identifier: MIT
#include "app/phodexapp.h"
#include "net/versiontext.h"
#include "phodexversion.h"
#include "ui/appoptions.h"

#include <QApplication>
#include <QIcon>

#include <cstdio>
#include <optional>

namespace {

void Print(std::FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
}

// --help, --version and a bad command line are answered on the terminal
// before any window (or display) is needed; nullopt: start the window.
std::optional<int> AnswerOnTerminal(int argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    phodex::AppOptions options;
    QString error;
    if (!phodex::ParseAppOptions(arguments, options, error)) {
        Print(stderr, QStringLiteral("phodex: %1\n").arg(error));
        return 1;
    }
    if (options.help)
        Print(stdout, phodex::AppUsageText());
    else if (options.version)
        Print(stdout, phodex::VersionText(QStringLiteral("phodex")) + u'\n');
    else
        return std::nullopt;
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (const std::optional<int> status = AnswerOnTerminal(argc, argv))
        return *status;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("phodex"));
    QApplication::setApplicationVersion(QStringLiteral(PHODEX_VERSION));
    // The installed desktop entry and icon: the window is matched to the
    // entry by this name, and the theme holds the icon once installed.
    QGuiApplication::setDesktopFileName(QStringLiteral("phodex"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("phodex")));
    return phodex::CPhodexApp().run(QApplication::arguments().mid(1));
}
