#include "gui/dialogs/ab_dialog.hpp"

#include "core/calibration/ab_regression.hpp"
#include "core/calibration/point_texts.hpp"
#include "core/model/field_rules.hpp"
#include "gui/dialogs/cell_tab_pane.hpp"
#include "gui/dialogs/point_dialog_parts.hpp"
#include "gui/platform/qt_text.hpp"
#include "gui/widgets/ab_fit_plot.hpp"
#include "gui/widgets/extended_list_ctrl.hpp"
#include "gui/widgets/number_edit.hpp"
#include "gui/widgets/row_texts_model.hpp"

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
    : CalibrationDialogBase(session, help, CalibrationDialog::AbCalculation,
                            HelpPage::CalculatingConstants, parent) {
    checks_ = new CheckedNumberFields(*this, dialogs());

    auto* pane = new CellTabPane(createCellTabs(), this);
    buildPage(*pane->page());
    layOutCalibrationDialog(*this, QStringLiteral("AB Calculation"), *pane);

    knownViscosity_->showValue(kFirstKnownViscosity);
    pressure_->showValue(kFirstPressure);
    effluxTime_->showValue(kFirstEffluxTime);
    newtonianYes_->setChecked(true);
    showCell();
    setTabOrder();
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
    standardName_->setMinimumWidth(
        standardName_->fontMetrics().horizontalAdvance(QStringLiteral("NNNNNNNNNNNNNNNN")));
    addCaption(*fields, QStringLiteral("Standard Name:"), standardName_);
    fields->addWidget(standardName_, 2);
    layout->addLayout(fields);

    auto* actions = new QHBoxLayout;
    deleteSelected_ = newNamedButton(QStringLiteral("Delete Selected"));
    deleteAll_ = newNamedButton(QStringLiteral("Delete All"));
    add_ = newNamedButton(QStringLiteral("Add to A, B Calculation"));
    for (QPushButton* button : {deleteSelected_, deleteAll_, add_})
        actions->addWidget(button);
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

    Session& program = session();
    rows_ = new RowTextsModel(
        abPointColumns(),
        [&program] {
            return program.calibration().cells[program.calibrationCell()].abPoints.size();
        },
        [&program](std::size_t row) -> const AbPoint& {
            return program.calibration().cells[program.calibrationCell()].abPoints[row];
        },
        this);
    list_ = new CExtendedListCtrl;
    list_->setAccessibleName(QStringLiteral("Standard runs"));
    setUpPointList(*list_, *rows_, *this, [this] { deleteSelected(); });
    plot_ = new AbFitPlot;
    plot_->setAccessibleName(QStringLiteral("Fit of A and B"));
    auto* listAndPlot = new QHBoxLayout;
    listAndPlot->addWidget(list_, 3);
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

    checks_->add(*knownViscosity_, NumberField::KnownViscosity);
    checks_->add(*pressure_, NumberField::AbPressure);
    checks_->add(*effluxTime_, NumberField::AbEffluxTime);
    connect(standardName_, &QLineEdit::editingFinished, this, &ABDialog::cleanStandardName);
    connect(list_, &CExtendedListCtrl::recallRequested, this, &ABDialog::loadSelectedPoint);
    connect(add_, &QPushButton::clicked, this, &ABDialog::add);
    connect(deleteSelected_, &QPushButton::clicked, this, &ABDialog::deleteSelected);
    connect(deleteAll_, &QPushButton::clicked, this, &ABDialog::deleteAll);
}

void ABDialog::setTabOrder() {
    const std::vector<QWidget*> order = {cellTabs(),     knownViscosity_, pressure_,  effluxTime_,
                                         standardName_,  deleteSelected_, deleteAll_, add_,
                                         newtonianYes_,  newtonianNo_,    list_,      okButton(),
                                         cancelButton(), helpButton()};
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

const CellCalibration& ABDialog::shownCell() {
    return edit().cellData();
}

void ABDialog::cellChanged() {
    showCell();
}

void ABDialog::showCell() {
    const CellCalibration& cell = shownCell();
    showAbLabels(abLabelsOf(cell));
    t0_->setText(toQt(targetEffluxTimeText(cell)));
    rows_->notifyReset();
    plot_->showCell(cell);
}

void ABDialog::showAbLabels(const AbLabels& labels) {
    a_->setText(toQt(labels.a));
    b_->setText(toQt(labels.b));
    rms_->setText(toQt(labels.rms));
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

void ABDialog::loadSelectedPoint() {
    const auto row = list_->firstSelectedRow();
    const auto& points = shownCell().abPoints;
    if (!row || *row >= points.size())
        return;
    const AbPoint& point = points[*row];
    knownViscosity_->showValue(point.knownViscosity);
    pressure_->showValue(point.pressure);
    effluxTime_->showValue(point.effluxTime);
    showStandardName(toQt(point.standardName));
    (point.newtonian ? newtonianYes_ : newtonianNo_)->setChecked(true);
}

void ABDialog::add() {
    if (!checks_->takeTyped())
        return;
    cleanStandardName();
    const AbOutcome outcome =
        edit().addAbPoint(knownViscosity_->value(), pressure_->value(), effluxTime_->value(),
                          newtonianYes_->isChecked(), fromQt(standardName_->text()));
    if (outcome.rejected()) {
        dialogs().inform(*outcome.rejection);
        return;
    }
    if (outcome.pointCount < kAbFewestPointsForFit) {
        rows_->notifyAppended(1);
        showAbLabels(abLabelsBeforeFit());
    } else {
        // A new fit changes every run's computed values.
        rows_->notifyReset();
        showAbLabels(abLabelsOf(shownCell()));
    }
    list_->scrollToEnd();
    plot_->showCell(shownCell());
    showNoticeWhenDue(*this, dialogs(), outcome.noticeDue, kAbRegressionNotice);
}

void ABDialog::deleteSelected() {
    const std::vector<std::size_t> rows = list_->selectedRows();
    const std::optional<AbOutcome> outcome = edit().deleteSelectedAbPoints(rows);
    if (!outcome)
        return;
    if (outcome->pointCount < kAbFewestPointsForFit) {
        // Without a fit the runs left keep the values they showed.
        rows_->notifyRemoved(rows);
        showAbLabels(abLabelsBeforeFit());
    } else {
        rows_->notifyReset();
        showAbLabels(abLabelsOf(shownCell()));
    }
    plot_->showCell(shownCell());
    showNoticeWhenDue(*this, dialogs(), outcome->noticeDue, kAbRegressionNotice);
}

void ABDialog::deleteAll() {
    if (!edit().deleteAllAbPoints())
        return;
    rows_->notifyReset();
    showAbLabels(abLabelsCleared());
    standardName_->clear();
    plot_->showCell(shownCell());
}

} // namespace rheo
