// SPDX-License-Identifier: MIT
#pragma once

#include <atomic>

namespace phodex {

class KeyState {
public:
    virtual ~KeyState() = default;
    // Whether the Ctrl key is held down at this moment.
    virtual bool ctrlHeld() const = 0;
};

// A key state set by hand: tests, and the command line (never held).
class FixedKeyState : public KeyState {
public:
    explicit FixedKeyState(bool ctrl = false) : m_ctrl(ctrl) {}
    bool ctrlHeld() const override { return m_ctrl.load(); }
    void setCtrlHeld(bool held) { m_ctrl = held; }

private:
    std::atomic<bool> m_ctrl;
};

} // namespace phodex
