// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the tests inside an application object, as widgets need one. Without a display
// of its own choosing the run uses the offscreen platform, also when CTest lists tests.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
