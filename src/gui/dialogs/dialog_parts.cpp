#include "gui/dialogs/point_dialog_parts.hpp"

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
#include <QPushButton>
#include <QStyle>

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

QString accessibleNameOfCaption(const QString& caption) {
    QString name = caption.trimmed();
    if (name.endsWith(QLatin1Char(':')))
        name.chop(1);
    return name.trimmed();
}

QLabel* addCaption(QBoxLayout& row, const QString& caption, QWidget* control) {
    QLabel* label = plainLabel(caption);
    label->setBuddy(control);
    control->setAccessibleName(accessibleNameOfCaption(caption));
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
    value->setAccessibleDescription(accessibleNameOfCaption(caption));
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

} // namespace rheo
