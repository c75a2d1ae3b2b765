#pragma once
// "Volume Calculation": the weighings of each cell, from which the cell's volume and target
// efflux time T0 are averaged. One cell per tab: the fields of a new weighing, the cell's
// capillary radius and working shear rate that the calculation needs, the weighings list
// and the averages under it. Add and the deletions change the calibration at once; Cancel
// undoes them, and OK after a change refits the A/B constants of the cells that have them.

#include "core/model/model.hpp"
#include "gui/dialogs/calibration_dialog.hpp"
#include "gui/widgets/list_column.hpp"

#include <vector>

class QLabel;
class QPushButton;

namespace rheo {

class CExtendedListCtrl;
class CheckedNumberFields;
class NumberEdit;
class RowTextsModel;
struct VolumeLabels;

class VolumeDialog : public CalibrationDialogBase {
    Q_OBJECT

public:
    VolumeDialog(Session& session, HelpLauncher& help, QWidget* parent = nullptr);
    ~VolumeDialog() override;

    NumberEdit* tareWeightField() const { return tareWeight_; }
    NumberEdit* fullWeightField() const { return fullWeight_; }
    NumberEdit* densityField() const { return density_; }
    QPushButton* deleteSelectedButton() const { return deleteSelected_; }
    QPushButton* deleteAllButton() const { return deleteAll_; }
    QPushButton* addButton() const { return add_; }
    CExtendedListCtrl* weighingsList() const { return list_; }
    QLabel* workingShearRateLabel() const { return shearRate_; }
    QLabel* capillaryRadiusLabel() const { return radius_; }
    QLabel* averageVolumeLabel() const { return volume_; }
    QLabel* targetEffluxTimeLabel() const { return t0_; }

protected:
    void cellChanged() override;

private:
    void buildPage(QWidget& page);
    void setTabOrder();

    // The shown cell's labels and list as they are stored.
    void showCell();
    void showVolumeLabels(const VolumeLabels& labels);
    void loadSelectedWeighing();
    void add();
    void deleteSelected();
    void deleteAll();

    const CellCalibration& shownCell();

    NumberEdit* tareWeight_ = nullptr;
    NumberEdit* fullWeight_ = nullptr;
    NumberEdit* density_ = nullptr;
    QLabel* shearRate_ = nullptr;
    QLabel* radius_ = nullptr;
    QPushButton* deleteSelected_ = nullptr;
    QPushButton* deleteAll_ = nullptr;
    QPushButton* add_ = nullptr;
    RowTextsModel* rows_ = nullptr;
    CExtendedListCtrl* list_ = nullptr;
    QLabel* volume_ = nullptr;
    QLabel* t0_ = nullptr;
    CheckedNumberFields* checks_ = nullptr;
};

} // namespace rheo
