// SPDX-License-Identifier: MIT
#pragma once

#include "ui/phodexdlg.h"

// The folders of a window under test: the work folder given, the rest below a
// temporary home; no clipboard and no start-up notice.
namespace phodex::test {

inline void PlaceTestWindow(WindowSetup& setup, const QString& home, const QString& workDir) {
    setup.locations.workDir = workDir;
    setup.locations.thumbnailCache = workDir + QStringLiteral("tmp/");
    setup.currentDir = home;
    setup.folders = {home + QStringLiteral("/Pictures"), home + QStringLiteral("/Documents"),
                     home + QStringLiteral("/tmp")};
    setup.readClipboard = false;
    setup.splash = false;
}

} // namespace phodex::test
