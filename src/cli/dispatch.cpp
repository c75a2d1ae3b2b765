// SPDX-License-Identifier: MIT
// rheo-cli's command line: the subcommand it names, or the usage.

#include "cli/command_support.hpp"
#include "cli/commands.hpp"
#include "cli/exit_codes.hpp"
#include "cli/output.hpp"
#include "cli/usage.hpp"
#include "core/model/version.hpp"

#include <cstdio>
#include <new>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using rheo::cli::Words;

struct Subcommand {
    const char* name;
    int (*run)(const Words&);
};

const Subcommand kSubcommands[] = {
    {"run", rheo::cli::runCommand},
    {"batch", rheo::cli::batchCommand},
    {"recommend", rheo::cli::recommendCommand},
    {"standards", rheo::cli::standardsCommand},
    {"results", rheo::cli::resultsCommand},
    {"merge", rheo::cli::mergeCommand},
    {"convert", rheo::cli::convertCommand},
    {"calibrate settings", rheo::cli::calibrateSettingsCommand},
    {"calibrate cell", rheo::cli::calibrateCellCommand},
    {"calibrate volume", rheo::cli::calibrateVolumeCommand},
    {"calibrate ab", rheo::cli::calibrateAbCommand},
    {"calibrate standard", rheo::cli::calibrateStandardCommand},
    {"report calibration", rheo::cli::reportCalibrationCommand},
    {"report results", rheo::cli::reportResultsCommand},
    {"completion bash", rheo::cli::completionCommand},
    {"history", rheo::cli::historyCommand},
};

// Every file is saved through a temporary file and renamed over the old one only when
// complete, so stopping here leaves each file either as it was or as written.
void reportOutOfMemory() {
    static const char kMessage[] =
        "rheo-cli: there is not enough memory to go on; the command was stopped.\n";
    std::fputs(kMessage, stderr);
}

bool hasSecondWord(const std::string& family) {
    for (const rheo::cli::CommandOptions& command : rheo::cli::commandTable()) {
        if (command.name.rfind(family + " ", 0) == 0)
            return true;
    }
    return false;
}

int dispatch(const Words& words) {
    using namespace rheo::cli;
    if (words.empty()) {
        std::fputs(generalUsage().c_str(), stderr);
        return kBadCommandLine;
    }
    if (words[0] == "--help" || words[0] == "help") {
        std::fputs(generalUsage().c_str(), stdout);
        return kDone;
    }
    if (words[0] == "--version") {
        std::printf("%s\n", rheo::kVersionText);
        return kDone;
    }
    std::string name = words[0];
    size_t used = 1;
    if (hasSecondWord(name) && words.size() > 1 && words[1].rfind("--", 0) != 0) {
        name += " " + words[1];
        used = 2;
    }
    const Words rest(words.begin() + static_cast<std::ptrdiff_t>(used), words.end());
    for (const Subcommand& subcommand : kSubcommands) {
        if (name == subcommand.name) {
            if (asksForHelp(rest)) {
                std::fputs(commandUsage(name).c_str(), stdout);
                return kDone;
            }
            return subcommand.run(rest);
        }
    }
    if (hasSecondWord(name) && asksForHelp(rest)) {
        std::fputs(commandUsage(name).c_str(), stdout);
        return kDone;
    }
    return badCommandLine(name, "unknown subcommand");
}

} // namespace

namespace rheo::cli {

int runCommandLine(const Words& words) {
    try {
        return dispatch(words);
    } catch (const std::bad_alloc&) {
        reportOutOfMemory();
    } catch (const std::length_error&) {
        reportOutOfMemory();
    }
    return kFileFailed;
}

} // namespace rheo::cli
