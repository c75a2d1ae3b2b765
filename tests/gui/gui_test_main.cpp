// The main of every window test: one QApplication on the offscreen platform, settings kept
// away from the real configuration, then GoogleTest.

#include <QApplication>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
    // Before the QApplication: the platform and theme are chosen when it is made.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    unsetenv("QT_QPA_PLATFORMTHEME");
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    QApplication::setOrganizationName("RHEO");
    QApplication::setApplicationName("RHEO");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
