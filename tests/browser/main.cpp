// SPDX-License-Identifier: MIT
#include "browserworld.h"

#include <QApplication>

#include <gtest/gtest.h>

#ifdef __SANITIZE_ADDRESS__
extern "C" const char* __asan_default_options() {
    return phodex::test::kEngineAsanOptions;
}
extern "C" const char* __lsan_default_suppressions() {
    return phodex::test::kEngineLeaks;
}
#endif

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    // Chromium reads its switches when the first profile is made; they and
    // the platform must be in place before the application object.
    phodex::test::BrowserWorld::setUpProcess();
    QApplication app(argc, argv);
    const int result = RUN_ALL_TESTS();
    phodex::test::BrowserWorld::tearDownProcess();
    return result;
}
