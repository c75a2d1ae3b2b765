#pragma once
// The pieces the calibration dialogs lay out the same way: a field's label and unit, the
// closing buttons, number fields a few characters wide and the keyboard's tab order.

#include <QString>

#include <initializer_list>

class QHBoxLayout;
class QLabel;
class QLineEdit;
class QWidget;

namespace rheo {

class CalibrationDialogBase;

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

} // namespace rheo
