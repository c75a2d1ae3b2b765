#pragma once
// The usage texts of rheo-cli and of each subcommand.

#include <string>

namespace rheo::cli {

// Every subcommand with its options.
std::string generalUsage();

// The usage of one subcommand ("run", "calibrate volume", "report" ...); the general
// usage for a name it does not know.
std::string commandUsage(const std::string& command);

} // namespace rheo::cli
