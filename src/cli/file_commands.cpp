// SPDX-License-Identifier: MIT
// standards, merge and convert: the standards table, joining results files, and bringing a
// calibration set forward to the current format.

#include "cli/command_session.hpp"
#include "cli/command_support.hpp"
#include "cli/commands.hpp"
#include "cli/exit_codes.hpp"
#include "cli/json_output.hpp"
#include "cli/output.hpp"
#include "cli/output_paths.hpp"
#include "cli/usage.hpp"
#include "core/calibration/standards.hpp"
#include "core/files/results_join.hpp"

namespace rheo::cli {

int standardsCommand(const Words& words) {
    const std::string name = "standards";
    int status = kDone;
    const auto line = readCommandLine(name, words, status);
    if (!line)
        return status;
    OptionReader options(line->arguments);
    const std::string calibrationPath = options.requiredText("--calibration");
    const Format format = options.format();
    options.refusePlainArguments();
    if (!options.ok())
        return badCommandLine(name, options.error());

    CommandSession command(*line->clock);
    if (!command.loadCalibration(calibrationPath))
        return kFileFailed;
    command.session().BuildTargetPressureRows();
    const CalibrationData& calibration = command.session().calibration();
    Json standards = Json::array();
    for (const ViscosityStandard& standard : calibration.standards) {
        if (format == Format::Text)
            writeRow(stdout, targetPressureRowOf(calibration, standard).texts);
        else
            standards.push_back(rowObject(standardColumns(), StandardRow{calibration, standard}));
    }
    if (format == Format::Json)
        writeJson(standards);
    return kDone;
}

int resultsCommand(const Words& words) {
    const std::string name = "results";
    int status = kDone;
    const auto line = readCommandLine(name, words, status);
    if (!line)
        return status;
    OptionReader options(line->arguments);
    const Format format = options.format();
    const auto& paths = line->arguments.plain();
    if (paths.size() != 1)
        options.complain("needs the one results file to print");
    if (!options.ok())
        return badCommandLine(name, options.error());

    CommandSession command(*line->clock);
    if (!command.loadResults(paths[0]))
        return kFileFailed;
    Json results = Json::array();
    for (const TestResult& result : command.session().results()) {
        if (format == Format::Json)
            results.push_back(resultObject(result));
        else
            writeRow(stdout, FormatResultRow(result));
    }
    if (format == Format::Json)
        writeJson(results);
    return kDone;
}

int mergeCommand(const Words& words) {
    const std::string name = "merge";
    int status = kDone;
    const auto line = readCommandLine(name, words, status);
    if (!line)
        return status;
    OptionReader options(line->arguments);
    const std::string resultsPath = options.requiredText("--results");
    const auto& inputs = line->arguments.plain();
    if (inputs.empty())
        options.complain("at least one results file to join is needed");
    if (!options.ok())
        return badCommandLine(name, options.error());
    // Every input is read before the output is written: joining onto one of them is allowed.
    if (!outputAllowed(resultsPath, {}))
        return kFileFailed;

    // Row by row in the usual case, so that no file is ever held whole in memory.
    if (joinResultsFiles(inputs, resultsPath))
        return kDone;
    // Anything out of the ordinary is left to the program's own load and save, which say what
    // went wrong. Each load puts its rows in front of those already held: loading from the
    // last file to the first leaves the rows of the first file first.
    CommandSession command(*line->clock);
    for (auto input = inputs.rbegin(); input != inputs.rend(); ++input) {
        if (!command.loadResults(*input))
            return kFileFailed;
    }
    return command.saveResults(resultsPath) ? kDone : kFileFailed;
}

int completionCommand(const Words& words) {
    const std::string name = "completion bash";
    int status = kDone;
    const auto line = readCommandLine(name, words, status);
    if (!line)
        return status;
    if (!line->arguments.plain().empty())
        return badCommandLine(name,
                              "unexpected argument \"" + line->arguments.plain().front() + "\"");
    std::fputs(bashCompletion().c_str(), stdout);
    return kDone;
}

int convertCommand(const Words& words) {
    const std::string name = "convert";
    int status = kDone;
    const auto line = readCommandLine(name, words, status);
    if (!line)
        return status;
    const auto& paths = line->arguments.plain();
    if (paths.size() != 2)
        return badCommandLine(name, "needs the file to read and the file to write");
    if (!outputAllowed(paths[1], {paths[0], {}}))
        return kFileFailed;

    CommandSession command(*line->clock);
    if (!command.loadCalibration(paths[0]))
        return kFileFailed;
    return command.saveCalibration(paths[1]) ? kDone : kFileFailed;
}

} // namespace rheo::cli
