// SPDX-License-Identifier: MIT
#include "gui/dialogs/volume_dialog.hpp"

#include "core/calibration/point_texts.hpp"
#include "core/calibration/volume_calculation.hpp"
#include "core/model/field_rules.hpp"
#include "core/text/program_texts.hpp"
#include "gui/dialogs/cell_tab_pane.hpp"
#include "gui/dialogs/dialog_parts.hpp"
#include "gui/platform/qt_text.hpp"
#include "gui/widgets/extended_list_ctrl.hpp"
#include "gui/widgets/number_edit.hpp"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QVBoxLayout>

namespace rheo {
namespace {

// What the three fields hold when the dialog opens.
constexpr double kFirstWeighingValue = 1;

// The widest texts the value labels show, so that the lines do not jump as they change.
const QString kWidestRadius = QStringLiteral("00.0000");
const QString kWidestShearRate = QStringLiteral("00.000");
const QString kWidestVolume = QStringLiteral("000.0000");
const QString kWidestT0 = QStringLiteral("0000.00");

} // namespace

VolumeDialog::VolumeDialog(Session& session, HelpLauncher& help, QWidget* parent)
    : PointListDialog(session, help, CalibrationDialog::CellVolumes, HelpPage::CellVolume, parent) {
    points_ = new PointListPage(
        *this,
        {QStringLiteral("Add"), QStringLiteral("Weighings"), calibration_texts::kVolumeNotice,
         // A weighing changes only the averages, never another weighing's values.
         [](const PointOutcome&) { return false; }},
        volumePointColumns(), &CellCalibration::volumePoints,
        {[this] {
             return edit().addVolumePointFromDialog(tareWeight_->value(), fullWeight_->value(),
                                                    density_->value());
         },
         [this](std::vector<std::size_t> rows) { return edit().deleteSelectedVolumePoints(rows); },
         [this] { return edit().deleteAllVolumePoints(); },
         [this](std::size_t row) { recall(row); },
         [this](PointChange change, const PointOutcome& outcome) { showChange(change, outcome); }});

    auto* pane = new CellTabPane(createCellTabs(), this);
    buildPage(*pane->page());
    layOutCalibrationDialog(*this, QStringLiteral("Volume Calculation"), *pane);

    for (NumberEdit* field : {tareWeight_, fullWeight_, density_})
        field->showValue(kFirstWeighingValue);
    showCell();
    chainTabOrder({cellTabs(), tareWeight_, fullWeight_, density_, points_->deleteSelectedButton(),
                   points_->deleteAllButton(), points_->addButton(), points_->list(), okButton(),
                   cancelButton(), helpButton()});
    tareWeight_->setFocus();
}

VolumeDialog::~VolumeDialog() = default;

void VolumeDialog::buildPage(QWidget& page) {
    auto* layout = new QVBoxLayout(&page);

    auto* fields = new QHBoxLayout;
    tareWeight_ = addNumberField(*fields, QStringLiteral("Tare Weight:"), QStringLiteral("Grams"));
    fields->addSpacing(12);
    fullWeight_ = addNumberField(*fields, QStringLiteral("Full Weight:"), QStringLiteral("Grams"));
    fields->addSpacing(12);
    density_ = addNumberField(*fields, QStringLiteral("Density:"), QStringLiteral("Grams/ml"));
    fields->addStretch(1);
    layout->addLayout(fields);

    auto* cellValues = new QHBoxLayout;
    shearRate_ = addValueLabel(*cellValues, QStringLiteral("Working Shear Rate (x 10e6 1/sec):"),
                               kWidestShearRate);
    cellValues->addSpacing(24);
    radius_ = addValueLabel(*cellValues, QStringLiteral("Capillary Radius (mm):"), kWidestRadius);
    cellValues->addStretch(1);
    layout->addLayout(cellValues);

    QHBoxLayout* actions = points_->newButtonRow();
    actions->addStretch(1);
    layout->addLayout(actions);
    layout->addWidget(points_->list(), 1);

    QFrame* valueFrame = newValueFrame();
    auto* averages = new QHBoxLayout(valueFrame);
    volume_ = addValueLabel(*averages, QStringLiteral("Average Volume (ml):"), kWidestVolume);
    averages->addSpacing(24);
    t0_ = addValueLabel(*averages, QStringLiteral("Average Target Efflux Time (T0) (sec):"),
                        kWidestT0);
    averages->addStretch(1);
    layout->addWidget(valueFrame);

    points_->checks().add(*tareWeight_, NumberField::TareWeight);
    points_->checks().add(*fullWeight_, NumberField::FullWeight);
    points_->checks().add(*density_, NumberField::Density);
}

void VolumeDialog::showCell() {
    showVolumeLabels(volumeLabelsOf(shownCell()));
    points_->showCell();
}

void VolumeDialog::showVolumeLabels(const VolumeLabels& labels) {
    radius_->setText(toQt(labels.radius));
    shearRate_->setText(toQt(labels.shearRate));
    volume_->setText(toQt(labels.volume));
    t0_->setText(toQt(labels.t0));
}

void VolumeDialog::showChange(PointChange change, const PointOutcome& outcome) {
    const bool weighingsLeft = change == PointChange::Added || outcome.pointCount > 0;
    showVolumeLabels(weighingsLeft ? volumeLabelsOf(shownCell())
                                   : volumeLabelsWithoutWeighings(shownCell()));
    // After a deletion the fields show their values again, as the dialog holds them.
    if (change == PointChange::DeletedSelected) {
        for (NumberEdit* field : {tareWeight_, fullWeight_, density_})
            field->showValue(field->value());
    }
}

void VolumeDialog::recall(std::size_t row) {
    const VolumePoint& point = shownCell().volumePoints[row];
    tareWeight_->showValue(point.tareWeight);
    fullWeight_->showValue(point.fullWeight);
    density_->showValue(point.density);
}

} // namespace rheo
