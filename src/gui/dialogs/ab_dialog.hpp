// SPDX-License-Identifier: MIT
#pragma once
// "AB Calculation": the runs of standard oils in each cell, from which the cell's constants
// A and B are fitted. One cell per tab: the runs list with its computed values, a plot of the
// fit beside it, the cell's A, B, RMS % difference and T0 under it, and the fields of a new
// run above it. Add and the deletions change the calibration at once; Cancel undoes them.

#include "core/model/model.hpp"
#include "gui/dialogs/calibration_dialog.hpp"
#include "gui/dialogs/point_list_page.hpp"

#include <cstddef>

class QLabel;
class QLineEdit;
class QRadioButton;

namespace rheo {

class AbFitPlot;
class NumberEdit;
struct AbLabels;

class ABDialog : public PointListDialog {
    Q_OBJECT

public:
    ABDialog(Session& session, HelpLauncher& help, QWidget* parent = nullptr);
    ~ABDialog() override;

private:
    void buildPage(QWidget& page);

    void showCell() override;
    void showAbLabels(const AbLabels& labels);
    void showChange(PointChange change, const PointOutcome& outcome);
    void cleanStandardName();
    void showStandardName(const QString& name);
    void recall(std::size_t row);
    PointOutcome add();

    NumberEdit* knownViscosity_ = nullptr;
    NumberEdit* pressure_ = nullptr;
    NumberEdit* effluxTime_ = nullptr;
    QLineEdit* standardName_ = nullptr;
    QRadioButton* newtonianYes_ = nullptr;
    QRadioButton* newtonianNo_ = nullptr;
    AbFitPlot* plot_ = nullptr;
    QLabel* a_ = nullptr;
    QLabel* b_ = nullptr;
    QLabel* rms_ = nullptr;
    QLabel* t0_ = nullptr;
};

} // namespace rheo
