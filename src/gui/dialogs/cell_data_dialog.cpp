// SPDX-License-Identifier: MIT
#include "gui/dialogs/cell_data_dialog.hpp"

#include "core/calibration/cell_data.hpp"
#include "gui/dialogs/dialog_parts.hpp"
#include "gui/widgets/number_edit.hpp"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTabBar>
#include <QVBoxLayout>

namespace rheo {
namespace {

constexpr int kFieldCharacters = 12;

struct FieldText {
    NumberField rule;
    const char* label;
    const char* unit;
};

constexpr const char* kShearRateUnit = "x 10e6  1/s";

constexpr std::array<FieldText, 5> kFieldTexts = {{
    {NumberField::WorkingShearRate, "Working Shear Rate:", kShearRateUnit},
    {NumberField::MinShearRate, "Minimum Allowable ShearRate:", kShearRateUnit},
    {NumberField::MaxShearRate, "Maximum Allowable Shear Rate:", kShearRateUnit},
    {NumberField::CapillaryDiameter, "Capillary Diameter:", "mm"},
    {NumberField::CapillaryLength, "Capillary Length:", "mm"},
}};

} // namespace

CellDataDialog::CellDataDialog(Session& session, HelpLauncher& help, QWidget* parent)
    : CalibrationDialogBase(session, help, CalibrationDialog::CellData, HelpPage::CellData,
                            parent) {
    setWindowTitle(QStringLiteral("Cell Data"));
    QTabBar* tabs = createCellTabs();
    tabs->setDrawBase(false);
    tabs->setExpanding(false);

    // The fields sit on the tabs' page.
    auto* page = new QFrame(this);
    page->setFrameShape(QFrame::StyledPanel);
    page->setFrameShadow(QFrame::Raised);
    auto* grid = new QGridLayout(page);
    for (std::size_t row = 0; row < kFieldTexts.size(); ++row) {
        const FieldText& text = kFieldTexts[row];
        auto* field = new NumberEdit(page);
        setWidthInCharacters(*field, kFieldCharacters);
        fields_[row] = {text.rule, field};
        const int gridRow = static_cast<int>(row);
        grid->addWidget(fieldLabel(QString::fromLatin1(text.label), field), gridRow, 0);
        grid->addWidget(field, gridRow, 1);
        grid->addWidget(unitLabel(QString::fromLatin1(text.unit), field), gridRow, 2);
        connect(field, &NumberEdit::focusLeft, this, [this, rule = text.rule] {
            if (!isClosing() && !takingFields_)
                takeField(rule);
        });
    }
    grid->setColumnStretch(2, 1);
    showCell();

    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(0);
    layout->addWidget(tabs);
    layout->addWidget(page);
    layout->addSpacing(style()->pixelMetric(QStyle::PM_LayoutVerticalSpacing) * 3);
    layout->addLayout(closingButtonRow(*this));
    layout->setSizeConstraint(QLayout::SetFixedSize);

    chainTabOrder({tabs, fields_[0].second, fields_[1].second, fields_[2].second, fields_[3].second,
                   fields_[4].second, okButton(), cancelButton(), helpButton()});
    fields_[0].second->setFocus();
}

CellDataDialog::~CellDataDialog() {
    // The fields may still lose the focus while the dialog goes.
    for (const auto& [rule, field] : fields_)
        field->disconnect(this);
}

NumberEdit* CellDataDialog::field(NumberField rule) const {
    for (const auto& [fieldRule, field] : fields_)
        if (fieldRule == rule)
            return field;
    return nullptr;
}

bool CellDataDialog::takeField(NumberField rule) {
    NumberEdit* edited = field(rule);
    const double previous = edited->value();
    const bool wasTaking = std::exchange(takingFields_, true);
    const std::optional<double> value = takeNumberEdit(*edited, rule, dialogs());
    takingFields_ = wasTaking;
    if (!value)
        return false;
    edit().editCellData(rule, previous, *value);
    return true;
}

bool CellDataDialog::cellMayChange() {
    // Every rule is applied, so that each refused field is told, in the fixed order.
    const bool wasTaking = std::exchange(takingFields_, true);
    bool accepted = true;
    for (NumberField rule : kCellDataFieldOrder)
        accepted = takeField(rule) && accepted;
    takingFields_ = wasTaking;
    return accepted;
}

void CellDataDialog::cellChanged() {
    showCell();
}

void CellDataDialog::showCell() {
    const CellCalibration& cell = edit().cellData();
    for (const auto& [rule, field] : fields_)
        field->showValue(shownCellDataValue(cell, rule));
}

} // namespace rheo
