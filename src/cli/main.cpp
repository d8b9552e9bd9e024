// SPDX-License-Identifier: MIT
#include "cli/app.h"
#include "cli/clibrowser.h"
#include "net/cookiejar.h"

#include <QCoreApplication>
#include <QDir>

int main(int argc, char** argv) {
    const auto app = phodex::cli::MakeCliApplication(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("phodex"));
    const int status =
        phodex::cli::runCli(QCoreApplication::arguments().mid(1), QDir::currentPath());
    // The cookie changes of the last moment are still waiting for their write.
    phodex::CookieJar::instance().flush();
    return status;
}
