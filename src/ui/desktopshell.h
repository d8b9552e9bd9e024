// SPDX-License-Identifier: MIT
#pragma once

#include "core/seams/shell.h"

#include <QObject>

namespace phodex {

// Folders and pages open in the desktop's own programs. Calls from a worker
// thread (the download job opens the save folder when it ends) are handed to
// the GUI thread.
class DesktopShell final : public QObject, public Shell {
    Q_OBJECT
public:
    void openFolder(const QString& path) override;
    void openPage(const QString& address) override;
};

} // namespace phodex
