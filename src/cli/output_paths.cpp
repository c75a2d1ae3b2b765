// SPDX-License-Identifier: MIT
#include "cli/output_paths.hpp"

#include "cli/output.hpp"
#include "core/files/calibration_file.hpp"
#include "core/files/file_names.hpp"
#include "core/files/input_file.hpp"
#include "core/files/output_target.hpp"
#include "core/files/safe_file_writer.hpp"
#include "core/text/program_texts.hpp"

namespace rheo::cli {
namespace {

// A file of the older format is read together with the companion files beside it.
std::vector<std::string> companionsOf(const std::string& calibration) {
    const InputFile file = openInputFile(calibration);
    if (!file)
        return {};
    LineReader reader(file.get());
    std::string firstLine;
    reader.next(firstLine);
    if (isCalibrationIdentification(firstLine))
        return {};
    std::vector<std::string> companions;
    const std::string directory = directoryOf(calibration);
    for (const char* name : {file_texts::kVersion1SettingsName, file_texts::kVersion1StandardsName})
        if (const auto found = findFileIgnoringCase(directory, name))
            companions.push_back(*found);
    return companions;
}

bool refuse(const std::string& output, const std::string& reason) {
    writeLine(stderr, saveFailedMessage(output, reason));
    return false;
}

} // namespace

bool outputAllowed(const std::string& output, const ReadFiles& read, InPlace inPlace) {
    if (const auto refusal = outputTargetRefusal(output))
        return refuse(output, *refusal);
    std::vector<std::string> inputs = read.others;
    if (read.calibration) {
        if (inPlace == InPlace::No)
            inputs.push_back(*read.calibration);
        for (std::string& companion : companionsOf(*read.calibration))
            inputs.push_back(std::move(companion));
    }
    for (const std::string& input : inputs)
        if (isSameFile(output, input))
            return refuse(output, "It is the same file as " + input + ", which this command reads");
    return true;
}

} // namespace rheo::cli
