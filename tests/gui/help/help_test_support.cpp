// SPDX-License-Identifier: MIT
#include "gui/help/help_test_support.hpp"

#include "gui/help/help_launcher.hpp"

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QWindow>

#include <filesystem>

namespace rheo::testing {

std::string builtHelpFile() {
    return RHEO_BUILT_HELP_FILE;
}

void checkWithTheWindowProgram(HelpLauncher& launcher) {
    launcher.helpFileCheck() = HelpFileCheck(QStringLiteral(RHEO_WINDOW_PROGRAM));
}

std::string copyHelpFileInto(const std::string& directory) {
    const std::filesystem::path target = std::filesystem::path(directory) / "RHEO.chm";
    std::filesystem::copy_file(builtHelpFile(), target,
                               std::filesystem::copy_options::overwrite_existing);
    return target.string();
}

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

} // namespace rheo::testing
