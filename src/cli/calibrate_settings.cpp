// SPDX-License-Identifier: MIT
// calibrate settings, cell and standard: the General Settings, Cell Data and Standard
// Viscosities rules applied to a calibration file.

#include "cli/command_session.hpp"
#include "cli/command_support.hpp"
#include "cli/commands.hpp"
#include "cli/exit_codes.hpp"
#include "cli/output.hpp"
#include "core/calibration/cell_data.hpp"
#include "core/calibration/standards.hpp"
#include "core/files/calibration_lines.hpp"
#include "core/model/field_rules.hpp"

#include <functional>

namespace rheo::cli {
namespace {

// The company name and serial number each fill one line of the calibration file: a line
// break would shift every line after it, a longer text would come back cut.
bool applyText(const std::optional<std::string>& typed, FileText text, std::string_view what,
               const std::function<void(const std::string&)>& set) {
    if (!typed)
        return true;
    const auto value = fileText(*typed, what);
    if (!value)
        return false;
    if (const auto message = fileTextRefusal(text, *value)) {
        writeLine(stderr, *message);
        return false;
    }
    set(*value);
    return true;
}

// A refused edit names its field's message; true when the edit was accepted.
bool reported(const std::optional<std::string>& refusal) {
    if (refusal)
        writeLine(stderr, *refusal);
    return !refusal;
}

} // namespace

int calibrateSettingsCommand(const Words& words) {
    const std::string name = "calibrate settings";
    int status = kDone;
    const auto line = readCommandLine(name, words, status);
    if (!line)
        return status;
    OptionReader options(line->arguments);
    CalibrationFiles files{options.text("--calibration"), options.requiredText("--out")};
    const auto company = options.text("--company");
    const auto serial = options.text("--serial");
    const auto temperature = options.wholeNumber("--temperature");
    const auto timer = options.wholeNumber("--timer");
    if (const auto refused = calibrateCommandLineRefused(name, options, files))
        return *refused;

    CommandSession command(*line->clock);
    return editCalibrationFile(
        command, files, CalibrationDialog::GeneralSettings, [&](CalibrationEdit& edit) {
            // In the order of the dialog's fields.
            bool allApplied =
                applyText(company, FileText::CompanyName, "The company name",
                          [&](const std::string& text) { edit.setCompanyName(text); });
            allApplied &= applyText(serial, FileText::SerialNumber, "The serial number",
                                    [&](const std::string& text) { edit.setSerialNumber(text); });
            if (temperature)
                allApplied &= reported(edit.setOperatingTemperature(*temperature));
            if (timer)
                allApplied &= reported(edit.setEquilibriumTimerMinutes(*timer));
            return allApplied;
        });
}

int calibrateCellCommand(const Words& words) {
    const std::string name = "calibrate cell";
    int status = kDone;
    const auto line = readCommandLine(name, words, status);
    if (!line)
        return status;
    OptionReader options(line->arguments);
    CalibrationFiles files{options.text("--calibration"), options.requiredText("--out")};
    const int cellIndex = options.requiredCellIndex("--cell");
    // In the order in which the dialog applies its fields.
    const std::pair<NumberField, std::optional<double>> edits[] = {
        {NumberField::CapillaryLength, options.decimal("--length")},
        {NumberField::CapillaryDiameter, options.decimal("--diameter")},
        {NumberField::MaxShearRate, options.decimal("--max")},
        {NumberField::MinShearRate, options.decimal("--min")},
        {NumberField::WorkingShearRate, options.decimal("--working")},
    };
    if (const auto refused = calibrateCommandLineRefused(name, options, files))
        return *refused;

    CommandSession command(*line->clock);
    return editCalibrationFile(
        command, files, CalibrationDialog::CellData, [&](CalibrationEdit& edit) {
            edit.selectCell(cellIndex);
            bool allApplied = true;
            for (const auto& [field, value] : edits) {
                if (value) {
                    const double shown = shownCellDataValue(edit.cellData(), field);
                    allApplied &= reported(edit.editCellData(field, shown, *value).refusal);
                }
            }
            return allApplied;
        });
}

int calibrateStandardCommand(const Words& words) {
    const std::string name = "calibrate standard";
    int status = kDone;
    const auto line = readCommandLine(name, words, status);
    if (!line)
        return status;
    OptionReader options(line->arguments);
    CalibrationFiles files{options.text("--calibration"), options.requiredText("--out")};
    const auto deleteName = options.text("--delete");
    std::optional<std::string> addName;
    double viscosity = 0.0;
    if (deleteName) {
        if (line->arguments.has("--name") || line->arguments.has("--viscosity"))
            options.complain("--delete cannot be combined with --name or --viscosity");
    } else {
        addName = options.requiredText("--name");
        viscosity = options.requiredDecimal("--viscosity");
    }
    if (const auto refused = calibrateCommandLineRefused(name, options, files))
        return *refused;

    CommandSession command(*line->clock);
    return editCalibrationFile(
        command, files, CalibrationDialog::StandardViscosities, [&](CalibrationEdit& edit) {
            const auto typedName =
                fileText(deleteName ? *deleteName : *addName, "The standard name");
            if (!typedName)
                return false;
            if (deleteName) {
                // Names are stored cleaned, so the name is looked up the way it was stored.
                const std::string stored = cleanStandardName(*typedName);
                if (edit.deleteStandardNamed(stored))
                    return true;
                writeMessage(stderr, "There is no standard named \"" + stored + "\".");
                return false;
            }
            if (!reported(fieldRefusal(NumberField::StandardViscosity, viscosity)))
                return false;
            if (!reported(fileTextRefusal(FileText::StandardName, cleanStandardName(*typedName))))
                return false;
            edit.addStandard(*typedName, viscosity);
            return true;
        });
}

} // namespace rheo::cli
