// SPDX-License-Identifier: MIT
#include "gui/dialogs/settings_dialog.hpp"

#include "core/files/calibration_lines.hpp"
#include "gui/dialogs/dialog_parts.hpp"
#include "gui/platform/qt_text.hpp"
#include "gui/widgets/number_edit.hpp"

#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace rheo {
namespace {

constexpr int kTextFieldCharacters = 32;
constexpr int kNumberFieldCharacters = 6;

} // namespace

SettingsDialog::SettingsDialog(Session& session, HelpLauncher& help, QWidget* parent)
    : CalibrationDialogBase(session, help, CalibrationDialog::GeneralSettings, HelpPage::Overview,
                            parent),
      companyName_(new QLineEdit(this)), serialNumber_(new QLineEdit(this)),
      temperature_(new NumberEdit(this, true)), timerMinutes_(new NumberEdit(this, true)) {
    setWindowTitle(QStringLiteral("General Settings"));

    const CalibrationData& settings = edit().data();
    companyName_->setText(toQt(settings.companyName));
    serialNumber_->setText(toQt(settings.serialNumber));
    temperature_->showValue(settings.operatingTemperature);
    timerMinutes_->showValue(settings.equilibriumTimerMinutes);
    for (QLineEdit* field : {companyName_, serialNumber_}) {
        field->setMinimumWidth(field->fontMetrics().horizontalAdvance(
            QString(kTextFieldCharacters, QLatin1Char('x'))));
        field->installEventFilter(this);
        keepToWindows1252(*field);
    }
    for (NumberEdit* field : {temperature_, timerMinutes_}) {
        setWidthInCharacters(*field, kNumberFieldCharacters);
        connect(field, &NumberEdit::focusLeft, this, [this, field] { takeNumber(field); });
    }

    auto* fields = new QGridLayout;
    fields->addWidget(fieldLabel(QStringLiteral("Company Name :"), companyName_), 0, 0);
    fields->addWidget(companyName_, 0, 1, 1, 2);
    fields->addWidget(fieldLabel(QStringLiteral("Serial Number :"), serialNumber_), 1, 0);
    fields->addWidget(serialNumber_, 1, 1, 1, 2);
    fields->addWidget(fieldLabel(QStringLiteral("Operating Temperature :"), temperature_), 2, 0);
    fields->addWidget(temperature_, 2, 1);
    fields->addWidget(unitLabel(QStringLiteral("°C"), temperature_), 2, 2);
    // The longest label has its colon on its own, one blank after it like the others.
    auto* timerLabel = new QHBoxLayout;
    timerLabel->setSpacing(fontMetrics().horizontalAdvance(QLatin1Char(' ')));
    timerLabel->addWidget(
        fieldLabel(QStringLiteral("Temperature Equilibrium Timer Duration"), timerMinutes_));
    timerLabel->addWidget(new QLabel(QStringLiteral(":")));
    timerLabel->addStretch(1);
    fields->addLayout(timerLabel, 3, 0);
    fields->addWidget(timerMinutes_, 3, 1);
    fields->addWidget(unitLabel(QStringLiteral("Minutes"), timerMinutes_), 3, 2);
    fields->setColumnStretch(2, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addSpacing(layout->spacing() * 2);
    layout->addLayout(closingButtonRow(*this));
    layout->setSizeConstraint(QLayout::SetFixedSize);

    chainTabOrder({companyName_, serialNumber_, temperature_, timerMinutes_, okButton(),
                   cancelButton(), helpButton()});
    companyName_->setFocus();
}

SettingsDialog::~SettingsDialog() {
    // The fields may still lose the focus while the dialog goes.
    companyName_->removeEventFilter(this);
    serialNumber_->removeEventFilter(this);
    temperature_->disconnect(this);
    timerMinutes_->disconnect(this);
}

bool SettingsDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
        if (watched == companyName_ || watched == serialNumber_)
            takeText(static_cast<QLineEdit*>(watched));
    }
    return CalibrationDialogBase::eventFilter(watched, event);
}

void SettingsDialog::takeText(QLineEdit* field) {
    if (isClosing())
        return; // closed: the calibration is no longer this dialog's to change
    const bool company = field == companyName_;
    const std::string typed = fromQt(field->text());
    // Each text fills one line of the calibration file: a line break or a text too long for
    // it is refused here, as rheo-cli refuses it, and the previous text comes back.
    if (const auto refusal =
            fileTextRefusal(company ? FileText::CompanyName : FileText::SerialNumber, typed)) {
        const CalibrationData& settings = edit().data();
        field->setText(toQt(company ? settings.companyName : settings.serialNumber));
        field->setFocus(Qt::OtherFocusReason);
        dialogs().inform(*refusal);
        // The message box took the focus; it comes back to the field.
        field->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (company)
        edit().setCompanyName(typed);
    else
        edit().setSerialNumber(typed);
}

void SettingsDialog::takeNumber(NumberEdit* field) {
    if (isClosing())
        return;
    const NumberField rule = field == temperature_ ? NumberField::OperatingTemperature
                                                   : NumberField::EquilibriumTimerMinutes;
    const std::optional<double> value = takeNumberEdit(*field, rule, dialogs());
    if (!value)
        return;
    if (field == temperature_)
        edit().setOperatingTemperature(*value);
    else
        edit().setEquilibriumTimerMinutes(*value);
}

} // namespace rheo
