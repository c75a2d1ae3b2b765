// SPDX-License-Identifier: MIT
// calibrate volume and calibrate ab: weighings and standard-oil runs from CSV files, each
// line one Add of the volume or A/B dialog, then what that dialog shows.

#include "cli/command_session.hpp"
#include "cli/command_support.hpp"
#include "cli/commands.hpp"
#include "cli/exit_codes.hpp"
#include "cli/input_table.hpp"
#include "cli/json_output.hpp"
#include "cli/output.hpp"
#include "core/calibration/ab_regression.hpp"
#include "core/calibration/point_texts.hpp"
#include "core/calibration/volume_calculation.hpp"
#include "core/model/field_rules.hpp"
#include "core/text/c_format.hpp"
#include "core/text/program_texts.hpp"
#include "core/text/windows1252.hpp"

#include <functional>
#include <string_view>

namespace rheo::cli {
namespace {

struct ListCommand {
    CalibrationFiles files;
    int cellIndex = 0;
    std::string tablePath;
    Format format = Format::Text;
    std::shared_ptr<const Clock> clock;
};

std::optional<ListCommand> readListCommand(const std::string& name, const Words& words,
                                           const std::string& tableOption, int& status) {
    const auto line = readCommandLine(name, words, status);
    if (!line)
        return std::nullopt;
    OptionReader options(line->arguments);
    ListCommand command;
    command.clock = line->clock;
    command.files = {options.text("--calibration"), options.requiredText("--out")};
    command.cellIndex = options.requiredCellIndex("--cell");
    command.tablePath = options.requiredText(tableOption);
    command.format = options.format();
    if (const auto refused =
            calibrateCommandLineRefused(name, options, command.files, {command.tablePath})) {
        status = *refused;
        return std::nullopt;
    }
    return command;
}

// Reads the fields [0, count) of a line as decimal numbers; the complaint when one is none.
std::optional<std::string> readNumbers(const InputLine& line, const char* const* names,
                                       size_t count, double* values) {
    for (size_t i = 0; i < count; ++i) {
        if (!parseDecimal(line.fields[i], values[i]))
            return std::string("The ") + names[i] + " is not a number: \"" + line.fields[i] + "\"";
    }
    return std::nullopt;
}

// The first of the fields' own checks that refuses its value, in the dialog's field order.
std::optional<std::string> firstFieldRefusal(const NumberField* fields, const double* values,
                                             size_t count) {
    for (size_t i = 0; i < count; ++i) {
        if (auto message = fieldRefusal(fields[i], values[i]))
            return message;
    }
    return std::nullopt;
}

// One line of W.csv: tare weight, full weight, density.
std::optional<std::string> addWeighing(CalibrationEdit& edit, const InputLine& line,
                                       bool& noticeDue) {
    if (line.fields.size() != 3)
        return "A weighing needs three fields: tare weight,full weight,density";
    static const char* const kNames[] = {"tare weight", "full weight", "density"};
    static const NumberField kFields[] = {NumberField::TareWeight, NumberField::FullWeight,
                                          NumberField::Density};
    double values[3] = {};
    if (auto complaint = readNumbers(line, kNames, 3, values))
        return complaint;
    if (auto refusal = firstFieldRefusal(kFields, values, 3))
        return refusal;
    const PointOutcome outcome = edit.addVolumePointFromDialog(values[0], values[1], values[2]);
    if (outcome.rejected())
        return outcome.rejection;
    noticeDue = outcome.noticeDue;
    return std::nullopt;
}

// One line of P.csv: known viscosity, pressure, efflux time, newtonian, standard name. The
// name is the rest of the line, commas included.
std::optional<std::string> addStandardRun(CalibrationEdit& edit, const InputLine& line,
                                          AbLabels& labels, bool& noticeDue) {
    if (line.fields.size() < 5)
        return "A standard run needs five fields: known viscosity,pressure,efflux time,"
               "newtonian,standard name";
    static const char* const kNames[] = {"known viscosity", "pressure", "efflux time"};
    static const NumberField kFields[] = {NumberField::KnownViscosity, NumberField::AbPressure,
                                          NumberField::AbEffluxTime};
    double values[3] = {};
    if (auto complaint = readNumbers(line, kNames, 3, values))
        return complaint;
    const auto newtonian = parseYesNo(line.fields[3]);
    if (!newtonian)
        return "Newtonian must be 1, 0, Yes or No, not \"" + line.fields[3] + "\"";
    if (auto refusal = firstFieldRefusal(kFields, values, 3))
        return refusal;
    Windows1252Text typedName =
        toWindows1252(joinFields(line.fields, 4, line.fields.size()), "The standard name");
    if (!typedName.converted())
        return typedName.refusal;
    const std::string standardName = cleanAbStandardName(typedName.bytes);
    const PointOutcome outcome =
        edit.addAbPointFromDialog(values[0], values[1], values[2], *newtonian, standardName);
    if (outcome.rejected())
        return outcome.rejection;
    labels = outcome.pointCount < kAbFewestPointsForFit ? abLabelsBeforeFit()
                                                        : abLabelsOf(edit.cellData());
    noticeDue = outcome.noticeDue;
    return std::nullopt;
}

// Applies each line of a CSV input as one Add of the dialog; a refused line is reported
// with its line number and skipped.
struct LinesApplied {
    bool anyRejected = false;
    bool anyAdded = false;
};

template <typename AddOne> LinesApplied applyLines(InputTable& lines, AddOne addOne) {
    LinesApplied applied;
    InputLine line;
    while (lines.next(line)) {
        if (const auto rejection = addOne(line)) {
            writeLineMessage(line.number, *rejection);
            applied.anyRejected = true;
        } else {
            applied.anyAdded = true;
        }
    }
    return applied;
}

// One calibrate list command: each line of its CSV input is one Add of the dialog on the
// cell, a refused line is told with its number and skipped, the notice follows the last
// Add when it is due, then OK and the save; `print` shows what the dialog's list then shows.
int runListCommand(
    const std::string& name, const Words& words, const std::string& tableOption,
    CalibrationDialog dialog, std::string_view notice,
    const std::function<void(CalibrationEdit&)>& open,
    const std::function<std::optional<std::string>(CalibrationEdit&, const InputLine&, bool&)>& add,
    const std::function<void(const CellCalibration&, Format)>& print) {
    int status = kDone;
    const auto listCommand = readListCommand(name, words, tableOption, status);
    if (!listCommand)
        return status;
    CommandSession command(*listCommand->clock);
    if (!command.loadCalibrationIfGiven(listCommand->files.calibrationPath))
        return kFileFailed;
    InputTable lines(name, listCommand->tablePath);
    if (!lines.opened())
        return kFileFailed;

    bool noticeDue = false;
    status = editCalibration(
        command, listCommand->files.outPath, dialog, [&](CalibrationEdit& edit) -> int {
            edit.selectCell(listCommand->cellIndex);
            if (open)
                open(edit);
            const LinesApplied applied = applyLines(
                lines, [&](const InputLine& line) { return add(edit, line, noticeDue); });
            if (lines.endStatus() != kDone)
                return lines.endStatus();
            if (applied.anyAdded && noticeDue)
                writeLine(stderr, std::string(notice));
            return applied.anyRejected ? kRefused : kDone;
        });
    if (status != kDone && status != kRefused)
        return status;
    print(command.session().calibration().cells[listCommand->cellIndex], listCommand->format);
    return status;
}

} // namespace

int calibrateVolumeCommand(const Words& words) {
    return runListCommand(
        "calibrate volume", words, "--weighings", CalibrationDialog::CellVolumes,
        calibration_texts::kVolumeNotice, {}, addWeighing,
        [](const CellCalibration& cell, Format format) {
            const VolumeLabels labels = volumeLabelsOf(cell);
            if (format == Format::Json) {
                Json weighings = Json::array();
                for (const VolumePoint& point : cell.volumePoints)
                    weighings.push_back(rowObject(volumePointColumns(), point));
                writeJson({{"weighings", std::move(weighings)},
                           {"averageVolume", shownNumber(labels.volume)},
                           {"averageT0", shownNumber(labels.t0)}});
                return;
            }
            for (const VolumePoint& point : cell.volumePoints)
                writeRow(stdout, volumePointRow(point));
            writeRow(stdout, std::array<std::string, 2>{"Average Volume (ml):", labels.volume});
            writeRow(stdout, std::array<std::string, 2>{"Average Target Efflux Time (T0) (sec):",
                                                        labels.t0});
        });
}

int calibrateAbCommand(const Words& words) {
    AbLabels labels;
    return runListCommand(
        "calibrate ab", words, "--points", CalibrationDialog::AbCalculation,
        calibration_texts::kAbRegressionNotice,
        [&](CalibrationEdit& edit) { labels = abLabelsOf(edit.cellData()); }, // as it opens
        [&](CalibrationEdit& edit, const InputLine& line, bool& noticeDue) {
            return addStandardRun(edit, line, labels, noticeDue);
        },
        [&](const CellCalibration& cell, Format format) {
            if (format == Format::Json) {
                Json points = Json::array();
                for (const AbPoint& point : cell.abPoints)
                    points.push_back(rowObject(abPointColumns(), point));
                writeJson({{"points", std::move(points)},
                           {"a", shownNumber(labels.a)},
                           {"b", shownNumber(labels.b)},
                           {"rmsPercentDiff", shownNumber(labels.rms)}});
                return;
            }
            for (const AbPoint& point : cell.abPoints)
                writeRow(stdout, abPointRow(point));
            writeRow(stdout, std::array<std::string, 2>{"A:", labels.a});
            writeRow(stdout, std::array<std::string, 2>{"B:", labels.b});
            writeRow(stdout, std::array<std::string, 2>{"RMS % Diff:", labels.rms});
        });
}

} // namespace rheo::cli
