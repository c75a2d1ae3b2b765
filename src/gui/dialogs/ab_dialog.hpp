#pragma once
// "AB Calculation": the runs of standard oils in each cell, from which the cell's constants
// A and B are fitted. One cell per tab: the runs list with its computed values, a plot of the
// fit beside it, the cell's A, B, RMS % difference and T0 under it, and the fields of a new
// run above it. Add and the deletions change the calibration at once; Cancel undoes them.

#include "core/model/model.hpp"
#include "gui/dialogs/calibration_dialog.hpp"
#include "gui/widgets/list_column.hpp"

#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace rheo {

class AbFitPlot;
class CExtendedListCtrl;
class CheckedNumberFields;
class NumberEdit;
class RowTextsModel;
struct AbLabels;

class ABDialog : public CalibrationDialogBase {
    Q_OBJECT

public:
    ABDialog(Session& session, HelpLauncher& help, QWidget* parent = nullptr);
    ~ABDialog() override;

    NumberEdit* knownViscosityField() const { return knownViscosity_; }
    NumberEdit* pressureField() const { return pressure_; }
    NumberEdit* effluxTimeField() const { return effluxTime_; }
    QLineEdit* standardNameField() const { return standardName_; }
    QRadioButton* newtonianYes() const { return newtonianYes_; }
    QRadioButton* newtonianNo() const { return newtonianNo_; }
    QPushButton* deleteSelectedButton() const { return deleteSelected_; }
    QPushButton* deleteAllButton() const { return deleteAll_; }
    QPushButton* addButton() const { return add_; }
    CExtendedListCtrl* pointsList() const { return list_; }
    AbFitPlot* fitPlot() const { return plot_; }
    QLabel* aLabel() const { return a_; }
    QLabel* bLabel() const { return b_; }
    QLabel* rmsLabel() const { return rms_; }
    QLabel* targetEffluxTimeLabel() const { return t0_; }

protected:
    void cellChanged() override;

private:
    void buildPage(QWidget& page);
    void setTabOrder();

    // The shown cell's labels, list and plot as they are stored.
    void showCell();
    void showAbLabels(const AbLabels& labels);
    void cleanStandardName();
    void showStandardName(const QString& name);
    void loadSelectedPoint();
    void add();
    void deleteSelected();
    void deleteAll();

    const CellCalibration& shownCell();

    NumberEdit* knownViscosity_ = nullptr;
    NumberEdit* pressure_ = nullptr;
    NumberEdit* effluxTime_ = nullptr;
    QLineEdit* standardName_ = nullptr;
    QRadioButton* newtonianYes_ = nullptr;
    QRadioButton* newtonianNo_ = nullptr;
    QPushButton* deleteSelected_ = nullptr;
    QPushButton* deleteAll_ = nullptr;
    QPushButton* add_ = nullptr;
    RowTextsModel* rows_ = nullptr;
    CExtendedListCtrl* list_ = nullptr;
    AbFitPlot* plot_ = nullptr;
    QLabel* a_ = nullptr;
    QLabel* b_ = nullptr;
    QLabel* rms_ = nullptr;
    QLabel* t0_ = nullptr;
    CheckedNumberFields* checks_ = nullptr;
};

} // namespace rheo
