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
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace rheo::testing {
namespace {

class HelpWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::unique_ptr<ChmArchive> archive =
            ChmArchive::open(library_, QString::fromStdString(builtHelpFile()));
        ASSERT_NE(archive, nullptr);
        window_.openFile(std::move(archive));
        window_.show();
        window_.showPage("/RHEO/Welcome.htm");
    }
    QString page() const { return window_.browser()->currentPage(); }
    QString title() const { return window_.browser()->documentTitle(); }

    ChmLibrary library_;
    HelpWindow window_;
};

// A link clicked leads to its page; Back and Forward, by button and by Alt+Left and
// Alt+Right, retrace the way. Links that leave the help file are handed on, not followed
// inside the window. The pictures of a page are read from the help file.
TEST_F(HelpWindowTest, LinksLeadToTheirPagesBackAndForwardRetraceTheWay) {
    EXPECT_FALSE(window_.backAction()->isEnabled());
    ASSERT_TRUE(clickLink(*window_.browser(), "Cell_Data.htm"));
    EXPECT_EQ(page(), "/RHEO/Cell_Data.htm");
    EXPECT_EQ(title(), "Cell data");
    EXPECT_FALSE(window_.forwardAction()->isEnabled());
    QTest::mouseClick(window_.findChild<QToolBar*>()->widgetForAction(window_.backAction()),
                      Qt::LeftButton);
    EXPECT_EQ(page(), "/RHEO/Welcome.htm");
    QTest::keyClick(window_.browser(), Qt::Key_Right, Qt::AltModifier);
    EXPECT_EQ(page(), "/RHEO/Cell_Data.htm");
    QTest::keyClick(window_.browser(), Qt::Key_Left, Qt::AltModifier);
    EXPECT_EQ(title(), "Welcome to the Vantor Viscosity Calculator");

    ASSERT_TRUE(clickLink(*window_.browser(), "#timer")); // a part of the page
    EXPECT_EQ(page(), "/RHEO/Welcome.htm");
    EXPECT_GT(window_.browser()->verticalScrollBar()->value(), 0);
    emit window_.browser()->anchorClicked(QUrl(QStringLiteral("RHEO.chm::/RHEO/Messages.htm")));
    EXPECT_EQ(page(), "/RHEO/Messages.htm");

    std::vector<QUrl> handedOn;
    window_.browser()->setExternalLinkHandler([&](const QUrl& url) { handedOn.push_back(url); });
    const QUrl web(QStringLiteral("https://example.org/oils"));
    emit window_.browser()->anchorClicked(web);
    emit window_.browser()->anchorClicked(QUrl(QStringLiteral("mailto:lab@example.org")));
    EXPECT_EQ(page(), "/RHEO/Messages.htm");
    ASSERT_EQ(handedOn.size(), 2u);
    EXPECT_EQ(handedOn[0], web);

    window_.showPage("/RHEO/Calculating_Constants.htm");
    const QVariant picture = window_.browser()->loadResource(
        QTextDocument::ImageResource, QUrl(QStringLiteral("images/ab_fit.png")));
    EXPECT_FALSE(picture.value<QImage>().isNull());
}

// The contents list the topics in the order of the table of contents; a topic clicked is
// shown, and the topic of the page shown is marked.
TEST_F(HelpWindowTest, TheContentsFollowTheTableOfContents) {
    QTreeWidget& tree = *window_.contentsTree();
    ASSERT_EQ(tree.topLevelItemCount(), 4);
    EXPECT_EQ(tree.topLevelItem(3)->text(0), "Messages and what to do");
    QTreeWidgetItem* calibration = tree.topLevelItem(1);
    ASSERT_EQ(calibration->childCount(), 4);
    EXPECT_EQ(calibration->child(2)->text(0), "Constants A and B");

    QTest::mouseClick(tree.viewport(), Qt::LeftButton, Qt::NoModifier,
                      tree.visualItemRect(calibration->child(2)).center());
    EXPECT_EQ(page(), "/RHEO/Calculating_Constants.htm");
    ASSERT_TRUE(clickLink(*window_.browser(), "Standard_Viscosities.htm"));
    EXPECT_EQ(tree.currentItem(), calibration->child(3));
}

} // namespace
} // namespace rheo::testing
