#include "gui/dialogs/volume_dialog.hpp"

#include "core/calibration/point_texts.hpp"
#include "core/calibration/volume_calculation.hpp"
#include "core/model/field_rules.hpp"
#include "gui/dialogs/cell_tab_pane.hpp"
#include "gui/dialogs/point_dialog_parts.hpp"
#include "gui/platform/qt_text.hpp"
#include "gui/widgets/extended_list_ctrl.hpp"
#include "gui/widgets/number_edit.hpp"
#include "gui/widgets/row_texts_model.hpp"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
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
    : CalibrationDialogBase(session, help, CalibrationDialog::CellVolumes, HelpPage::CellVolume,
                            parent) {
    checks_ = new CheckedNumberFields(*this, dialogs());

    auto* pane = new CellTabPane(createCellTabs(), this);
    buildPage(*pane->page());
    layOutCalibrationDialog(*this, QStringLiteral("Volume Calculation"), *pane);

    for (NumberEdit* field : {tareWeight_, fullWeight_, density_})
        field->showValue(kFirstWeighingValue);
    showCell();
    setTabOrder();
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

    auto* actions = new QHBoxLayout;
    deleteSelected_ = newNamedButton(QStringLiteral("Delete Selected"));
    deleteAll_ = newNamedButton(QStringLiteral("Delete All"));
    add_ = newNamedButton(QStringLiteral("Add"));
    for (QPushButton* button : {deleteSelected_, deleteAll_, add_})
        actions->addWidget(button);
    actions->addStretch(1);
    layout->addLayout(actions);

    Session& program = session();
    rows_ = new RowTextsModel(
        volumePointColumns(),
        [&program] {
            return program.calibration().cells[program.calibrationCell()].volumePoints.size();
        },
        [&program](std::size_t row) -> const VolumePoint& {
            return program.calibration().cells[program.calibrationCell()].volumePoints[row];
        },
        this);
    list_ = new CExtendedListCtrl;
    list_->setAccessibleName(QStringLiteral("Weighings"));
    setUpPointList(*list_, *rows_, *this, [this] { deleteSelected(); });
    layout->addWidget(list_, 1);

    QFrame* valueFrame = newValueFrame();
    auto* averages = new QHBoxLayout(valueFrame);
    volume_ = addValueLabel(*averages, QStringLiteral("Average Volume (ml):"), kWidestVolume);
    averages->addSpacing(24);
    t0_ = addValueLabel(*averages, QStringLiteral("Average Target Efflux Time (T0) (sec):"),
                        kWidestT0);
    averages->addStretch(1);
    layout->addWidget(valueFrame);

    checks_->add(*tareWeight_, NumberField::TareWeight);
    checks_->add(*fullWeight_, NumberField::FullWeight);
    checks_->add(*density_, NumberField::Density);
    connect(list_, &CExtendedListCtrl::recallRequested, this, &VolumeDialog::loadSelectedWeighing);
    connect(add_, &QPushButton::clicked, this, &VolumeDialog::add);
    connect(deleteSelected_, &QPushButton::clicked, this, &VolumeDialog::deleteSelected);
    connect(deleteAll_, &QPushButton::clicked, this, &VolumeDialog::deleteAll);
}

void VolumeDialog::setTabOrder() {
    const std::vector<QWidget*> order = {cellTabs(),      tareWeight_,    fullWeight_, density_,
                                         deleteSelected_, deleteAll_,     add_,        list_,
                                         okButton(),      cancelButton(), helpButton()};
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

const CellCalibration& VolumeDialog::shownCell() {
    return edit().cellData();
}

void VolumeDialog::cellChanged() {
    showCell();
}

void VolumeDialog::showCell() {
    showVolumeLabels(volumeLabelsOf(shownCell()));
    rows_->notifyReset();
}

void VolumeDialog::showVolumeLabels(const VolumeLabels& labels) {
    radius_->setText(toQt(labels.radius));
    shearRate_->setText(toQt(labels.shearRate));
    volume_->setText(toQt(labels.volume));
    t0_->setText(toQt(labels.t0));
}

void VolumeDialog::loadSelectedWeighing() {
    const auto row = list_->firstSelectedRow();
    const auto& points = shownCell().volumePoints;
    if (!row || *row >= points.size())
        return;
    const VolumePoint& point = points[*row];
    tareWeight_->showValue(point.tareWeight);
    fullWeight_->showValue(point.fullWeight);
    density_->showValue(point.density);
}

void VolumeDialog::add() {
    if (!checks_->takeTyped())
        return;
    const VolumeOutcome outcome =
        edit().addVolumePoint(tareWeight_->value(), fullWeight_->value(), density_->value());
    if (outcome.rejected()) {
        dialogs().inform(*outcome.rejection);
        return;
    }
    rows_->notifyAppended(1);
    list_->scrollToEnd();
    showVolumeLabels(volumeLabelsOf(shownCell()));
    showNoticeWhenDue(*this, dialogs(), outcome.noticeDue, kVolumeNotice);
}

void VolumeDialog::deleteSelected() {
    const std::vector<std::size_t> rows = list_->selectedRows();
    const std::optional<VolumeOutcome> outcome = edit().deleteSelectedVolumePoints(rows);
    if (!outcome)
        return;
    rows_->notifyRemoved(rows);
    showVolumeLabels(outcome->pointCount == 0 ? volumeLabelsWithoutWeighings(shownCell())
                                              : volumeLabelsOf(shownCell()));
    // The fields show their values again, as the dialog holds them.
    for (NumberEdit* field : {tareWeight_, fullWeight_, density_})
        field->showValue(field->value());
    showNoticeWhenDue(*this, dialogs(), outcome->noticeDue, kVolumeNotice);
}

void VolumeDialog::deleteAll() {
    if (!edit().deleteAllVolumePoints())
        return;
    rows_->notifyReset();
    showVolumeLabels(volumeLabelsWithoutWeighings(shownCell()));
}

} // namespace rheo
