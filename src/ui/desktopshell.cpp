// SPDX-License-Identifier: MIT
#include "ui/desktopshell.h"

#include <QDesktopServices>
#include <QUrl>

namespace phodex {

void DesktopShell::openFolder(const QString& path) {
    QMetaObject::invokeMethod(
        this, [path] { QDesktopServices::openUrl(QUrl::fromLocalFile(path)); },
        Qt::QueuedConnection);
}

void DesktopShell::openPage(const QString& address) {
    QMetaObject::invokeMethod(
        this, [address] { QDesktopServices::openUrl(QUrl(address)); }, Qt::QueuedConnection);
}

} // namespace phodex
