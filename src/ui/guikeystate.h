// SPDX-License-Identifier: MIT
#pragma once

#include "core/seams/keystate.h"

#include <QObject>

#include <atomic>

namespace phodex {

// Whether Ctrl is held. The GUI thread asks the window system; worker threads
// read what the last input event told, which the filter keeps up to date, since
// the window system may only be asked from the GUI thread.
class GuiKeyState final : public QObject, public KeyState {
    Q_OBJECT
public:
    GuiKeyState(); // installs itself as an event filter of the application
    bool ctrlHeld() const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::atomic<bool> m_ctrl{false};
};

} // namespace phodex
