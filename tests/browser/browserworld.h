// SPDX-License-Identifier: MIT
#pragma once

#include "browser/completion.h"
#include "support/fakesite.h"

#include <QString>
#include <QStringList>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <thread>

namespace phodex {
class BrowserEnvironment;
class CWebBrowser;
} // namespace phodex

namespace phodex::test {

// What every browser test of the process shares: one fake site reached over
// Chromium's host mapping and the engine's connect-to rules, one browser
// profile in a temporary folder, the failure notices the browser showed.
class BrowserWorld {
public:
    // Before the application object: environment, fake site, switches.
    static void setUpProcess();
    // After the tests, while the application object still exists.
    static void tearDownProcess();

    static FakeSite& site();
    // "https://<host><path>" as the sites write their addresses.
    static QString address(const QString& host, const QString& path);
    static BrowserEnvironment& env();
    static QStringList failureNotices();
    // A folder that lives as long as the process.
    static QString scratchFolder();
};

// Keeps the event loop going until `done` holds; false after the limit.
bool WaitFor(const std::function<bool()>& done, std::chrono::milliseconds limit);

// Runs `work` on a thread of its own while this thread keeps the event loop
// going, as a job's worker calls the browser while the window stays alive.
// nullopt when it has not returned within the limit.
template <class T>
std::optional<T> RunOnWorker(std::function<T()> work, std::chrono::milliseconds limit) {
    auto result = std::make_shared<Completion<T>>();
    std::thread([work, result] { result->set(work()); }).detach();
    WaitFor([&result] { return result->settled(); }, limit);
    return result->waitFor(std::chrono::milliseconds(0));
}

// Makes the host (a page without a view) and waits until it is ready.
bool MakeReady(CWebBrowser& host);
// Loads address in a ready host and waits until it has loaded.
bool Load(CWebBrowser& host, const QString& address);

// The browser engine is not ours and not instrumented: it frees some objects
// through a base without a virtual destructor, and keeps allocations for the
// whole process. What the sanitizers are told about it, here and in the
// programs the tests start.
inline constexpr char kEngineAsanOptions[] = "new_delete_type_mismatch=0";
inline constexpr char kEngineLeaks[] = "leak:libQt6WebEngineCore.so\nleak:libfontconfig.so\n";

// An HTML page: a title and a body.
std::string HtmlPage(const std::string& title, const std::string& body);

} // namespace phodex::test
