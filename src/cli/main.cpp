// SPDX-License-Identifier: MIT
#include "cli/app.h"
#include "cli/clibrowser.h"

#include <QCoreApplication>
#include <QDir>

int main(int argc, char** argv) {
    const auto app = phodex::cli::MakeCliApplication(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("phodex"));
    return phodex::cli::runCli(QCoreApplication::arguments().mid(1), QDir::currentPath());
}
