// SPDX-License-Identifier: MIT
#pragma once

#include <QStringList>

namespace phodex {

// The program: reads its few options, sets up the work folder and the
// request engine, and runs the main window until it closes. Every start opens
// a window of its own.
class CPhodexApp {
public:
    // arguments without the program name.
    int run(const QStringList& arguments);
};

} // namespace phodex
