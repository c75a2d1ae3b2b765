// SPDX-License-Identifier: MIT
#include "gui/dialogs/target_pressure_table.hpp"

#include "core/calibration/standards.hpp"
#include "core/files/calibration_lines.hpp"
#include "gui/dialogs/dialog_parts.hpp"
#include "gui/platform/qt_text.hpp"
#include "gui/widgets/extended_list_ctrl.hpp"
#include "gui/widgets/number_edit.hpp"
#include "gui/widgets/row_texts_model.hpp"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace rheo {
namespace {

constexpr int kNameCharacters = 24;
constexpr int kViscosityCharacters = 10;
constexpr int kRowsShown = 10;
constexpr double kViscosityAtOpening = 1.0;

// The table and its snapshot for Cancel hold the standards in the order the table shows.
Session& withSortedStandards(Session& session) {
    session.sortStandardsInPlace();
    return session;
}

} // namespace

TargetPressureTable::TargetPressureTable(Session& session, HelpLauncher& help, QWidget* parent)
    : CalibrationDialogBase(withSortedStandards(session), help,
                            CalibrationDialog::StandardViscosities, HelpPage::StandardViscosities,
                            parent),
      name_(new QLineEdit(this)), viscosity_(new NumberEdit(this)),
      deleteSelected_(new QPushButton(QStringLiteral("Delete Selected"), this)),
      deleteAll_(new QPushButton(QStringLiteral("Delete All"), this)),
      add_(new QPushButton(QStringLiteral("Add Standard"), this)),
      table_(new CExtendedListCtrl(this)) {
    setWindowTitle(QStringLiteral("Standard Viscosities"));
    keepToWindows1252(*name_);

    const Session& shown = this->session();
    rows_ = new RowTextsModel(
        standardColumns(), [&shown] { return shown.calibration().standards.size(); },
        [&shown](std::size_t row) {
            const CalibrationData& calibration = shown.calibration();
            return StandardRow{calibration, calibration.standards[row]};
        },
        this);
    table_->setModel(rows_);
    table_->setColumns(rows_->columns());
    table_->setAccessibleName(QStringLiteral("Standard viscosities"));
    table_->header()->setSectionsMovable(false);
    table_->header()->setDefaultAlignment(Qt::AlignCenter);
    table_->setMinimumWidth(table_->header()->length() + 2 * table_->frameWidth() +
                            table_->verticalScrollBar()->sizeHint().width());
    table_->setMinimumHeight(table_->header()->sizeHint().height() +
                             table_->fontMetrics().height() * kRowsShown);

    name_->setMinimumWidth(
        name_->fontMetrics().horizontalAdvance(QString(kNameCharacters, QLatin1Char('x'))));
    setWidthInCharacters(*viscosity_, kViscosityCharacters);
    viscosity_->showValue(kViscosityAtOpening);
    for (QPushButton* button : {deleteSelected_, deleteAll_, add_})
        button->setAccessibleName(button->text());

    connect(viscosity_, &NumberEdit::focusLeft, this, &TargetPressureTable::takeViscosity);
    connect(add_, &QPushButton::clicked, this, &TargetPressureTable::addStandard);
    connect(deleteSelected_, &QPushButton::clicked, this,
            &TargetPressureTable::deleteSelectedStandards);
    connect(deleteAll_, &QPushButton::clicked, this, &TargetPressureTable::deleteAllStandards);
    connect(table_, &CExtendedListCtrl::recallRequested, this, &TargetPressureTable::loadSelection);
    connect(table_, &CExtendedListCtrl::deleteRequested, this,
            &TargetPressureTable::deleteSelectedStandards);
    connect(table_, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        if (table_->ShowDeleteMenu(this, table_->viewport()->mapToGlobal(pos)))
            deleteSelectedStandards();
    });

    auto* fields = new QGridLayout;
    fields->addWidget(fieldLabel(QStringLiteral("Standard Name:"), name_), 0, 0);
    fields->addWidget(name_, 0, 1);
    fields->addWidget(fieldLabel(QStringLiteral("Viscosity (mPa*s):"), viscosity_), 1, 0);
    fields->addWidget(viscosity_, 1, 1, Qt::AlignLeft);
    fields->setColumnStretch(2, 1);

    auto* listButtons = new QHBoxLayout;
    listButtons->addWidget(deleteSelected_);
    listButtons->addWidget(deleteAll_);
    listButtons->addWidget(add_);
    listButtons->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(listButtons);
    layout->addWidget(table_, 1);
    layout->addLayout(closingButtonRow(*this));

    chainTabOrder({name_, viscosity_, deleteSelected_, deleteAll_, add_, table_, okButton(),
                   cancelButton(), helpButton()});
    name_->setFocus();
}

TargetPressureTable::~TargetPressureTable() {
    // The field may still lose the focus while the dialog goes.
    viscosity_->disconnect(this);
}

void TargetPressureTable::takeViscosity() {
    if (!isClosing())
        takeNumberEdit(*viscosity_, NumberField::StandardViscosity, dialogs());
}

void TargetPressureTable::addStandard() {
    // A name too long for its line of the calibration file is refused, as rheo-cli refuses it.
    const std::string name = fromQt(name_->text());
    if (const auto refusal = fileTextRefusal(FileText::StandardName, cleanStandardName(name))) {
        dialogs().inform(*refusal);
        name_->setFocus(Qt::OtherFocusReason);
        return;
    }
    // The viscosity is the one the field holds: it was checked when the field was left.
    edit().addStandard(name, viscosity_->value());
    rows_->notifyReset(); // the list is in a new order
}

void TargetPressureTable::deleteSelectedStandards() {
    const std::vector<std::size_t> rows = table_->selectedRows();
    if (edit().deleteSelectedStandards(rows))
        rows_->notifyRemoved(rows); // the others keep their order
}

void TargetPressureTable::deleteAllStandards() {
    if (edit().deleteAllStandards())
        rows_->notifyReset();
}

void TargetPressureTable::loadSelection() {
    const std::optional<std::size_t> row = table_->firstSelectedRow();
    const std::vector<ViscosityStandard>& standards = edit().data().standards;
    if (!row || *row >= standards.size())
        return;
    name_->setText(toQt(standards[*row].name));
    viscosity_->showValue(standards[*row].viscosity);
}

} // namespace rheo
