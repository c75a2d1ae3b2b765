// SPDX-License-Identifier: MIT
// The main of every window test: one QApplication on the offscreen platform, settings kept
// away from the real configuration (in a folder of this process, since tests run in parallel
// and a closed window remembers its size), then GoogleTest.

#include <QApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

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
    const QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
