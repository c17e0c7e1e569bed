// SPDX-License-Identifier: GPL-3.0-or-later
// The editor's tests run real Qt widgets, so they need one application object, on the offscreen
// platform so that no display is needed.
#include <QApplication>
#include <cstdlib>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    ::testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
