// The help window as the operator uses it: links followed by a click, Back and Forward by
// button and key, the contents built from the file's table of contents, and links that
// leave the help file kept out of the window.

#include "gui/platform/help_window.hpp"

#include "gui/platform/chm_archive.hpp"
#include "gui/platform/chm_library.hpp"
#include "gui/platform/help_browser.hpp"
#include "gui/platform/help_test_support.hpp"

#include <QAction>
#include <QImage>
#include <QScrollBar>
#include <QTest>
#include <QTextDocument>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <vector>

namespace rheo {
namespace {

using testing::builtHelpFile;
using testing::clickLink;

class HelpWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::unique_ptr<ChmArchive> archive =
            ChmArchive::open(library_, QString::fromStdString(builtHelpFile()));
        ASSERT_NE(archive, nullptr);
        window_.openFile(std::move(archive));
        window_.show();
    }

    QToolButton* buttonOf(QAction* action) {
        auto* toolBar = window_.findChild<QToolBar*>();
        return qobject_cast<QToolButton*>(toolBar->widgetForAction(action));
    }

    QString page() const { return window_.browser()->currentPage(); }
    QString title() const { return window_.browser()->documentTitle(); }

    ChmLibrary library_;
    HelpWindow window_;
};

TEST_F(HelpWindowTest, ALinkClickedLeadsToItsPageAndBackAndForwardRetraceTheWay) {
    window_.showPage("/RHEO/Welcome.htm");
    EXPECT_FALSE(window_.backAction()->isEnabled());

    ASSERT_TRUE(clickLink(*window_.browser(), "Cell_Data.htm"));
    EXPECT_EQ(page(), "/RHEO/Cell_Data.htm");
    EXPECT_EQ(title(), "Cell data");
    ASSERT_TRUE(window_.backAction()->isEnabled());
    EXPECT_FALSE(window_.forwardAction()->isEnabled());

    QTest::mouseClick(buttonOf(window_.backAction()), Qt::LeftButton);
    EXPECT_EQ(page(), "/RHEO/Welcome.htm");
    EXPECT_TRUE(window_.forwardAction()->isEnabled());

    QTest::keyClick(window_.browser(), Qt::Key_Right, Qt::AltModifier);
    EXPECT_EQ(page(), "/RHEO/Cell_Data.htm");

    QTest::keyClick(window_.browser(), Qt::Key_Left, Qt::AltModifier);
    EXPECT_EQ(page(), "/RHEO/Welcome.htm");
    EXPECT_EQ(title(), "Welcome to the Vantor Viscosity Calculator");
}

TEST_F(HelpWindowTest, ALinkToAPartOfAPageStaysOnThePage) {
    window_.showPage("/RHEO/Welcome.htm");

    ASSERT_TRUE(clickLink(*window_.browser(), "#timer"));

    EXPECT_EQ(page(), "/RHEO/Welcome.htm");
    EXPECT_EQ(window_.browser()->source().fragment(), "timer");
    EXPECT_GT(window_.browser()->verticalScrollBar()->value(), 0);
}

TEST_F(HelpWindowTest, PicturesOfAPageAreReadFromTheHelpFile) {
    window_.showPage("/RHEO/Calculating_Constants.htm");

    const QVariant picture = window_.browser()->loadResource(
        QTextDocument::ImageResource, QUrl(QStringLiteral("images/ab_fit.png")));

    ASSERT_TRUE(picture.canConvert<QImage>());
    EXPECT_FALSE(picture.value<QImage>().isNull());
}

std::vector<QString> titles(const QTreeWidgetItem* parent, const QTreeWidget& tree) {
    std::vector<QString> result;
    const int count = parent != nullptr ? parent->childCount() : tree.topLevelItemCount();
    for (int i = 0; i < count; ++i)
        result.push_back((parent != nullptr ? parent->child(i) : tree.topLevelItem(i))->text(0));
    return result;
}

TEST_F(HelpWindowTest, TheContentsListTheTopicsInTheOrderOfTheTableOfContents) {
    const QTreeWidget& tree = *window_.contentsTree();

    EXPECT_EQ(titles(nullptr, tree),
              (std::vector<QString>{"Welcome", "Calibration and settings", "Files and reports",
                                    "Messages and what to do"}));
    EXPECT_EQ(titles(tree.topLevelItem(1), tree),
              (std::vector<QString>{"Cell data", "Cell volume and T0", "Constants A and B",
                                    "Standard viscosities"}));
}

TEST_F(HelpWindowTest, ATopicClickedInTheContentsIsShownAndThePageShownIsMarked) {
    window_.showPage("/RHEO/Welcome.htm");
    QTreeWidget& tree = *window_.contentsTree();
    QTreeWidgetItem* constants = tree.topLevelItem(1)->child(2);

    const QRect place = tree.visualItemRect(constants);
    QTest::mouseClick(tree.viewport(), Qt::LeftButton, Qt::NoModifier, place.center());

    EXPECT_EQ(page(), "/RHEO/Calculating_Constants.htm");
    EXPECT_EQ(title(), "Constants A and B");

    ASSERT_TRUE(clickLink(*window_.browser(), "Standard_Viscosities.htm"));
    EXPECT_EQ(page(), "/RHEO/Standard_Viscosities.htm");
    EXPECT_EQ(tree.currentItem(), tree.topLevelItem(1)->child(3));
}

TEST_F(HelpWindowTest, LinksLeavingTheHelpFileAreNotFollowedInsideTheWindow) {
    window_.showPage("/RHEO/Cell_Data.htm");
    std::vector<QUrl> handedOn;
    window_.browser()->setExternalLinkHandler([&](const QUrl& url) { handedOn.push_back(url); });

    emit window_.browser()->anchorClicked(QUrl(QStringLiteral("https://example.org/oils")));
    emit window_.browser()->anchorClicked(QUrl(QStringLiteral("mailto:lab@example.org")));

    EXPECT_EQ(page(), "/RHEO/Cell_Data.htm");
    EXPECT_EQ(title(), "Cell data");
    ASSERT_EQ(handedOn.size(), 2u);
    EXPECT_EQ(handedOn[0], QUrl(QStringLiteral("https://example.org/oils")));
}

TEST_F(HelpWindowTest, ALinkNamingTheHelpFileAndAPageOpensThatPage) {
    window_.showPage("/RHEO/Welcome.htm");

    emit window_.browser()->anchorClicked(QUrl(QStringLiteral("RHEO.chm::/RHEO/Messages.htm")));

    EXPECT_EQ(page(), "/RHEO/Messages.htm");
}

} // namespace
} // namespace rheo
