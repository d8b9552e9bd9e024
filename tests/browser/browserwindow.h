// SPDX-License-Identifier: MIT
#pragma once

#include "adapters/sitetable.h"
#include "browser/webbrowserbridge.h"
#include "browserworld.h"
#include "core/seams/keystate.h"
#include "core/seams/shell.h"
#include "scripteddialogs.h"
#include "testwindowsetup.h"
#include "ui/phodexdlg.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace phodex::test {

// The main window with the real browser, its folders below a temporary home,
// started and ready.
class BrowserWindowTest : public ::testing::Test {
protected:
    // Makes the bridge over env, then the window, and waits until it is ready.
    void StartWindow(BrowserEnvironment& env) {
        ASSERT_TRUE(home.isValid());
        bridgeOptions.session = &session;
        bridge = std::make_unique<WebBrowserBridge>(env, bridgeOptions);
        setup.session = &session;
        setup.sites = &table;
        setup.prompt = &dialogs;
        setup.shell = &shell;
        setup.keys = &keys;
        setup.browser = bridge.get();
        setup.browserEnv = &env;
        PlaceTestWindow(setup, home.path(), home.path() + QStringLiteral("/work/"));
        window = std::make_unique<CPhodexDlg>(setup);
        window->start();
        ASSERT_TRUE(WaitFor([this] { return window->isReady(); }, std::chrono::seconds(30)));
    }

    void TearDown() override {
        window.reset();
        bridge.reset();
    }

    QTemporaryDir home;
    Session session;
    SiteTable table = MakeSiteTable();
    ScriptedDialogs dialogs;
    RecordingShell shell;
    FixedKeyState keys;
    BridgeOptions bridgeOptions;
    std::unique_ptr<WebBrowserBridge> bridge;
    WindowSetup setup;
    std::unique_ptr<CPhodexDlg> window;
};

} // namespace phodex::test
