// SPDX-License-Identifier: MIT
#include <QApplication>
#include <gtest/gtest.h>

// The window tests need a QApplication; they run on the offscreen platform
// unless told otherwise.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
