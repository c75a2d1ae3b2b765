// SPDX-License-Identifier: MIT
#pragma once
// One open calibration dialog. Every calibration dialog follows the same protocol: a backup
// of the whole calibration when it opens, every accepted edit written straight into the
// program's calibration (so the form and the reports see it at once), Cancel copying the
// backup back, and OK raising calibrationChanged only when the dialog changed something.
// The operations below are the dialogs' commands; each marks the dialog changed when it
// changes the calibration, and the deletions ask their question first.

#include "core/calibration/ab_regression.hpp"
#include "core/calibration/cell_data.hpp"
#include "core/calibration/volume_calculation.hpp"
#include "core/model/field_rules.hpp"
#include "core/model/model.hpp"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace rheo {

class Session;

enum class CalibrationDialog {
    GeneralSettings,
    CellData,
    CellVolumes,
    AbCalculation,
    StandardViscosities,
};

class CalibrationEdit {
public:
    // Opens the dialog: the tabbed dialogs (cell data, volumes, A/B) show the form's working
    // cell; then the backup is taken. (The standards dialog sorts the standards with
    // Session::sortStandardsInPlace before it opens its edit, so that the backup holds them
    // sorted.)
    CalibrationEdit(Session& session, CalibrationDialog dialog);
    // A dialog closed neither by OK nor by Cancel is cancelled.
    ~CalibrationEdit();
    CalibrationEdit(const CalibrationEdit&) = delete;
    CalibrationEdit& operator=(const CalibrationEdit&) = delete;

    CalibrationDialog dialog() const { return dialog_; }
    const CalibrationData& data() const;
    // True once an edit of this dialog changed the calibration.
    bool changed() const { return changed_; }

    // The cell the dialog shows (the session's calibrationCell), and the change of tab.
    int cell() const;
    const CellCalibration& cellData() const;
    void selectCell(int index);
    void selectNextCell();
    void selectPreviousCell();

    // --- General settings: a text is written when it differs byte for byte; a number is
    // refused with its field's message outside its range and written when it differs.
    void setCompanyName(const std::string& name);
    void setSerialNumber(const std::string& serial);
    std::optional<std::string> setOperatingTemperature(double degrees);
    std::optional<std::string> setEquilibriumTimerMinutes(double minutes);

    // --- Cell data of the shown cell (see editCellDataField).
    CellDataEdit editCellData(NumberField field, double previousShown, double value);

    // --- Weighings of the shown cell.
    PointOutcome addVolumePointFromDialog(double tareWeight, double fullWeight, double density);
    // Nothing (and no question) without a row, or when the answer is No.
    std::optional<PointOutcome> deleteSelectedVolumePoints(std::vector<std::size_t> rows);
    bool deleteAllVolumePoints();

    // --- Standard-oil runs of the shown cell.
    PointOutcome addAbPointFromDialog(double knownViscosity, double pressure, double effluxTime,
                                      bool newtonian, const std::string& standardName);
    std::optional<PointOutcome> deleteSelectedAbPoints(std::vector<std::size_t> rows);
    bool deleteAllAbPoints();

    // --- The standards table. Add replaces a standard of the same name; returns the name
    // it was stored under.
    std::string addStandard(const std::string& name, double viscosity);
    bool deleteSelectedStandards(std::vector<std::size_t> rows);
    bool deleteAllStandards();
    // Without a question, for rheo-cli: false when there is no standard of that name.
    bool deleteStandardNamed(const std::string& name);

    // OK: what the dialog recomputes after a change (cell data: T0 of every weighing, then
    // the A/B fits; volumes: the A/B fits), then calibrationChanged when something changed.
    void commit();
    // Cancel, Escape or the close box: the calibration as it was when the dialog opened.
    void cancel();

private:
    CellCalibration& editableCell();
    bool ask(const char* question);

    // The steps the weighings and the standard-oil runs share: an Add that was not refused
    // is a change; a deletion asks its question first.
    PointOutcome added(PointOutcome outcome);
    using RemovePoints = PointOutcome (*)(CellCalibration&, std::vector<std::size_t>);
    std::optional<PointOutcome> deleteSelectedPoints(const char* question, RemovePoints remove,
                                                     std::vector<std::size_t> rows);
    bool deleteAllPoints(const char* question, void (*clear)(CellCalibration&));

    Session& session_;
    CalibrationDialog dialog_;
    CalibrationData backup_;
    bool changed_ = false;
    bool closed_ = false;
};

} // namespace rheo
