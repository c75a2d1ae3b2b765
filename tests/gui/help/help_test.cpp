// SPDX-License-Identifier: MIT
// Help: the help file and its window, and the launcher that opens them. The table of
// contents as sitemaps come in practice, the character sets of pages, the compiled help file
// whose every link and picture must resolve; the window as the operator uses it: links
// followed by a click, Back and Forward by button and key, the contents built from the file's
// table of contents, and links that leave the help file kept out of the window; and the
// launcher: every page the program opens is in the help file, a missing library is silent
// and not looked for twice, a missing file or page is told in the help window, the installed
// help file stands in for a missing one, one window serves every request.

#include "gui/help/chm_archive.hpp"
#include "gui/help/chm_contents.hpp"
#include "gui/help/chm_library.hpp"
#include "gui/help/chm_text.hpp"
#include "gui/help/help_browser.hpp"
#include "gui/help/help_file_check.hpp"
#include "gui/help/help_launcher.hpp"
#include "gui/help/help_pages.hpp"
#include "gui/help/help_window.hpp"
#include "support/temp_dir.hpp"
#include "window_test_support.hpp"

#include <QApplication>
#include <QBuffer>
#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QMessageBox>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolButton>
#include <QTreeWidget>
#include <QUrl>
#include <QtEndian>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <chrono>
#include <filesystem>

namespace rheo::testing {
namespace {

// The RHEO.chm compiled by this build, and a copy of it in `directory` as the program's
// directory would hold it; the launcher's help file check runs the window program built here.
std::string builtHelpFile() {
    return RHEO_BUILT_HELP_FILE;
}

std::string copyHelpFileInto(const std::string& directory) {
    const std::filesystem::path target = std::filesystem::path(directory) / "RHEO.chm";
    std::filesystem::copy_file(builtHelpFile(), target,
                               std::filesystem::copy_options::overwrite_existing);
    return target.string();
}

void checkWithTheWindowProgram(HelpLauncher& launcher) {
    launcher.helpFileCheck() = HelpFileCheck(QStringLiteral(RHEO_WINDOW_PROGRAM));
}

// Clicks the link with this target the way the operator does (scrolled into view; the
// browser's window must be shown); false when the page has no such link.
bool clickLink(QTextBrowser& browser, const QString& href) {
    QTextDocument* document = browser.document();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.charFormat().isAnchor() || fragment.charFormat().anchorHref() != href)
                continue;
            QTextCursor cursor(document);
            cursor.setPosition(fragment.position() + fragment.length() / 2);
            browser.setTextCursor(cursor);
            browser.ensureCursorVisible();
            const QRect place = browser.cursorRect(cursor);
            const QPoint point(place.left() + 2, place.center().y());
            // Through the window, as a click of the mouse comes: a window that a modal
            // dialog blocks does not get it.
            QWidget* window = browser.window();
            QTest::mouseClick(window->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                              browser.viewport()->mapTo(window, point));
            return true;
        }
    }
    return false;
}

bool messageBoxShown() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (qobject_cast<QMessageBox*>(widget) != nullptr && widget->isVisible())
            return true;
    }
    return false;
}

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

// Contents nested 50,000 lists deep keep every entry, the deeper ones at the deepest level.
TEST(Sitemap, DeepNestingStaysAtTheDeepestLevel) {
    const std::vector<ContentsEntry> contents = parseSitemap(
        QStringLiteral("<ul><li><object type=text/sitemap><param name=Name value=x></object>")
            .repeated(50'000));
    std::size_t depth = 0, entries = 0;
    for (auto* level = &contents; !level->empty(); level = &level->back().children, ++depth)
        entries += level->size();
    EXPECT_EQ(std::pair(depth, entries), std::pair(kDeepestContentsLevel, std::size_t{50'000}));
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
        ChmArchive::open(library, QString::fromStdString(builtHelpFile()));
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

// The number of topics at the top of the help window's contents.
int contentsTopics(const HelpWindow& window) {
    return control<QTreeWidget>(window, "Help contents").topLevelItemCount();
}

// A link clicked leads to its page; Back and Forward, by button and by Alt+Left and
// Alt+Right, retrace the way; Home leads to the first page. Links that leave the help file are
// handed on, not followed inside the window. The contents list the topics in the order of the
// table of contents; a topic clicked is shown, and the topic of the page shown is marked. The
// pictures of a page are read from the help file.
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
    EXPECT_FALSE(control<QToolButton>(window, "Back").isEnabled());
    ASSERT_TRUE(clickLink(*window.browser(), "Cell_Data.htm"));
    EXPECT_EQ(page(), "/RHEO/Cell_Data.htm");
    EXPECT_EQ(title(), "Cell data");
    EXPECT_FALSE(control<QToolButton>(window, "Forward").isEnabled());
    click(control<QToolButton>(window, "Back"));
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

    auto& tree = control<QTreeWidget>(window, "Help contents");
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
    click(control<QToolButton>(window, "Home"));
    EXPECT_EQ(page(), "/RHEO/Welcome.htm");

    const QVariant picture = window.browser()->loadResource(
        QTextDocument::ImageResource, QUrl(QStringLiteral("images/ab_fit.png?1")));
    EXPECT_FALSE(picture.value<QImage>().isNull());
    // Named again with another query or letter case it is the same picture, decoded once.
    EXPECT_EQ(window.browser()
                  ->loadResource(QTextDocument::ImageResource,
                                 QUrl(QStringLiteral("images/AB_FIT.png?2")))
                  .value<QImage>()
                  .cacheKey(),
              picture.value<QImage>().cacheKey());
    // A local file is no part of the help file: the page gets nothing from it.
    TempDir dir;
    picture.value<QImage>().save(QString::fromStdString(dir.file("local.png")));
    EXPECT_TRUE(window.browser()
                    ->document()
                    ->resource(QTextDocument::ImageResource,
                               QUrl::fromLocalFile(QString::fromStdString(dir.file("local.png"))))
                    .toByteArray()
                    .isEmpty());
}

// The pictures of a page take at most their allowance of memory: one too large for what is
// left is not decoded at all.
TEST(HelpWindow, PicturesAreDecodedOnlyWithinTheirAllowance) {
    QByteArray big;
    QBuffer buffer(&big);
    buffer.open(QIODevice::WriteOnly);
    QImage white(4000, 4000, QImage::Format_RGB32); // 64,000,000 bytes decoded
    white.fill(Qt::white);
    white.save(&buffer, "PNG");
    qint64 left = HelpBrowser::kImageBytesPerPage;
    EXPECT_EQ(boundedImage(big, left).size(), QSize(4000, 4000));
    EXPECT_EQ(left, HelpBrowser::kImageBytesPerPage - 64'000'000);
    EXPECT_TRUE(boundedImage(big, left).isNull());
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
    checkWithTheWindowProgram(launcher);
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
    checkWithTheWindowProgram(launcher);
    launcher.showHelpPage(helpPagePath(dir.path().string(), HelpPage::CellData));
    ASSERT_NE(launcher.helpWindow(), nullptr);
    QString text = launcher.helpWindow()->browser()->toPlainText();
    EXPECT_TRUE(text.contains("Help file not found")) << text.toStdString();
    EXPECT_TRUE(text.contains(QString::fromStdString(dir.file("RHEO.chm"))));
    EXPECT_EQ(contentsTopics(*launcher.helpWindow()), 0);
    // A pipe of that name is no help file (opening it would wait for a writer for ever).
    TempDir piped;
    ASSERT_EQ(::mkfifo(piped.file("RHEO.chm").c_str(), 0600), 0);
    launcher.showHelpPage(helpPagePath(piped.path().string(), HelpPage::CellData));
    EXPECT_TRUE(launcher.helpWindow()->browser()->toPlainText().contains("Help file not found"));

    const std::string own = copyHelpFileInto(dir.path().string());
    launcher.showHelpPage(own + "::/RHEO/No_Such_Page.htm");
    text = launcher.helpWindow()->browser()->toPlainText();
    EXPECT_TRUE(text.contains("Help page not found")) << text.toStdString();
    EXPECT_TRUE(text.contains("/RHEO/No_Such_Page.htm"));
    EXPECT_GT(contentsTopics(*launcher.helpWindow()), 0);
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
    checkWithTheWindowProgram(launcher);
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
    EXPECT_TRUE(control<QToolButton>(*first, "Back").isEnabled());
    ASSERT_TRUE(clickLink(*first->browser(), "Calculating_Cell_Volume_with_the_RHEO.htm"));
    EXPECT_EQ(first->browser()->currentPage(), "/RHEO/Calculating_Cell_Volume_with_the_RHEO.htm");
    dialog.hide();
}

// Where an object of the undamaged help file starts: its section's start (in the file's
// header) and its place in the section, as chmlib resolves it.
qint64 placeInFile(const QByteArray& file, const char* objectPath) {
    ChmLibrary library;
    chmFile* opened = library.load() ? library.open(builtHelpFile().c_str()) : nullptr;
    chmUnitInfo info{};
    EXPECT_EQ(library.resolveObject(opened, objectPath, &info), CHM_RESOLVE_SUCCESS);
    library.close(opened);
    return qFromLittleEndian<qint64>(file.constData() + 0x58) + qint64(info.start);
}

// Copies of the program's own help file, cut short or with a byte that makes chmlib divide
// by zero, overrun the heap or follow a wild pointer: help says the file is damaged, and this
// process, which died reading them before, lives on. The undamaged file is shown again.
TEST(HelpFileCheck, ADamagedHelpFileFailsOnlyHelp) {
    QFile built(QString::fromStdString(builtHelpFile()));
    ASSERT_TRUE(built.open(QIODevice::ReadOnly));
    const QByteArray good = built.readAll();
    const qint64 reset = placeInFile(good, "::DataSpace/Storage/MSCompressed/Transform/"
                                           "{7FC28940-9D31-11D0-9B27-00A0C91E9C7C}/"
                                           "InstanceData/ResetTable");
    const qint64 control = placeInFile(good, "::DataSpace/Storage/MSCompressed/ControlData");
    const QByteArray damaged[] = {good.left(good.size() / 3),
                                  QByteArray(good).replace(reset + 33, 1, "\x00", 1),
                                  QByteArray(good).replace(reset + 50, 1, "\xff", 1),
                                  QByteArray(good).replace(control + 8, 1, "\x00", 1)};
    TempDir dir;
    HelpLauncher launcher;
    checkWithTheWindowProgram(launcher);
    for (const QByteArray& bytes : damaged) {
        dir.write("RHEO.chm", bytes.toStdString());
        launcher.showHelpPage(helpPagePath(dir.path().string(), HelpPage::Welcome));
        EXPECT_TRUE(
            launcher.helpWindow()->browser()->toPlainText().startsWith("Help file damaged"));
        EXPECT_EQ(contentsTopics(*launcher.helpWindow()), 0);
    }
    copyHelpFileInto(dir.path().string());
    launcher.showHelpPage(helpPagePath(dir.path().string(), HelpPage::CellData));
    EXPECT_EQ(launcher.helpWindow()->browser()->documentTitle(), "Cell data");
}

// A file is checked once as it is (path, time and size), and the check is ended at its time
// limit: a page that would take minutes to lay out no longer freezes the program.
TEST(HelpFileCheck, RunsOncePerVersionOfTheFileWithinItsTimeLimit) {
    TempDir dir;
    const QString file = QString::fromStdString(copyHelpFileInto(dir.path().string()));
    const auto script = [&](const char* name, const std::string& body) {
        const std::string path = dir.write(name, "#!/bin/sh\n" + body + "\n");
        std::filesystem::permissions(path, std::filesystem::perms::owner_all);
        return QString::fromStdString(path);
    };
    HelpFileCheck check(script("passes", "exit 0"));
    EXPECT_TRUE(check.passed(file) && check.passed(file) && check.checksRun() == 1);
    std::filesystem::last_write_time(
        file.toStdString(), std::filesystem::file_time_type::clock::now() + std::chrono::hours(1));
    EXPECT_TRUE(check.passed(file) && check.checksRun() == 2);
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(HelpFileCheck(script("hangs", "exec sleep 60"), 500).passed(file));
    EXPECT_LT(clock.elapsed(), 10'000);
}

} // namespace
} // namespace rheo::testing
