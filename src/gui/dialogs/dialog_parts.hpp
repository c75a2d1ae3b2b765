// SPDX-License-Identifier: MIT
#pragma once
// What the calibration dialogs build alike: labels that name their fields, units, number
// fields checked by their rules when they are left, value labels, the closing buttons, the
// keyboard's tab order, and the notice shown once the dialog shows the change that made it
// due.

#include "core/model/field_rules.hpp"
#include "core/seams/user_dialogs.hpp"
#include "gui/dialogs/calibration_dialog.hpp"
#include "gui/widgets/list_column.hpp"

#include <QObject>
#include <QString>

#include <array>
#include <cstddef>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class QAbstractButton;
class QBoxLayout;
class QDialog;
class QFrame;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace rheo {

class CExtendedListCtrl;
class CalibrationDialogBase;
class NumberEdit;
class RowTextsModel;

// Titles the dialog and lays out `content` above its OK, Cancel and Help buttons.
void layOutCalibrationDialog(CalibrationDialogBase& dialog, const QString& title, QWidget& content);

// A push button named for its text.
QPushButton* newNamedButton(const QString& text);

// The label's text without its closing colon and blanks ("Company Name :" gives
// "Company Name"): the name a screen reader gives the field.
QString fieldNameOf(const QString& label);

// A label shown as typed (two blanks stay two blanks) that names `field` for screen
// readers.
QLabel* fieldLabel(const QString& text, QWidget* field);
// The unit shown after `field`; it also describes the field to screen readers.
QLabel* unitLabel(const QString& text, QWidget* field);

// A field wide enough for about `characters` digits in its font.
void setWidthInCharacters(QLineEdit& field, int characters);

// OK, Cancel and Help side by side at the right, OK drawn as the default button.
QHBoxLayout* closingButtonRow(const CalibrationDialogBase& dialog);

// Tab and Shift+Tab go through the widgets in the order given.
void chainTabOrder(std::initializer_list<QWidget*> widgets);

// A caption in front of `control` (its buddy, which takes the caption's name).
QLabel* addCaption(QBoxLayout& row, const QString& caption, QWidget* control);

// Caption, number field and unit (none when `unit` is empty), in that order, in `row`.
NumberEdit* addNumberField(QBoxLayout& row, const QString& caption, const QString& unit);

// Caption and the label that shows a value of the cell, wide enough for `widestValue`; the
// value is what a screen reader reads of it, the caption its description.
QLabel* addValueLabel(QBoxLayout& row, const QString& caption, const QString& widestValue);

// The framed line under a points list that holds its value labels.
QFrame* newValueFrame();

// The number fields of a dialog. Each is checked by its rule when it is left: a refused
// value is told, the value held before comes back and the focus returns to the field.
class CheckedNumberFields : public QObject {
    Q_OBJECT

public:
    // A field left while the dialog is closing, or for its Cancel button, is not checked:
    // the edits are being thrown away.
    CheckedNumberFields(CalibrationDialogBase& dialog, UserDialogs& dialogs);

    void add(NumberEdit& field, NumberField rule);
    // Takes every field typed into and not left since (a button pressed without taking the
    // focus leaves no field). False when one was refused.
    bool takeTyped();

private:
    bool take(NumberEdit& field, NumberField rule);

    CalibrationDialogBase& dialog_;
    UserDialogs& dialogs_;
    std::vector<std::pair<NumberEdit*, NumberField>> fields_;
};

// The list shows `model`'s rows at their columns' widths; the Delete key and the context
// menu's "Delete" call `deleteSelected`.
void setUpPointList(CExtendedListCtrl& list, RowTextsModel& model, QWidget& owner,
                    std::function<void()> deleteSelected);

// The dialog is repainted, so that the list and labels show the change; then the notice is
// told when it is due.
void showNoticeWhenDue(QWidget& dialog, UserDialogs& dialogs, bool due, std::string_view notice);

} // namespace rheo
