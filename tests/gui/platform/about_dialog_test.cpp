// The About box and the application icon.

#include "gui/app/about_dialog.hpp"

#include "gui/app/application_icon.hpp"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace rheo {
namespace {

TEST(AboutBox, ShowsTheIconAndTheVersionAndClosesWithOk) {
    CAboutDlg about;
    about.show();
    EXPECT_EQ(about.windowTitle(), "About RHEO");
    EXPECT_TRUE(about.isModal());
    EXPECT_EQ(about.versionLabel()->text(), "RHEO Version 2.02");
    EXPECT_FALSE(about.iconLabel()->pixmap().isNull());
    QTest::mouseClick(about.okButton(), Qt::LeftButton);
    EXPECT_EQ(about.result(), QDialog::Accepted);
    EXPECT_FALSE(about.isVisible());
}

TEST(ApplicationIcon, ComesInEverySizeOfTheIconTheme) {
    const QIcon icon = applicationIcon();
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256})
        EXPECT_TRUE(icon.availableSizes().contains(QSize(size, size))) << size;
}

} // namespace
} // namespace rheo
