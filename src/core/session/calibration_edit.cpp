// SPDX-License-Identifier: MIT
#include "core/session/calibration_edit.hpp"

#include "core/calibration/standards.hpp"
#include "core/session/session.hpp"
#include "core/text/program_texts.hpp"

#include <utility>

namespace rheo {

CalibrationEdit::CalibrationEdit(Session& session, CalibrationDialog dialog)
    : session_(session), dialog_(dialog) {
    switch (dialog_) {
    case CalibrationDialog::CellData:
    case CalibrationDialog::CellVolumes:
    case CalibrationDialog::AbCalculation:
        // The menu command resets the dialogs' cell, and the dialog then takes the form's.
        session_.calibrationCell_ = 0;
        session_.calibrationCell_ = session_.currentCell_;
        break;
    case CalibrationDialog::StandardViscosities:
    case CalibrationDialog::GeneralSettings:
        break;
    }
    backup_ = session_.calibration_;
}

CalibrationEdit::~CalibrationEdit() {
    if (!closed_)
        cancel();
}

const CalibrationData& CalibrationEdit::data() const {
    return session_.calibration_;
}

int CalibrationEdit::cell() const {
    return session_.calibrationCell_;
}

const CellCalibration& CalibrationEdit::cellData() const {
    return session_.calibration_.cells[static_cast<std::size_t>(cell())];
}

CellCalibration& CalibrationEdit::editableCell() {
    return session_.calibration_.cells[static_cast<std::size_t>(cell())];
}

void CalibrationEdit::selectCell(int index) {
    if (index >= 0 && index < kCellCount)
        session_.calibrationCell_ = index;
}

void CalibrationEdit::selectNextCell() {
    selectCell((cell() + 1) % kCellCount);
}

void CalibrationEdit::selectPreviousCell() {
    selectCell((cell() + kCellCount - 1) % kCellCount);
}

bool CalibrationEdit::ask(const char* question) {
    return session_.dialogs_.ask(question);
}

void CalibrationEdit::setCompanyName(const std::string& name) {
    if (name == session_.calibration_.companyName)
        return;
    session_.calibration_.companyName = name;
    changed_ = true;
}

void CalibrationEdit::setSerialNumber(const std::string& serial) {
    if (serial == session_.calibration_.serialNumber)
        return;
    session_.calibration_.serialNumber = serial;
    changed_ = true;
}

namespace {

// A whole-number setting: refused with its field's message, or written when it differs.
std::optional<std::string> editWholeNumber(NumberField field, double value, std::int32_t& setting,
                                           bool& changed) {
    if (auto refusal = fieldRefusal(field, value))
        return refusal;
    const auto whole = static_cast<std::int32_t>(value);
    if (whole != setting) {
        setting = whole;
        changed = true;
    }
    return std::nullopt;
}

} // namespace

std::optional<std::string> CalibrationEdit::setOperatingTemperature(double degrees) {
    return editWholeNumber(NumberField::OperatingTemperature, degrees,
                           session_.calibration_.operatingTemperature, changed_);
}

std::optional<std::string> CalibrationEdit::setEquilibriumTimerMinutes(double minutes) {
    return editWholeNumber(NumberField::EquilibriumTimerMinutes, minutes,
                           session_.calibration_.equilibriumTimerMinutes, changed_);
}

CellDataEdit CalibrationEdit::editCellData(NumberField field, double previousShown, double value) {
    CellDataEdit edit = editCellDataField(editableCell(), field, previousShown, value);
    changed_ |= edit.written;
    return edit;
}

PointOutcome CalibrationEdit::added(PointOutcome outcome) {
    changed_ |= !outcome.rejected();
    return outcome;
}

std::optional<PointOutcome> CalibrationEdit::deleteSelectedPoints(const char* question,
                                                                  RemovePoints remove,
                                                                  std::vector<std::size_t> rows) {
    if (rows.empty() || !ask(question))
        return std::nullopt;
    changed_ = true;
    return remove(editableCell(), std::move(rows));
}

bool CalibrationEdit::deleteAllPoints(const char* question, void (*clear)(CellCalibration&)) {
    if (!ask(question))
        return false;
    clear(editableCell());
    changed_ = true;
    return true;
}

PointOutcome CalibrationEdit::addVolumePointFromDialog(double tareWeight, double fullWeight,
                                                       double density) {
    return added(AddVolumePoint(editableCell(), tareWeight, fullWeight, density));
}

std::optional<PointOutcome>
CalibrationEdit::deleteSelectedVolumePoints(std::vector<std::size_t> rows) {
    return deleteSelectedPoints(session_texts::kDeleteSelectedVolumePoints, RemoveVolumePoints,
                                std::move(rows));
}

bool CalibrationEdit::deleteAllVolumePoints() {
    return deleteAllPoints(session_texts::kDeleteAllVolumePoints, ClearVolumePoints);
}

PointOutcome CalibrationEdit::addAbPointFromDialog(double knownViscosity, double pressure,
                                                   double effluxTime, bool newtonian,
                                                   const std::string& standardName) {
    return added(
        AddAbPoint(editableCell(), knownViscosity, pressure, effluxTime, newtonian, standardName));
}

std::optional<PointOutcome> CalibrationEdit::deleteSelectedAbPoints(std::vector<std::size_t> rows) {
    return deleteSelectedPoints(session_texts::kDeleteSelectedAbPoints, RemoveAbPoints,
                                std::move(rows));
}

bool CalibrationEdit::deleteAllAbPoints() {
    return deleteAllPoints(session_texts::kDeleteAllAbPoints, ClearAbPoints);
}

std::string CalibrationEdit::addStandard(const std::string& name, double viscosity) {
    // Every Add counts as a change, even one that ends up replacing a standard by its twin.
    changed_ = true;
    return rheo::addStandard(session_.calibration_, name, viscosity);
}

bool CalibrationEdit::deleteSelectedStandards(std::vector<std::size_t> rows) {
    if (rows.empty() || !ask(session_texts::kDeleteSelectedStandards))
        return false;
    changed_ = true;
    deleteStandards(session_.calibration_, std::move(rows));
    return true;
}

bool CalibrationEdit::deleteAllStandards() {
    if (!ask(session_texts::kDeleteAllStandards))
        return false;
    changed_ = true;
    rheo::deleteAllStandards(session_.calibration_);
    return true;
}

bool CalibrationEdit::deleteStandardNamed(const std::string& name) {
    if (!deleteStandardByName(session_.calibration_, name))
        return false;
    changed_ = true;
    return true;
}

void CalibrationEdit::commit() {
    if (closed_)
        return;
    closed_ = true;
    if (!changed_)
        return;
    if (dialog_ == CalibrationDialog::CellData)
        recomputeAfterCellDataChange(session_.calibration_);
    else if (dialog_ == CalibrationDialog::CellVolumes)
        recomputeAfterVolumeChange(session_.calibration_);
    session_.calibrationChanged_ = true;
}

void CalibrationEdit::cancel() {
    if (closed_)
        return;
    closed_ = true;
    session_.calibration_ = backup_;
}

} // namespace rheo
