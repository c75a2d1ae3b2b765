// SPDX-License-Identifier: MIT
// batch: many sample runs from a CSV file, the accepted ones written as a results file.

#include "cli/command_session.hpp"
#include "cli/command_support.hpp"
#include "cli/commands.hpp"
#include "cli/exit_codes.hpp"
#include "cli/input_table.hpp"
#include "cli/json_output.hpp"
#include "cli/output.hpp"
#include "cli/output_paths.hpp"
#include "core/files/file_names.hpp"
#include "core/runs/run_checks.hpp"
#include "core/text/c_format.hpp"
#include "core/text/program_texts.hpp"
#include "core/text/windows1252.hpp"

namespace rheo::cli {
namespace {

constexpr size_t kRunFieldCount = 5; // cell,newtonian,sample id,pressure,efflux time

struct BatchRun {
    int cellIndex = 0;
    RunInput input;
};

// Reads one line of RUNS.csv. A sample ID may itself hold commas: the first two and the
// last two fields are the numbers, whatever stands between them is the ID. Returns the
// complaint when the line is no run.
std::optional<std::string> readRun(const InputLine& line, BatchRun& run) {
    const auto& fields = line.fields;
    if (fields.size() < kRunFieldCount)
        return "A run needs five fields: cell,newtonian,sample id,pressure,efflux time";
    int cellNumber = 0;
    if (!parseWholeNumber(fields[0], cellNumber) || cellNumber < 1 || cellNumber > kCellCount)
        return "The cell number must be a whole number from 1 to 5, not \"" + fields[0] + "\"";
    const auto newtonian = parseYesNo(fields[1]);
    if (!newtonian)
        return "Newtonian must be 1, 0, Yes or No, not \"" + fields[1] + "\"";
    const std::string& pressure = fields[fields.size() - 2];
    const std::string& effluxTime = fields[fields.size() - 1];
    if (!parseDecimal(pressure, run.input.pressure))
        return "The pressure is not a number: \"" + pressure + "\"";
    if (!parseDecimal(effluxTime, run.input.effluxTime))
        return "The efflux time is not a number: \"" + effluxTime + "\"";
    run.cellIndex = cellNumber - 1;
    run.input.newtonian = *newtonian;
    Windows1252Text sampleId =
        toWindows1252(joinFields(fields, 2, fields.size() - 2), "The sample ID");
    if (!sampleId.converted())
        return sampleId.refusal;
    run.input.sampleId = std::move(sampleId.bytes);
    return std::nullopt;
}

} // namespace

int batchCommand(const Words& words) {
    const std::string name = "batch";
    int status = kDone;
    const auto line = readCommandLine(name, words, status);
    if (!line)
        return status;
    OptionReader options(line->arguments);
    const std::string calibrationPath = options.requiredText("--calibration");
    const std::string runsPath = options.requiredText("--runs");
    const std::string resultsPath = options.requiredText("--results");
    const Format format = options.format();
    options.refusePlainArguments();
    if (!options.ok())
        return badCommandLine(name, options.error());
    if (!outputAllowed(resultsPath, {calibrationPath, {runsPath}}))
        return kFileFailed;

    CommandSession command(*line->clock);
    // A results name the save would refuse is told before any run is read or computed.
    if (!isResultsFileName(resultsPath)) {
        command.dialogs().inform(file_texts::kUseCsvExtension);
        return kFileFailed;
    }
    if (!command.loadCalibration(calibrationPath))
        return kFileFailed;
    InputTable runs(name, runsPath);
    if (!runs.opened())
        return kFileFailed;

    Session& session = command.session();
    bool anyRefused = false;
    Json lines = Json::array(); // one object a line for "--format json"
    InputLine runLine;
    while (runs.next(runLine)) {
        BatchRun run;
        std::optional<std::string> refusal = readRun(runLine, run);
        if (!refusal) {
            const std::vector<std::string> refusals = runFieldRefusals(run.input);
            if (!refusals.empty())
                refusal = refusals.front();
        }
        Json entry = {{"line", runLine.number}};
        if (refusal) {
            writeLineMessage(runLine.number, *refusal);
            anyRefused = true;
            entry.update(refusedRun(*refusal));
        } else {
            // The calculation's own refusal is shown with the line's number in front.
            command.dialogs().setMessagePrefix(cformat("line %d: ", runLine.number));
            session.selectCell(run.cellIndex);
            const RunOutcome outcome = session.runSample(run.input);
            anyRefused |= !std::holds_alternative<RunAccepted>(outcome);
            command.dialogs().setMessagePrefix("");
            if (format == Format::Json)
                entry.update(runObject(outcome));
        }
        if (format == Format::Json)
            lines.push_back(std::move(entry));
    }
    if (runs.endStatus() != kDone)
        return runs.endStatus();
    if (!command.saveResults(resultsPath))
        return kFileFailed;
    if (format == Format::Json)
        writeJson(lines);
    return anyRefused ? kRefused : kDone;
}

} // namespace rheo::cli
