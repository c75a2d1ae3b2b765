// SPDX-License-Identifier: MIT
#pragma once
// What every subcommand does the same way: reading its command line, the time that stands
// for the local clock, and reading and writing the program's files through the core's own
// file rules.

#include "cli/arguments.hpp"
#include "cli/command_line_dialogs.hpp"
#include "core/model/model.hpp"
#include "core/seams/clock.hpp"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace rheo::cli {

// Writes "rheo-cli COMMAND: " + complaint and the command's usage to standard error;
// returns the exit status of a bad command line.
int badCommandLine(const std::string& command, const std::string& complaint);

// The command line of a subcommand, with the clock it runs by: the time of --at, or the
// local clock.
struct CommandLine {
    Arguments arguments;
    std::shared_ptr<const Clock> clock;
};

// Reads the words after the subcommand's name against the options the table of subcommands
// gives it (usage.hpp). On a bad command line the complaint and
// the usage are already written and `exitCode` holds the status to return.
std::optional<CommandLine> readCommandLine(const std::string& command,
                                           const std::vector<std::string>& words, int& exitCode);

} // namespace rheo::cli
