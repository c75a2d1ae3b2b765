// SPDX-License-Identifier: MIT
#include "window_test_support.hpp"

#include "gui/widgets/extended_list_ctrl.hpp"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>

#include <algorithm>

namespace rheo::testing {

bool RecordingReports::print(const ReportDrawing& draw, std::string&, QWidget*) {
    return record("print", draw);
}

void RecordingReports::preview(const ReportDrawing& draw, QWidget*) {
    record("preview", draw);
}

bool RecordingReports::exportPdf(const std::string& path, const ReportDrawing& draw, std::string&) {
    return record("pdf " + path, draw);
}

bool RecordingReports::record(const std::string& call, const ReportDrawing& draw) {
    calls.push_back(call);
    lastReport = RecordingSurface();
    draw(lastReport);
    return true;
}

QAction* menuAction(QMenuBar* bar, const std::vector<QString>& path) {
    QList<QAction*> actions = bar->actions();
    QAction* found = nullptr;
    for (const QString& text : path) {
        const auto at = std::find_if(actions.begin(), actions.end(),
                                     [&](QAction* action) { return action->text() == text; });
        if (at == actions.end())
            return nullptr;
        found = *at;
        if (found->menu() != nullptr)
            actions = found->menu()->actions();
    }
    return found;
}

bool showActive(QWidget& window) {
    window.show();
    QApplication::setActiveWindow(&window);
    return QTest::qWaitForWindowActive(&window);
}

QWidget* named(const QWidget& window, const QString& accessibleName) {
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (widget->accessibleName() == accessibleName)
            return widget;
    }
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (widget->accessibleName().isEmpty() && widget->accessibleDescription() == accessibleName)
            return widget;
    }
    ADD_FAILURE() << "no control named " << accessibleName.toStdString();
    return nullptr;
}

void typeInto(QLineEdit& field, const QString& text) {
    field.setFocus(Qt::MouseFocusReason);
    field.selectAll();
    QTest::keyClick(&field, Qt::Key_Delete);
    const bool ascii =
        std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
    // QTest has keys for ASCII only; other characters arrive as an input method sends them.
    if (ascii)
        QTest::keyClicks(&field, text);
    else
        field.insert(text);
}

void typeAndLeave(QLineEdit& field, const QString& text) {
    typeInto(field, text);
    QTest::keyClick(&field, Qt::Key_Tab);
}

void click(QWidget& control) {
    QTest::mouseClick(&control, Qt::LeftButton, Qt::NoModifier, control.rect().center());
}

void press(QWidget& control, Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QTest::keyClick(&control, key, modifiers);
    QApplication::processEvents();
}

void switchCell(QWidget& control, bool forward) {
    QTest::keyClick(&control, forward ? Qt::Key_Tab : Qt::Key_Backtab,
                    Qt::ControlModifier | (forward ? Qt::NoModifier : Qt::ShiftModifier));
}

void clickRow(CExtendedListCtrl& list, int row, Qt::KeyboardModifiers modifiers) {
    const QModelIndex index = list.model()->index(row, 0);
    list.scrollTo(index);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, modifiers, list.visualRect(index).center());
    QApplication::processEvents();
}

std::vector<std::string> tabWalk(QWidget& first, int steps) {
    first.setFocus(Qt::TabFocusReason);
    std::vector<std::string> names;
    for (int step = 0; step <= steps; ++step) {
        QWidget* focus = QApplication::focusWidget();
        names.push_back(focus ? focus->accessibleName().toStdString() : "(none)");
        if (focus != nullptr && step < steps)
            QTest::keyClick(focus, Qt::Key_Tab);
    }
    return names;
}

std::vector<std::string> shownRows(const QAbstractItemView& list) {
    std::vector<std::string> rows;
    const QAbstractItemModel* model = list.model();
    for (int row = 0; row < model->rowCount(); ++row) {
        QStringList texts;
        for (int column = 0; column < model->columnCount(); ++column)
            texts << model->index(row, column).data().toString();
        rows.push_back(texts.join(QLatin1Char('|')).toStdString());
    }
    return rows;
}

} // namespace rheo::testing
