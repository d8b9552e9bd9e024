// SPDX-License-Identifier: MIT
#include "app/phodexapp.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("phodex"));
    QApplication::setApplicationVersion(QStringLiteral(PHODEX_VERSION));
    return phodex::CPhodexApp().run(QApplication::arguments().mid(1));
}
