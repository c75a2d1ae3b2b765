// The help launcher: every page the program opens is in the help file; a missing library is
// silent and not looked for twice; a missing file or page is told in the help window; the
// installed help file stands in for a missing one; one window serves every request.

#include "gui/platform/help_launcher.hpp"

#include "gui/platform/help_browser.hpp"
#include "gui/platform/help_pages.hpp"
#include "gui/platform/help_test_support.hpp"
#include "gui/platform/help_window.hpp"
#include "support/temp_dir.hpp"

#include <QAction>
#include <QDialog>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace rheo::testing {
namespace {

// Without the reader library help is silent and the library is not tried again. With it,
// each page of the program, asked for from a directory ending in its separator (two in a
// row in the page path) or not, is shown from the file, its path in any letter case.
TEST(HelpLauncher, EveryPageOfTheProgramIsShownFromTheFileWhenTheLibraryIsThere) {
    TempDir dir;
    const std::string file = copyHelpFileInto(dir.path().string());
    HelpLauncher withoutLibrary("libchm-not-installed.so.0");
    withoutLibrary.showHelpPage(helpPagePath(dir.path().string(), HelpPage::Welcome));
    withoutLibrary.showHelpPage(helpPagePath(dir.path().string(), HelpPage::CellData));
    EXPECT_EQ(withoutLibrary.library().loadAttempts(), 1);
    EXPECT_TRUE(withoutLibrary.library().failed());
    EXPECT_EQ(withoutLibrary.helpWindow(), nullptr);
    EXPECT_FALSE(messageBoxShown());

    const std::tuple<HelpPage, const char*, const char*> pages[] = {
        {HelpPage::Welcome, "/RHEO/Welcome.htm", "Welcome to the Vantor Viscosity Calculator"},
        {HelpPage::CellData, "/RHEO/Cell_Data.htm", "Cell data"},
        {HelpPage::Overview, "/RHEO/Vantor_Viscosity_Calculator_Overview.htm",
         "Calibration and settings"},
        {HelpPage::CalculatingConstants, "/RHEO/Calculating_Constants.htm", "Constants A and B"},
        {HelpPage::CellVolume, "/RHEO/Calculating_Cell_Volume_with_the_RHEO.htm",
         "Cell volume and target efflux time"},
        {HelpPage::StandardViscosities, "/RHEO/Standard_Viscosities.htm", "Standard viscosities"}};
    HelpLauncher launcher;
    for (const auto& [page, objectPath, title] : pages) {
        for (const std::string& directory : {dir.path().string(), dir.path().string() + "/"}) {
            SCOPED_TRACE(helpPagePath(directory, page));
            launcher.showHelpPage(helpPagePath(directory, page));
            ASSERT_NE(launcher.helpWindow(), nullptr);
            EXPECT_TRUE(launcher.helpWindow()->isVisible());
            EXPECT_EQ(launcher.helpWindow()->browser()->currentPage(), objectPath);
            EXPECT_EQ(launcher.helpWindow()->browser()->documentTitle(), title);
            EXPECT_TRUE(launcher.helpWindow()->isShowingFile(QString::fromStdString(file)));
        }
    }
    launcher.showHelpPage(file + "::/rheo/cell_data.HTM");
    EXPECT_EQ(launcher.helpWindow()->browser()->documentTitle(), "Cell data");
}

// A missing file, or a page missing from the file, is told in the help window (the contents
// shown when the file is there). The installed help file stands in only for a missing one.
TEST(HelpLauncher, AMissingFileOrPageIsToldUnlessTheInstalledFileStandsIn) {
    TempDir dir, installed, empty;
    HelpLauncher launcher;
    launcher.showHelpPage(helpPagePath(dir.path().string(), HelpPage::CellData));
    ASSERT_NE(launcher.helpWindow(), nullptr);
    QString text = launcher.helpWindow()->browser()->toPlainText();
    EXPECT_TRUE(text.contains("Help file not found")) << text.toStdString();
    EXPECT_TRUE(text.contains(QString::fromStdString(dir.file("RHEO.chm"))));
    EXPECT_EQ(launcher.helpWindow()->contentsTree()->topLevelItemCount(), 0);

    const std::string own = copyHelpFileInto(dir.path().string());
    launcher.showHelpPage(own + "::/RHEO/No_Such_Page.htm");
    text = launcher.helpWindow()->browser()->toPlainText();
    EXPECT_TRUE(text.contains("Help page not found")) << text.toStdString();
    EXPECT_TRUE(text.contains("/RHEO/No_Such_Page.htm"));
    EXPECT_GT(launcher.helpWindow()->contentsTree()->topLevelItemCount(), 0);
    EXPECT_FALSE(messageBoxShown());

    const std::string installedFile = copyHelpFileInto(installed.path().string());
    launcher.setInstalledHelpFile(installedFile);
    launcher.showHelpPage(helpPagePath(empty.path().string(), HelpPage::StandardViscosities));
    EXPECT_TRUE(launcher.helpWindow()->isShowingFile(QString::fromStdString(installedFile)));
    EXPECT_EQ(launcher.helpWindow()->browser()->documentTitle(), "Standard viscosities");
    launcher.showHelpPage(helpPagePath(dir.path().string(), HelpPage::CellData));
    EXPECT_TRUE(launcher.helpWindow()->isShowingFile(QString::fromStdString(own)));
    EXPECT_EQ(launcher.helpWindow()->browser()->documentTitle(), "Cell data");
}

// The one help window belongs to the main window, comes back after being closed with the
// pages of one file in one history, and takes clicks while a modal dialog is open.
TEST(HelpLauncher, OneWindowServesEveryRequestAlsoFromAModalDialog) {
    TempDir dir;
    copyHelpFileInto(dir.path().string());
    QWidget mainWindow;
    mainWindow.show();
    HelpLauncher launcher;
    launcher.setOwnerWindow(&mainWindow);
    launcher.showHelpPage(helpPagePath(dir.path().string(), HelpPage::Welcome));
    HelpWindow* first = launcher.helpWindow();
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->isWindow());
    EXPECT_EQ(first->parentWidget(), &mainWindow);
    first->close();

    QDialog dialog(&mainWindow);
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.show();
    launcher.showHelpPage(helpPagePath(dir.path().string(), HelpPage::CellData));
    EXPECT_EQ(launcher.helpWindow(), first);
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(launcher.library().loadAttempts(), 1);
    EXPECT_TRUE(first->backAction()->isEnabled());
    ASSERT_TRUE(clickLink(*first->browser(), "Calculating_Cell_Volume_with_the_RHEO.htm"));
    EXPECT_EQ(first->browser()->currentPage(), "/RHEO/Calculating_Cell_Volume_with_the_RHEO.htm");
    dialog.hide();
}

} // namespace
} // namespace rheo::testing
