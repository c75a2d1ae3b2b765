// Help: the help file and its window, and the launcher that opens them. The table of
// contents as sitemaps come in practice, the character sets of pages, the compiled help file
// whose every link and picture must resolve; the window as the operator uses it: links
// followed by a click, Back and Forward by button and key, the contents built from the file's
// table of contents, and links that leave the help file kept out of the window; and the
// launcher: every page the program opens is in the help file, a missing library is silent
// and not looked for twice, a missing file or page is told in the help window, the installed
// help file stands in for a missing one, one window serves every request.

#include "gui/platform/chm_archive.hpp"
#include "gui/platform/chm_contents.hpp"
#include "gui/platform/chm_library.hpp"
#include "gui/platform/chm_text.hpp"
#include "gui/platform/help_browser.hpp"
#include "gui/platform/help_launcher.hpp"
#include "gui/platform/help_pages.hpp"
#include "gui/platform/help_test_support.hpp"
#include "gui/platform/help_window.hpp"
#include "support/temp_dir.hpp"

#include <QAction>
#include <QDialog>
#include <QImage>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <QTextDocument>
#include <QToolBar>
#include <QTreeWidget>
#include <QUrl>

#include <gtest/gtest.h>

namespace rheo::testing {
namespace {

// Sloppy markup is read as well as it can be: lower-case tags, unquoted and single-quoted
// values, entities, a comment, a heading without a page, and lists that are never closed.
// (The tidy markup of the program's own file is read in the help window's contents.)
TEST(Sitemap, SloppyMarkupGivesNestedTopicsInOrder) {
    const std::vector<ContentsEntry> sloppy = parseSitemap(QStringLiteral(R"(
        <ul>
          <!-- <li><object type="text/sitemap"><param name="Name" value="Hidden"></object> -->
          <li><object type=text/sitemap><param name=Name value='Oils &amp; standards'>
              <param name=Local value=oils.htm></object>
          <li><object type="text/sitemap"><param name="Name" value="Chapter"></object>
          <ul>
            <li><object type="TEXT/SITEMAP"><param name="name" value="Caf&#233;">
                <param name="local" value="cafe.htm#top"></object>)"));
    ASSERT_EQ(sloppy.size(), 2u);
    EXPECT_EQ(sloppy[0].title, "Oils & standards");
    EXPECT_EQ(sloppy[0].local, "oils.htm");
    EXPECT_TRUE(sloppy[1].local.isEmpty());
    ASSERT_EQ(sloppy[1].children.size(), 1u);
    EXPECT_EQ(sloppy[1].children[0].title, QString::fromUtf8("Caf\u00e9"));
    EXPECT_EQ(sloppy[1].children[0].local, "cafe.htm#top");
}

TEST(PageText, IsWindows1252UnlessItNamesAnotherCharacterSet) {
    const std::pair<const char*, const char*> pages[] = {
        {"150 \xb0"
         "C, \x80 5, \x93quoted\x94",
         "150 \u00b0C, \u20ac 5, \u201cquoted\u201d"},
        {"<meta charset=\"iso-8859-1\">\x96", "<meta charset=\"iso-8859-1\">\u2013"},
        {"<meta charset=\"UTF-8\">\xc2\xb1 20 \xce\xb7",
         "<meta charset=\"UTF-8\">\u00b1 20 \u03b7"},
        {"<meta charset=\"no-such-set\">\xe9", "<meta charset=\"no-such-set\">\u00e9"}};
    for (const auto& [bytes, utf8] : pages)
        EXPECT_EQ(decodeChmText(QByteArray(bytes)), QString::fromUtf8(utf8)) << utf8;
}

// The compiled help file opens on its welcome page; every page's links and pictures lead
// to something in the file.
TEST(CompiledHelpFile, EveryLinkAndPictureOfEveryPageResolves) {
    ChmLibrary library;
    const std::unique_ptr<ChmArchive> archive =
        ChmArchive::open(library, QString::fromStdString(testing::builtHelpFile()));
    ASSERT_NE(archive, nullptr);
    EXPECT_EQ(archive->defaultTopic(), "/RHEO/Welcome.htm");
    EXPECT_EQ(archive->contentsPath(), "/RHEO.hhc");
    EXPECT_EQ(archive->title(), "Vantor Viscosity Calculator Help");

    static const QRegularExpression reference(QStringLiteral("(?:href|src)\\s*=\\s*\"([^\"]+)\""),
                                              QRegularExpression::CaseInsensitiveOption);
    const auto text = [&](const QString& path) { return decodeChmText(*archive->read(path)); };
    int pages = 0;
    for (const QString& page : archive->objectPaths()) {
        if (!page.endsWith(QStringLiteral(".htm"), Qt::CaseInsensitive))
            continue;
        ++pages;
        const QUrl base(QStringLiteral("chm:") + page);
        for (auto it = reference.globalMatch(text(page)); it.hasNext();) {
            const QUrl target = base.resolved(QUrl(it.next().captured(1)));
            SCOPED_TRACE(page.toStdString() + " -> " + target.toString().toStdString());
            ASSERT_EQ(target.scheme(), "chm");
            ASSERT_TRUE(archive->contains(target.path()));
            if (target.hasFragment()) {
                EXPECT_TRUE(text(target.path())
                                .contains(QStringLiteral("name=\"%1\"").arg(target.fragment())));
            }
        }
    }
    EXPECT_GE(pages, 6);
}

// A link clicked leads to its page; Back and Forward, by button and by Alt+Left and
// Alt+Right, retrace the way. Links that leave the help file are handed on, not followed
// inside the window. The contents list the topics in the order of the table of contents; a
// topic clicked is shown, and the topic of the page shown is marked. The pictures of a page
// are read from the help file.
TEST(HelpWindow, LinksContentsAndPicturesLeadThroughTheFile) {
    ChmLibrary library;
    HelpWindow window;
    std::unique_ptr<ChmArchive> archive =
        ChmArchive::open(library, QString::fromStdString(builtHelpFile()));
    ASSERT_NE(archive, nullptr);
    window.openFile(std::move(archive));
    window.show();
    window.showPage("/RHEO/Welcome.htm");
    const auto page = [&] { return window.browser()->currentPage(); };
    const auto title = [&] { return window.browser()->documentTitle(); };
    EXPECT_FALSE(window.backAction()->isEnabled());
    ASSERT_TRUE(clickLink(*window.browser(), "Cell_Data.htm"));
    EXPECT_EQ(page(), "/RHEO/Cell_Data.htm");
    EXPECT_EQ(title(), "Cell data");
    EXPECT_FALSE(window.forwardAction()->isEnabled());
    QTest::mouseClick(window.findChild<QToolBar*>()->widgetForAction(window.backAction()),
                      Qt::LeftButton);
    EXPECT_EQ(page(), "/RHEO/Welcome.htm");
    QTest::keyClick(window.browser(), Qt::Key_Right, Qt::AltModifier);
    EXPECT_EQ(page(), "/RHEO/Cell_Data.htm");
    QTest::keyClick(window.browser(), Qt::Key_Left, Qt::AltModifier);
    EXPECT_EQ(title(), "Welcome to the Vantor Viscosity Calculator");

    ASSERT_TRUE(clickLink(*window.browser(), "#timer")); // a part of the page
    EXPECT_EQ(page(), "/RHEO/Welcome.htm");
    EXPECT_GT(window.browser()->verticalScrollBar()->value(), 0);
    emit window.browser()->anchorClicked(QUrl(QStringLiteral("RHEO.chm::/RHEO/Messages.htm")));
    EXPECT_EQ(page(), "/RHEO/Messages.htm");

    std::vector<QUrl> handedOn;
    window.browser()->setExternalLinkHandler([&](const QUrl& url) { handedOn.push_back(url); });
    const QUrl web(QStringLiteral("https://example.org/oils"));
    emit window.browser()->anchorClicked(web);
    emit window.browser()->anchorClicked(QUrl(QStringLiteral("mailto:lab@example.org")));
    EXPECT_EQ(page(), "/RHEO/Messages.htm");
    ASSERT_EQ(handedOn.size(), 2u);
    EXPECT_EQ(handedOn[0], web);

    QTreeWidget& tree = *window.contentsTree();
    ASSERT_EQ(tree.topLevelItemCount(), 4);
    EXPECT_EQ(tree.topLevelItem(3)->text(0), "Messages and what to do");
    QTreeWidgetItem* calibration = tree.topLevelItem(1);
    ASSERT_EQ(calibration->childCount(), 5);
    EXPECT_EQ(calibration->child(2)->text(0), "Constants A and B");
    EXPECT_EQ(calibration->child(4)->text(0), "Calibration history and checks");

    QTest::mouseClick(tree.viewport(), Qt::LeftButton, Qt::NoModifier,
                      tree.visualItemRect(calibration->child(2)).center());
    EXPECT_EQ(page(), "/RHEO/Calculating_Constants.htm");
    ASSERT_TRUE(clickLink(*window.browser(), "Standard_Viscosities.htm"));
    EXPECT_EQ(tree.currentItem(), calibration->child(3));

    const QVariant picture = window.browser()->loadResource(
        QTextDocument::ImageResource, QUrl(QStringLiteral("images/ab_fit.png")));
    EXPECT_FALSE(picture.value<QImage>().isNull());
}

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
