// run and recommend: one sample run, and the recommendation for an estimated viscosity.

#include "cli/command_session.hpp"
#include "cli/command_support.hpp"
#include "cli/commands.hpp"
#include "cli/exit_codes.hpp"
#include "cli/output.hpp"
#include "core/model/field_rules.hpp"
#include "core/runs/run_checks.hpp"

namespace rheo::cli {

int runCommand(const Words& words) {
    const std::string name = "run";
    int status = kDone;
    const auto line = readCommandLine(name, words,
                                      {{"--calibration"},
                                       {"--cell"},
                                       {"--pressure"},
                                       {"--efflux-time"},
                                       {"--non-newtonian", false},
                                       {"--sample-id"}},
                                      status);
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
    options.refusePlainArguments();
    if (!options.ok())
        return badCommandLine(name, options.error());

    CommandSession command(*line->clock);
    if (!command.loadCalibration(calibrationPath))
        return kFileFailed;
    Session& session = command.session();
    session.selectCell(cellIndex);

    const auto sampleId = fileText(typedSampleId, "The sample ID");
    if (!sampleId)
        return kRefused;
    input.sampleId = *sampleId;

    // The form's own field checks come first.
    const std::vector<std::string> refusals = runFieldRefusals(input);
    for (const std::string& message : refusals)
        writeLine(stderr, message);
    if (!refusals.empty())
        return kRefused;

    // A refused run has shown its message.
    const RunOutcome outcome = session.runSample(input);
    if (const auto* accepted = std::get_if<RunAccepted>(&outcome)) {
        writeRow(stdout, FormatResultRow(accepted->result));
        return kDone;
    }
    return kRefused;
}

int recommendCommand(const Words& words) {
    const std::string name = "recommend";
    int status = kDone;
    const auto line =
        readCommandLine(name, words, {{"--calibration"}, {"--cell"}, {"--viscosity"}}, status);
    if (!line)
        return status;
    OptionReader options(line->arguments);
    const std::string calibrationPath = options.requiredText("--calibration");
    const int cellIndex = options.requiredCellIndex("--cell");
    const double viscosity = options.requiredDecimal("--viscosity");
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
    writeLine(stdout, texts.recommendedPressure);
    writeLine(stdout, texts.targetEffluxTime);
    return kDone;
}

} // namespace rheo::cli
