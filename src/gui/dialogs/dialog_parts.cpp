// SPDX-License-Identifier: MIT
#include "gui/dialogs/dialog_parts.hpp"

#include "gui/dialogs/calibration_dialog.hpp"
#include "gui/widgets/extended_list_ctrl.hpp"
#include "gui/widgets/number_edit.hpp"
#include "gui/widgets/row_texts_model.hpp"

#include <QAbstractButton>
#include <QApplication>
#include <QBoxLayout>
#include <QDialog>
#include <QFontMetrics>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionFrame>

#include <string>

namespace rheo {
namespace {

// Enough room for a few digits typed beyond the values the fields start with.
constexpr int kNumberFieldCharacters = 9;
// Rows a points list shows without scrolling.
constexpr int kRowsInSight = 8;

QLabel* plainLabel(const QString& text) {
    auto* label = new QLabel(text);
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

void layOutCalibrationDialog(CalibrationDialogBase& dialog, const QString& title,
                             QWidget& content) {
    dialog.setWindowTitle(title);
    dialog.setAccessibleName(title);
    dialog.setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (QPushButton* button : {dialog.okButton(), dialog.cancelButton(), dialog.helpButton()})
        buttons->addWidget(button);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(&content, 1);
    layout->addLayout(buttons);
}

QPushButton* newNamedButton(const QString& text) {
    auto* button = new QPushButton(text);
    button->setAccessibleName(text);
    return button;
}

QLabel* addCaption(QBoxLayout& row, const QString& caption, QWidget* control) {
    QLabel* label = fieldLabel(caption, control);
    row.addWidget(label);
    return label;
}

NumberEdit* addNumberField(QBoxLayout& row, const QString& caption, const QString& unit) {
    auto* field = new NumberEdit;
    const QFontMetrics metrics(field->font());
    field->setMinimumWidth(metrics.horizontalAdvance(QLatin1Char('0')) * kNumberFieldCharacters);
    field->setMaximumWidth(field->minimumWidth() * 3 / 2);
    addCaption(row, caption, field);
    row.addWidget(field, 1);
    if (!unit.isEmpty()) {
        field->setAccessibleDescription(unit);
        row.addWidget(plainLabel(unit));
    }
    return field;
}

QLabel* addValueLabel(QBoxLayout& row, const QString& caption, const QString& widestValue) {
    QLabel* value = plainLabel(QString());
    value->setMinimumWidth(value->fontMetrics().horizontalAdvance(widestValue));
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // A screen reader reads the value it shows, the caption after it (by the label too).
    QLabel* label = plainLabel(caption);
    label->setBuddy(value);
    value->setAccessibleDescription(fieldNameOf(caption));
    row.addWidget(label);
    row.addWidget(value);
    return value;
}

QFrame* newValueFrame() {
    auto* frame = new QFrame;
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(QFrame::Sunken);
    return frame;
}

CheckedNumberFields::CheckedNumberFields(CalibrationDialogBase& dialog, UserDialogs& dialogs)
    : QObject(&dialog), dialog_(dialog), dialogs_(dialogs) {}

void CheckedNumberFields::add(NumberEdit& field, NumberField rule) {
    fields_.emplace_back(&field, rule);
    connect(&field, &NumberEdit::focusLeft, this, [this, &field, rule] {
        if (!dialog_.isClosing())
            take(field, rule);
    });
}

bool CheckedNumberFields::takeTyped() {
    for (const auto& [field, rule] : fields_)
        if (field->isModified() && !take(*field, rule))
            return false;
    return true;
}

bool CheckedNumberFields::take(NumberEdit& field, NumberField rule) {
    const bool accepted = takeNumberEdit(field, rule, dialogs_).has_value();
    field.setModified(false);
    return accepted;
}

void setUpPointList(CExtendedListCtrl& list, RowTextsModel& model, QWidget& owner,
                    std::function<void()> deleteSelected) {
    list.setModel(&model);
    list.setColumns(model.columns());
    // Every column in sight, with room for the scroll bar.
    int width = 2 * list.frameWidth() + list.style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    for (int column = 0; column < model.columnCount(); ++column)
        width += list.header()->sectionSize(column);
    list.setMinimumWidth(width);
    // Room for a calibration's usual handful of rows under the headings.
    list.setMinimumHeight(list.header()->sizeHint().height() + 2 * list.frameWidth() +
                          kRowsInSight * (list.fontMetrics().height() + 2));
    QObject::connect(&list, &CExtendedListCtrl::deleteRequested, &owner, deleteSelected);
    QObject::connect(&list, &QWidget::customContextMenuRequested, &owner,
                     [&list, &owner, deleteSelected](const QPoint& pos) {
                         if (list.ShowDeleteMenu(&owner, list.viewport()->mapToGlobal(pos)))
                             deleteSelected();
                     });
}

void showNoticeWhenDue(QWidget& dialog, UserDialogs& dialogs, bool due, std::string_view notice) {
    dialog.repaint();
    if (due)
        dialogs.inform(std::string(notice));
}

QString fieldNameOf(const QString& label) {
    QString name = label.trimmed();
    while (name.endsWith(QLatin1Char(':')))
        name = name.chopped(1).trimmed();
    return name;
}

QLabel* fieldLabel(const QString& text, QWidget* field) {
    auto* label = new QLabel(text);
    label->setTextFormat(Qt::PlainText);
    label->setBuddy(field);
    field->setAccessibleName(fieldNameOf(text));
    return label;
}

QLabel* unitLabel(const QString& text, QWidget* field) {
    auto* label = new QLabel(text);
    label->setTextFormat(Qt::PlainText);
    field->setAccessibleDescription(text);
    return label;
}

void setWidthInCharacters(QLineEdit& field, int characters) {
    // As the line edit sizes itself: the text's width, then the style's frame around it.
    QStyleOptionFrame option;
    option.initFrom(&field);
    option.lineWidth =
        field.hasFrame() ? field.style()->pixelMetric(QStyle::PM_DefaultFrameWidth) : 0;
    const QMargins margins = field.textMargins();
    const int textWidth =
        field.fontMetrics().horizontalAdvance(QString(characters, QLatin1Char('0'))) +
        margins.left() + margins.right() + 4;
    const QSize size = field.style()->sizeFromContents(
        QStyle::CT_LineEdit, &option, QSize(textWidth, field.sizeHint().height()), &field);
    field.setFixedWidth(size.width());
}

QHBoxLayout* closingButtonRow(const CalibrationDialogBase& dialog) {
    // OK is drawn as the default button, as dialogs show it, although Enter does nothing
    // here; a focused button still takes Enter itself.
    auto* row = new QHBoxLayout;
    // Its own spacing: a row inside a tight layout would otherwise inherit none.
    const int spacing =
        dialog.style()->pixelMetric(QStyle::PM_LayoutHorizontalSpacing, nullptr, &dialog);
    row->setSpacing(spacing > 0 ? spacing : dialog.fontMetrics().averageCharWidth());
    row->addStretch(1);
    row->addWidget(dialog.okButton());
    row->addWidget(dialog.cancelButton());
    row->addWidget(dialog.helpButton());
    return row;
}

void chainTabOrder(std::initializer_list<QWidget*> widgets) {
    QWidget* previous = nullptr;
    for (QWidget* widget : widgets) {
        if (previous != nullptr)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

} // namespace rheo
