// SPDX-License-Identifier: MIT
#pragma once
// The subcommands of rheo-cli with the options each accepts: one table, from which the
// command line is read, the usage texts are listed and the bash completion is written.

#include "cli/arguments.hpp"

#include <string>
#include <vector>

namespace rheo::cli {

struct CommandOptions {
    std::string name; // "run", "calibrate volume" ...
    std::vector<AcceptedOption> options;
};

// Every subcommand in the order of the usage text.
const std::vector<CommandOptions>& commandTable();

// The options of a subcommand of the table ("--help" and "--at" come on top).
const std::vector<AcceptedOption>& optionsOf(const std::string& command);

// Every subcommand with its options.
std::string generalUsage();

// The usage of one subcommand ("run", "calibrate volume", "report" ...); the general
// usage for a name it does not know.
std::string commandUsage(const std::string& command);

// The bash completion script ("rheo-cli completion bash"), from the table.
std::string bashCompletion();

} // namespace rheo::cli
