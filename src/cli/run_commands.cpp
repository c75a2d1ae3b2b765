// SPDX-License-Identifier: MIT
// run and recommend: one sample run, and the recommendation for an estimated viscosity.

#include "cli/command_session.hpp"
#include "cli/command_support.hpp"
#include "cli/commands.hpp"
#include "cli/exit_codes.hpp"
#include "cli/json_output.hpp"
#include "cli/output.hpp"
#include "core/model/field_rules.hpp"
#include "core/runs/run_checks.hpp"

namespace rheo::cli {

int runCommand(const Words& words) {
    const std::string name = "run";
    int status = kDone;
    const auto line = readCommandLine(name, words, status);
    if (!line)
        return status;
    OptionReader options(line->arguments);
    const std::string calibrationPath = options.requiredText("--calibration");
    const int cellIndex = options.requiredCellIndex("--cell");
    RunInput input;
    input.pressure = options.requiredDecimal("--pressure");
    input.effluxTime = options.requiredDecimal("--efflux-time");
    input.newtonian = !line->arguments.has("--non-newtonian");
    const std::string typedSampleId = options.text("--sample-id").value_or("");
    const Format format = options.format();
    options.refusePlainArguments();
    if (!options.ok())
        return badCommandLine(name, options.error());

    CommandSession command(*line->clock);
    if (!command.loadCalibration(calibrationPath))
        return kFileFailed;
    Session& session = command.session();
    session.selectCell(cellIndex);

    // The refusals before the calculation: the sample ID, then the form's own field checks.
    Windows1252Text sampleId = toWindows1252(typedSampleId, "The sample ID");
    input.sampleId = sampleId.bytes;
    std::vector<std::string> refusals = runFieldRefusals(input);
    if (!sampleId.converted())
        refusals.insert(refusals.begin(), sampleId.refusal);
    if (!refusals.empty()) {
        std::string message;
        for (const std::string& refusal : refusals) {
            writeMessage(stderr, refusal);
            message += (message.empty() ? "" : "\n") + refusal;
        }
        if (format == Format::Json)
            writeJson(refusedRun(windows1252ToUtf8(message)));
        return kRefused;
    }

    // A refused run has shown its message.
    const RunOutcome outcome = session.runSample(input);
    if (format == Format::Json)
        writeJson(runObject(outcome));
    if (const auto* accepted = std::get_if<RunAccepted>(&outcome)) {
        if (format == Format::Text)
            writeRow(stdout, FormatResultRow(accepted->result));
        return kDone;
    }
    return kRefused;
}

int recommendCommand(const Words& words) {
    const std::string name = "recommend";
    int status = kDone;
    const auto line = readCommandLine(name, words, status);
    if (!line)
        return status;
    OptionReader options(line->arguments);
    const std::string calibrationPath = options.requiredText("--calibration");
    const int cellIndex = options.requiredCellIndex("--cell");
    const double viscosity = options.requiredDecimal("--viscosity");
    const Format format = options.format();
    options.refusePlainArguments();
    if (!options.ok())
        return badCommandLine(name, options.error());

    CommandSession command(*line->clock);
    if (!command.loadCalibration(calibrationPath))
        return kFileFailed;
    if (const auto message = fieldRefusal(NumberField::EstimatedViscosity, viscosity)) {
        writeLine(stderr, *message);
        return kRefused;
    }
    command.session().selectCell(cellIndex);
    const RecommendationText texts = command.session().recommendation(viscosity);
    if (format == Format::Json) {
        // The pressure is the number the text starts with, when it starts with one.
        const std::string pressure = texts.recommendedPressure.substr(
            0,
            texts.recommendedPressure.find(' ', texts.recommendedPressure.find_first_not_of(' ')));
        writeJson({{"recommendedPressure", shownNumber(pressure)},
                   {"recommendedPressureText", programText(texts.recommendedPressure)},
                   {"targetEffluxTime", shownNumber(texts.targetEffluxTime)}});
        return kDone;
    }
    writeLine(stdout, texts.recommendedPressure);
    writeLine(stdout, texts.targetEffluxTime);
    return kDone;
}

} // namespace rheo::cli
