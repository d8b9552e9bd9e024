// SPDX-License-Identifier: MIT
#pragma once

#include "core/seams/browserbridge.h"

#include <memory>

class QCoreApplication;

namespace phodex::cli {

// The application object. Built with the browser it is a GUI application,
// which the browser's engine needs, on the "offscreen" platform unless
// QT_QPA_PLATFORM says otherwise: the command line shows no window.
std::unique_ptr<QCoreApplication> MakeCliApplication(int& argc, char** argv);

struct CliContext;

// The browser the command line's jobs use. Built with the browser: a page
// without a window in the program's browser profile, which the cookie jar's
// cookies (and --cookies) reach; a login it cannot show is one message on
// stderr. Without it: no browser at all, and a login is that message. Call after setUpNetwork();
// calls on it wait in a local event loop when made on the main thread.
std::unique_ptr<BrowserBridge> MakeCliBrowser(const CliContext& context);
// The same, made when a job first calls it: the jobs of `list` and `download`.
// The context must outlive it; the calls come from the main thread.
std::unique_ptr<BrowserBridge> MakeCliBrowserOnFirstUse(const CliContext& context);

} // namespace phodex::cli
