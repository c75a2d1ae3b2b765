// SPDX-License-Identifier: MIT
#pragma once
// "Volume Calculation": the weighings of each cell, from which the cell's volume and target
// efflux time T0 are averaged. One cell per tab: the fields of a new weighing, the cell's
// capillary radius and working shear rate that the calculation needs, the weighings list
// and the averages under it. Add and the deletions change the calibration at once; Cancel
// undoes them, and OK after a change refits the A/B constants of the cells that have them.

#include "core/model/model.hpp"
#include "gui/dialogs/calibration_dialog.hpp"
#include "gui/dialogs/point_list_page.hpp"

#include <cstddef>

class QLabel;

namespace rheo {

class NumberEdit;
struct VolumeLabels;

class VolumeDialog : public PointListDialog {
    Q_OBJECT

public:
    VolumeDialog(Session& session, HelpLauncher& help, QWidget* parent = nullptr);
    ~VolumeDialog() override;

private:
    void buildPage(QWidget& page);

    void showCell() override;
    void showVolumeLabels(const VolumeLabels& labels);
    void showChange(PointChange change, const PointOutcome& outcome);
    void recall(std::size_t row);

    NumberEdit* tareWeight_ = nullptr;
    NumberEdit* fullWeight_ = nullptr;
    NumberEdit* density_ = nullptr;
    QLabel* shearRate_ = nullptr;
    QLabel* radius_ = nullptr;
    QLabel* volume_ = nullptr;
    QLabel* t0_ = nullptr;
};

} // namespace rheo
