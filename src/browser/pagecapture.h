// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <functional>

namespace phodex {

class CWebBrowser;

struct CaptureTiming {
    int totalMs = 20000; // the longest a capture takes
    int pollMs = 1500;   // how often the page's text is read
};

// Loads address in the host and reads the body's inner HTML every pollMs
// until some text came ("s" in it: any page) or totalMs passed; then the host
// goes back to a blank page. `done` gets the last text read, "" when none;
// at once for a host that failed.
void CapturePage(CWebBrowser& host, const QString& address, const CaptureTiming& timing,
                 std::function<void(const QString& text)> done);

// Loads address in the host and waits until it has loaded or timeoutMs
// passed; then the host goes back to a blank page. `done` says whether the
// page finished loading in time.
void NavigateAndWait(CWebBrowser& host, const QString& address, int timeoutMs,
                     std::function<void(bool loaded)> done);

} // namespace phodex
