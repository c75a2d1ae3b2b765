// calibrate settings, cell and standard: the General Settings, Cell Data and Standard
// Viscosities rules applied to a calibration file.

#include "cli/command_support.hpp"
#include "cli/commands.hpp"
#include "cli/exit_codes.hpp"
#include "cli/file_access.hpp"
#include "cli/output.hpp"
#include "cli/output_paths.hpp"
#include "core/calibration/cell_data.hpp"
#include "core/calibration/standards.hpp"
#include "core/files/calibration_lines.hpp"
#include "core/model/field_rules.hpp"

namespace rheo::cli {
namespace {

// A whole-number setting checked by its field's range; refused values are named by the
// field's message and leave the setting as it was.
bool applyWholeNumber(std::optional<int> value, NumberField field, std::int32_t& setting) {
    if (!value)
        return true;
    if (const auto message = fieldRefusal(field, *value)) {
        writeLine(stderr, *message);
        return false;
    }
    setting = *value;
    return true;
}

// The company name and serial number each fill one line of the calibration file: a line
// break would shift every line after it, a longer text would come back cut.
bool applyText(const std::optional<std::string>& value, FileText text, std::string& setting) {
    if (!value)
        return true;
    if (const auto message = fileTextRefusal(text, *value)) {
        writeLine(stderr, *message);
        return false;
    }
    setting = *value;
    return true;
}

} // namespace

int calibrateSettingsCommand(const Words& words) {
    const std::string name = "calibrate settings";
    int status = kDone;
    const auto line = readCommandLine(
        name, words,
        {{"--calibration"}, {"--out"}, {"--company"}, {"--serial"}, {"--temperature"}, {"--timer"}},
        status);
    if (!line)
        return status;
    OptionReader options(line->arguments);
    const auto calibrationPath = options.text("--calibration");
    const std::string outPath = options.requiredText("--out");
    const auto company = options.text("--company");
    const auto serial = options.text("--serial");
    const auto temperature = options.wholeNumber("--temperature");
    const auto timer = options.wholeNumber("--timer");
    options.refusePlainArguments();
    if (!options.ok())
        return badCommandLine(name, options.error());
    if (!outputAllowed(outPath, {calibrationPath, {}}, InPlace::Calibration))
        return kFileFailed;

    CalibrationData calibration;
    if (!loadCalibrationIfGiven(calibrationPath, calibration))
        return kFileFailed;
    // In the order of the dialog's fields.
    bool allApplied = applyText(company, FileText::CompanyName, calibration.companyName);
    allApplied &= applyText(serial, FileText::SerialNumber, calibration.serialNumber);
    allApplied &= applyWholeNumber(temperature, NumberField::OperatingTemperature,
                                   calibration.operatingTemperature);
    allApplied &= applyWholeNumber(timer, NumberField::EquilibriumTimerMinutes,
                                   calibration.equilibriumTimerMinutes);
    if (!saveCalibration(outPath, calibration))
        return kFileFailed;
    return allApplied ? kDone : kRefused;
}

int calibrateCellCommand(const Words& words) {
    const std::string name = "calibrate cell";
    int status = kDone;
    const auto line = readCommandLine(name, words,
                                      {{"--calibration"},
                                       {"--out"},
                                       {"--cell"},
                                       {"--working"},
                                       {"--min"},
                                       {"--max"},
                                       {"--diameter"},
                                       {"--length"}},
                                      status);
    if (!line)
        return status;
    OptionReader options(line->arguments);
    const auto calibrationPath = options.text("--calibration");
    const std::string outPath = options.requiredText("--out");
    const int cellIndex = options.requiredCellIndex("--cell");
    // In the order in which the dialog applies its fields.
    const std::pair<NumberField, std::optional<double>> edits[] = {
        {NumberField::CapillaryLength, options.decimal("--length")},
        {NumberField::CapillaryDiameter, options.decimal("--diameter")},
        {NumberField::MaxShearRate, options.decimal("--max")},
        {NumberField::MinShearRate, options.decimal("--min")},
        {NumberField::WorkingShearRate, options.decimal("--working")},
    };
    options.refusePlainArguments();
    if (!options.ok())
        return badCommandLine(name, options.error());
    if (!outputAllowed(outPath, {calibrationPath, {}}, InPlace::Calibration))
        return kFileFailed;

    CalibrationData calibration;
    if (!loadCalibrationIfGiven(calibrationPath, calibration))
        return kFileFailed;
    CellCalibration& cell = calibration.cells[static_cast<size_t>(cellIndex)];
    bool allApplied = true;
    bool changed = false;
    for (const auto& [field, value] : edits) {
        if (!value)
            continue;
        const CellDataEdit edit =
            editCellDataField(cell, field, shownCellDataValue(cell, field), *value);
        if (edit.refusal) {
            writeLine(stderr, *edit.refusal);
            allApplied = false;
        }
        changed |= edit.written;
    }
    // What OK of the dialog does when something changed.
    if (changed)
        recomputeAfterCellDataChange(calibration);
    if (!saveCalibration(outPath, calibration))
        return kFileFailed;
    return allApplied ? kDone : kRefused;
}

int calibrateStandardCommand(const Words& words) {
    const std::string name = "calibrate standard";
    int status = kDone;
    const auto line = readCommandLine(
        name, words, {{"--calibration"}, {"--out"}, {"--name"}, {"--viscosity"}, {"--delete"}},
        status);
    if (!line)
        return status;
    OptionReader options(line->arguments);
    const auto calibrationPath = options.text("--calibration");
    const std::string outPath = options.requiredText("--out");
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
    options.refusePlainArguments();
    if (!options.ok())
        return badCommandLine(name, options.error());
    if (!outputAllowed(outPath, {calibrationPath, {}}, InPlace::Calibration))
        return kFileFailed;

    CalibrationData calibration;
    if (!loadCalibrationIfGiven(calibrationPath, calibration))
        return kFileFailed;
    bool applied = true;
    if (deleteName) {
        // Names are stored cleaned, so the name is looked up the way it was stored.
        const std::string stored = cleanStandardName(*deleteName);
        if (!deleteStandardByName(calibration, stored)) {
            writeLine(stderr, "There is no standard named \"" + stored + "\".");
            applied = false;
        }
    } else if (const auto message = fieldRefusal(NumberField::StandardViscosity, viscosity)) {
        writeLine(stderr, *message);
        applied = false;
    } else if (const auto tooLong =
                   fileTextRefusal(FileText::StandardName, cleanStandardName(*addName))) {
        writeLine(stderr, *tooLong);
        applied = false;
    } else {
        addStandard(calibration, *addName, viscosity);
    }
    if (!saveCalibration(outPath, calibration))
        return kFileFailed;
    return applied ? kDone : kRefused;
}

} // namespace rheo::cli
