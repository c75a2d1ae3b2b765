#include "gui/dialogs/dialog_fields.hpp"

#include "gui/dialogs/calibration_dialog.hpp"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionFrame>

namespace rheo {

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
