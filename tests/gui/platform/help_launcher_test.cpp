// The help launcher: every page the program opens is in the help file; a missing library is
// silent and not looked for twice; a missing file or page is told in the help window; the
// installed help file stands in for a missing one; one window serves every request.

#include "gui/platform/help_launcher.hpp"

#include "gui/platform/help_browser.hpp"
#include "gui/platform/help_pages.hpp"
#include "gui/platform/help_test_support.hpp"
#include "gui/platform/help_window.hpp"
#include "support/temp_dir.hpp"

#include <QApplication>
#include <QDialog>
#include <QFileInfo>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace rheo {
namespace {

using testing::builtHelpFile;
using testing::copyHelpFileInto;
using testing::messageBoxShown;
using testing::shownText;
using testing::TempDir;

bool anyHelpWindowExists() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (qobject_cast<HelpWindow*>(widget) != nullptr)
            return true;
    }
    return false;
}

TEST(HelpLauncher, WithoutTheReaderLibraryHelpIsSilentAndTheLibraryIsNotTriedAgain) {
    TempDir dir;
    copyHelpFileInto(dir.path().string());
    HelpLauncher launcher("libchm-not-installed.so.0");

    launcher.showHelpPage(helpPagePath(dir.path().string(), HelpPage::Welcome));
    launcher.showHelpPage(helpPagePath(dir.path().string(), HelpPage::CellData));

    EXPECT_EQ(launcher.library().loadAttempts(), 1);
    EXPECT_TRUE(launcher.library().failed());
    EXPECT_EQ(launcher.helpWindow(), nullptr);
    EXPECT_FALSE(anyHelpWindowExists());
    EXPECT_FALSE(messageBoxShown());
}

struct PageCase {
    HelpPage page;
    const char* objectPath;
    const char* title;
};

void PrintTo(const PageCase& pageCase, std::ostream* out) {
    *out << pageCase.objectPath;
}

class EveryPageOfTheProgram : public ::testing::TestWithParam<PageCase> {};

TEST_P(EveryPageOfTheProgram, OpensItsPageOfTheHelpFile) {
    TempDir dir;
    copyHelpFileInto(dir.path().string());
    HelpLauncher launcher;

    launcher.showHelpPage(helpPagePath(dir.path().string(), GetParam().page));

    ASSERT_NE(launcher.helpWindow(), nullptr);
    EXPECT_TRUE(launcher.helpWindow()->isVisible());
    EXPECT_EQ(launcher.helpWindow()->browser()->currentPage(), GetParam().objectPath);
    EXPECT_EQ(launcher.helpWindow()->browser()->documentTitle(), GetParam().title);
}

INSTANTIATE_TEST_SUITE_P(
    HelpLauncher, EveryPageOfTheProgram,
    ::testing::Values(PageCase{HelpPage::Welcome, "/RHEO/Welcome.htm",
                               "Welcome to the Vantor Viscosity Calculator"},
                      PageCase{HelpPage::CellData, "/RHEO/Cell_Data.htm", "Cell data"},
                      PageCase{HelpPage::Overview, "/RHEO/Vantor_Viscosity_Calculator_Overview.htm",
                               "Calibration and settings"},
                      PageCase{HelpPage::CalculatingConstants, "/RHEO/Calculating_Constants.htm",
                               "Constants A and B"},
                      PageCase{HelpPage::CellVolume,
                               "/RHEO/Calculating_Cell_Volume_with_the_RHEO.htm",
                               "Cell volume and target efflux time"},
                      PageCase{HelpPage::StandardViscosities, "/RHEO/Standard_Viscosities.htm",
                               "Standard viscosities"}),
    [](const ::testing::TestParamInfo<PageCase>& testInfo) {
        return QFileInfo(QString::fromLatin1(testInfo.param.objectPath))
            .completeBaseName()
            .toStdString();
    });

TEST(HelpLauncher, ADirectoryEndingInASeparatorGivesTwoInARowAndStillShowsThePage) {
    TempDir dir;
    copyHelpFileInto(dir.path().string());
    const std::string directory = dir.path().string() + "/";
    const std::string path = helpPagePath(directory, HelpPage::Welcome);
    ASSERT_EQ(path, dir.path().string() + "//RHEO.chm::/RHEO/Welcome.htm");
    HelpLauncher launcher;

    launcher.showHelpPage(path);

    ASSERT_NE(launcher.helpWindow(), nullptr);
    EXPECT_EQ(launcher.helpWindow()->browser()->currentPage(), "/RHEO/Welcome.htm");
    EXPECT_TRUE(launcher.helpWindow()->isShowingFile(
        QString::fromStdString(dir.path().string() + "/RHEO.chm")));
}

TEST(HelpLauncher, AMissingHelpFileIsToldInTheHelpWindowNamingTheFile) {
    TempDir dir;
    HelpLauncher launcher;

    launcher.showHelpPage(helpPagePath(dir.path().string(), HelpPage::CellData));

    ASSERT_NE(launcher.helpWindow(), nullptr);
    EXPECT_TRUE(launcher.helpWindow()->isVisible());
    const QString text = shownText(*launcher.helpWindow()->browser());
    EXPECT_TRUE(text.contains("Help file not found")) << text.toStdString();
    EXPECT_TRUE(text.contains(QString::fromStdString(dir.path().string() + "/RHEO.chm")));
    EXPECT_EQ(launcher.helpWindow()->contentsTree()->topLevelItemCount(), 0);
    EXPECT_FALSE(launcher.helpWindow()->backAction()->isEnabled());
    EXPECT_FALSE(messageBoxShown());

    // Once the file is there, the next request shows the page.
    copyHelpFileInto(dir.path().string());
    launcher.showHelpPage(helpPagePath(dir.path().string(), HelpPage::CellData));
    EXPECT_EQ(launcher.helpWindow()->browser()->currentPage(), "/RHEO/Cell_Data.htm");
    EXPECT_EQ(launcher.helpWindow()->browser()->documentTitle(), "Cell data");
}

TEST(HelpLauncher, AMissingPageIsToldInTheHelpWindowWithTheContentsStillThere) {
    TempDir dir;
    const std::string file = copyHelpFileInto(dir.path().string());
    HelpLauncher launcher;

    launcher.showHelpPage(file + "::/RHEO/No_Such_Page.htm");

    ASSERT_NE(launcher.helpWindow(), nullptr);
    const QString text = shownText(*launcher.helpWindow()->browser());
    EXPECT_TRUE(text.contains("Help page not found")) << text.toStdString();
    EXPECT_TRUE(text.contains("/RHEO/No_Such_Page.htm"));
    EXPECT_GT(launcher.helpWindow()->contentsTree()->topLevelItemCount(), 0);
    EXPECT_FALSE(messageBoxShown());
}

TEST(HelpLauncher, PagePathsMatchInAnyLetterCase) {
    TempDir dir;
    const std::string file = copyHelpFileInto(dir.path().string());
    HelpLauncher launcher;

    launcher.showHelpPage(file + "::/rheo/cell_data.HTM");

    ASSERT_NE(launcher.helpWindow(), nullptr);
    EXPECT_EQ(launcher.helpWindow()->browser()->documentTitle(), "Cell data");
}

TEST(HelpLauncher, TheInstalledHelpFileStandsInOnlyForAMissingOne) {
    TempDir installed;
    TempDir programDir;
    TempDir emptyDir;
    const std::string installedFile = copyHelpFileInto(installed.path().string());
    const std::string ownFile = copyHelpFileInto(programDir.path().string());
    HelpLauncher launcher;
    launcher.setInstalledHelpFile(installedFile);

    launcher.showHelpPage(helpPagePath(emptyDir.path().string(), HelpPage::StandardViscosities));
    ASSERT_NE(launcher.helpWindow(), nullptr);
    EXPECT_TRUE(launcher.helpWindow()->isShowingFile(QString::fromStdString(installedFile)));
    EXPECT_EQ(launcher.helpWindow()->browser()->documentTitle(), "Standard viscosities");

    launcher.showHelpPage(helpPagePath(programDir.path().string(), HelpPage::Welcome));
    EXPECT_TRUE(launcher.helpWindow()->isShowingFile(QString::fromStdString(ownFile)));

    // The file each page path is shown from, told without showing it.
    EXPECT_EQ(launcher.helpFileFor(helpPagePath(emptyDir.path().string(), HelpPage::Welcome)),
              QString::fromStdString(installedFile));
    EXPECT_EQ(launcher.helpFileFor(helpPagePath(programDir.path().string(), HelpPage::Welcome)),
              QString::fromStdString(ownFile));
}

TEST(HelpLauncher, OneWindowServesEveryRequestAndComesBackAfterBeingClosed) {
    TempDir dir;
    copyHelpFileInto(dir.path().string());
    QWidget owner;
    HelpLauncher launcher;
    launcher.setOwnerWindow(&owner);

    launcher.showHelpPage(helpPagePath(dir.path().string(), HelpPage::Welcome));
    HelpWindow* first = launcher.helpWindow();
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->isWindow());
    EXPECT_EQ(first->parentWidget(), &owner);
    first->close();
    EXPECT_FALSE(first->isVisible());

    launcher.showHelpPage(helpPagePath(dir.path().string(), HelpPage::CellVolume));
    EXPECT_EQ(launcher.helpWindow(), first);
    EXPECT_EQ(launcher.library().loadAttempts(), 1);
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(first->browser()->currentPage(), "/RHEO/Calculating_Cell_Volume_with_the_RHEO.htm");
    // Pages of one file make one history: Back leads to the page shown before.
    EXPECT_TRUE(first->backAction()->isEnabled());
}

TEST(HelpLauncher, HelpAskedForFromAModalDialogCanBeUsedWhileTheDialogIsOpen) {
    TempDir dir;
    copyHelpFileInto(dir.path().string());
    QWidget mainWindow;
    mainWindow.show();
    QDialog dialog(&mainWindow);
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.show();
    ASSERT_EQ(QApplication::activeModalWidget(), &dialog);
    HelpLauncher launcher;
    launcher.setOwnerWindow(&mainWindow);

    launcher.showHelpPage(helpPagePath(dir.path().string(), HelpPage::CellData));
    ASSERT_NE(launcher.helpWindow(), nullptr);
    HelpBrowser& browser = *launcher.helpWindow()->browser();
    ASSERT_TRUE(testing::clickLink(browser, "Calculating_Cell_Volume_with_the_RHEO.htm"));

    EXPECT_EQ(browser.currentPage(), "/RHEO/Calculating_Cell_Volume_with_the_RHEO.htm");
    dialog.hide();
}

} // namespace
} // namespace rheo
