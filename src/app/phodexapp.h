// SPDX-License-Identifier: MIT
#pragma once

#include <QStringList>

#include <functional>

namespace phodex {

// The program: reads its few options, sets up the work folder and the
// request engine, and runs the main window until it closes. Every start opens
// a window of its own.
class CPhodexDlg;

class CPhodexApp {
public:
    // Runs once the window has finished its start-up (the screenshot tool).
    void setOnReady(std::function<void(CPhodexDlg&)> onReady) { m_onReady = std::move(onReady); }
    // arguments without the program name.
    int run(const QStringList& arguments);

private:
    std::function<void(CPhodexDlg&)> m_onReady;
};

} // namespace phodex
