// SPDX-License-Identifier: MIT
#pragma once

#include "core/seams/userprompt.h"

#include <QString>

namespace phodex {

// Every question the window puts to the user: the message boxes the jobs ask
// for from their threads, the window's own boxes, and the file choosers. One
// seam, so that tests can answer all of them without a modal loop.
class DialogPrompt : public UserPrompt {
public:
    // The folder picker; "" when cancelled. GUI thread only.
    virtual QString chooseFolder(const QString& title, const QString& startFolder) = 0;
    // The save-file dialog with overwrite confirmation; "" when cancelled. GUI thread only.
    virtual QString chooseSaveFile(const QString& filter, const QString& defaultSuffix) = 0;
    // The open-file dialog; "" when cancelled. GUI thread only.
    virtual QString chooseOpenFile(const QString& filter) = 0;
    // The window is closing: every question pending or asked later is answered
    // No at once, so that no worker waits for a window that is gone.
    virtual void shutdown() = 0;
};

} // namespace phodex
