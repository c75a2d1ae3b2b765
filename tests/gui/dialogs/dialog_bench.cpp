#include "dialog_bench.hpp"

#include "gui/widgets/extended_list_ctrl.hpp"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace rheo::testing {

Bench::Bench(CalibrationData data, int formCell)
    : clock(makeLocalDateTime(2014, 3, 5, 9, 7)), session(dialogs, clock, std::move(data)) {
    session.selectCell(formCell);
}

CalibrationData readyCalibration() {
    CalibrationData data;
    for (CellCalibration& cell : data.cells) {
        cell.capillaryRadius = 0.075;
        cell.workingShearRate = 1.4e6;
        cell.cellVolume = 6;
        cell.targetEffluxTime = 18;
    }
    return data;
}

bool showActive(QDialog& dialog) {
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    return QTest::qWaitForWindowActive(&dialog);
}

void typeAndLeave(QLineEdit& field, const QString& text) {
    field.setFocus(Qt::OtherFocusReason);
    field.selectAll();
    QTest::keyClicks(&field, text);
    QTest::keyClick(&field, Qt::Key_Tab);
}

void click(QAbstractButton& button) {
    QTest::mouseClick(&button, Qt::LeftButton);
}

void clickRow(CExtendedListCtrl& list, int row, Qt::KeyboardModifiers modifiers) {
    const QRect rect = list.visualRect(list.model()->index(row, 0));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, modifiers, rect.center());
    QApplication::processEvents(); // the list posts its recall
}

void expectColumns(const CExtendedListCtrl& list, const std::vector<ListColumn>& columns) {
    ASSERT_EQ(list.model()->columnCount(), static_cast<int>(columns.size()));
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const int column = static_cast<int>(i);
        const QString heading = QString::fromStdString(columns[i].heading);
        EXPECT_EQ(list.model()->headerData(column, Qt::Horizontal).toString(), heading);
        EXPECT_EQ(list.header()->sectionSize(column),
                  CExtendedListCtrl::columnWidth(list.font(), heading, columns[i].widthFactor));
    }
}

std::vector<std::string> shownRows(const CExtendedListCtrl& list) {
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

std::string shownText(const QLabel& label) {
    return label.text().toStdString();
}

} // namespace rheo::testing
