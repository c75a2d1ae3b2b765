// SPDX-License-Identifier: MIT
#include "gui/dialogs/ab_dialog.hpp"

#include "core/calibration/ab_regression.hpp"
#include "core/calibration/point_texts.hpp"
#include "core/model/field_rules.hpp"
#include "core/text/program_texts.hpp"
#include "gui/dialogs/cell_tab_pane.hpp"
#include "gui/dialogs/dialog_parts.hpp"
#include "gui/platform/qt_text.hpp"
#include "gui/widgets/ab_fit_plot.hpp"
#include "gui/widgets/extended_list_ctrl.hpp"
#include "gui/widgets/number_edit.hpp"

#include <QButtonGroup>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QVBoxLayout>

namespace rheo {
namespace {

// What the fields hold when the dialog opens.
constexpr double kFirstKnownViscosity = 2;
constexpr double kFirstPressure = 200;
constexpr double kFirstEffluxTime = 18;

// The widest texts the value labels show, so that the line does not jump as they change.
const QString kWidestConstant = QStringLiteral("-000.000000");
const QString kWidestRms = QStringLiteral("0.00000000");
const QString kWidestT0 = QStringLiteral("0000.00");

} // namespace

ABDialog::ABDialog(Session& session, HelpLauncher& help, QWidget* parent)
    : PointListDialog(session, help, CalibrationDialog::AbCalculation,
                      HelpPage::CalculatingConstants, parent) {
    points_ = new PointListPage(
        *this,
        {QStringLiteral("Add to A, B Calculation"), QStringLiteral("Standard runs"),
         calibration_texts::kAbRegressionNotice,
         // From the third run on every run is refitted, so every row changes.
         [](const PointOutcome& outcome) { return outcome.pointCount >= kAbFewestPointsForFit; }},
        abPointColumns(), &CellCalibration::abPoints,
        {[this] { return add(); },
         [this](std::vector<std::size_t> rows) { return edit().deleteSelectedAbPoints(rows); },
         [this] { return edit().deleteAllAbPoints(); }, [this](std::size_t row) { recall(row); },
         [this](PointChange change, const PointOutcome& outcome) { showChange(change, outcome); }});

    auto* pane = new CellTabPane(createCellTabs(), this);
    buildPage(*pane->page());
    layOutCalibrationDialog(*this, QStringLiteral("AB Calculation"), *pane);

    knownViscosity_->showValue(kFirstKnownViscosity);
    pressure_->showValue(kFirstPressure);
    effluxTime_->showValue(kFirstEffluxTime);
    newtonianYes_->setChecked(true);
    showCell();
    chainTabOrder({cellTabs(), knownViscosity_, pressure_, effluxTime_, standardName_,
                   points_->deleteSelectedButton(), points_->deleteAllButton(),
                   points_->addButton(), newtonianYes_, newtonianNo_, points_->list(), okButton(),
                   cancelButton(), helpButton()});
    knownViscosity_->setFocus();
}

ABDialog::~ABDialog() = default;

void ABDialog::buildPage(QWidget& page) {
    auto* layout = new QVBoxLayout(&page);

    auto* fields = new QHBoxLayout;
    knownViscosity_ =
        addNumberField(*fields, QStringLiteral("Known Viscosity:"), QStringLiteral("mPa*s"));
    fields->addSpacing(12);
    pressure_ = addNumberField(*fields, QStringLiteral("Pressure:"), QStringLiteral("psi"));
    fields->addSpacing(12);
    effluxTime_ =
        addNumberField(*fields, QStringLiteral("Efflux Time:"), QStringLiteral("Seconds"));
    fields->addSpacing(12);
    standardName_ = new QLineEdit;
    keepToWindows1252(*standardName_);
    standardName_->setMinimumWidth(
        standardName_->fontMetrics().horizontalAdvance(QStringLiteral("NNNNNNNNNNNNNNNN")));
    addCaption(*fields, QStringLiteral("Standard Name:"), standardName_);
    fields->addWidget(standardName_, 2);
    layout->addLayout(fields);

    QHBoxLayout* actions = points_->newButtonRow();
    actions->addSpacing(24);
    auto* newtonian = new QWidget;
    newtonian->setAccessibleName(QStringLiteral("Newtonian Standard"));
    auto* choice = new QHBoxLayout(newtonian);
    choice->setContentsMargins(0, 0, 0, 0);
    auto* caption = new QLabel(QStringLiteral("Newtonian Standard"));
    caption->setTextFormat(Qt::PlainText);
    newtonianYes_ = new QRadioButton(QStringLiteral("Yes"));
    newtonianNo_ = new QRadioButton(QStringLiteral("No"));
    auto* group = new QButtonGroup(newtonian);
    choice->addWidget(caption);
    for (QRadioButton* button : {newtonianYes_, newtonianNo_}) {
        button->setAccessibleName(button->text());
        button->setAccessibleDescription(caption->text());
        group->addButton(button);
        choice->addWidget(button);
    }
    actions->addWidget(newtonian);
    actions->addStretch(1);
    layout->addLayout(actions);

    plot_ = new AbFitPlot;
    plot_->setAccessibleName(QStringLiteral("Fit of A and B"));
    auto* listAndPlot = new QHBoxLayout;
    listAndPlot->addWidget(points_->list(), 3);
    listAndPlot->addWidget(plot_, 2);
    layout->addLayout(listAndPlot, 1);

    QFrame* valueFrame = newValueFrame();
    auto* values = new QHBoxLayout(valueFrame);
    auto* formula = new QLabel(QStringLiteral("Viscosity  =  APT -  B/T"));
    formula->setTextFormat(Qt::PlainText);
    values->addWidget(formula);
    values->addSpacing(24);
    a_ = addValueLabel(*values, QStringLiteral("A:"), kWidestConstant);
    values->addSpacing(12);
    b_ = addValueLabel(*values, QStringLiteral("B:"), kWidestConstant);
    values->addSpacing(12);
    rms_ = addValueLabel(*values, QStringLiteral("RMS % Diff:"), kWidestRms);
    values->addSpacing(12);
    t0_ = addValueLabel(*values, QStringLiteral("Target Efflux Time (sec):"), kWidestT0);
    values->addStretch(1);
    layout->addWidget(valueFrame);

    points_->checks().add(*knownViscosity_, NumberField::KnownViscosity);
    points_->checks().add(*pressure_, NumberField::AbPressure);
    points_->checks().add(*effluxTime_, NumberField::AbEffluxTime);
    connect(standardName_, &QLineEdit::editingFinished, this, &ABDialog::cleanStandardName);
}

void ABDialog::showCell() {
    const CellCalibration& cell = shownCell();
    showAbLabels(abLabelsOf(cell));
    t0_->setText(toQt(targetEffluxTimeText(cell)));
    points_->showCell();
    plot_->showCell(cell);
}

void ABDialog::showAbLabels(const AbLabels& labels) {
    a_->setText(toQt(labels.a));
    b_->setText(toQt(labels.b));
    rms_->setText(toQt(labels.rms));
}

void ABDialog::showChange(PointChange change, const PointOutcome& outcome) {
    if (change == PointChange::DeletedAll) {
        showAbLabels(abLabelsCleared());
        standardName_->clear();
    } else {
        showAbLabels(outcome.pointCount < kAbFewestPointsForFit ? abLabelsBeforeFit()
                                                                : abLabelsOf(shownCell()));
    }
    plot_->showCell(shownCell());
}

void ABDialog::cleanStandardName() {
    const QString cleaned = toQt(cleanAbStandardName(fromQt(standardName_->text())));
    if (cleaned != standardName_->text())
        showStandardName(cleaned);
}

void ABDialog::showStandardName(const QString& name) {
    standardName_->setText(name);
    // A name longer than the field shows its start, as it is read.
    standardName_->setCursorPosition(0);
}

void ABDialog::recall(std::size_t row) {
    const AbPoint& point = shownCell().abPoints[row];
    knownViscosity_->showValue(point.knownViscosity);
    pressure_->showValue(point.pressure);
    effluxTime_->showValue(point.effluxTime);
    showStandardName(toQt(point.standardName));
    (point.newtonian ? newtonianYes_ : newtonianNo_)->setChecked(true);
}

PointOutcome ABDialog::add() {
    cleanStandardName();
    return edit().addAbPointFromDialog(knownViscosity_->value(), pressure_->value(),
                                       effluxTime_->value(), newtonianYes_->isChecked(),
                                       fromQt(standardName_->text()));
}

} // namespace rheo
