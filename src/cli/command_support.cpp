// SPDX-License-Identifier: MIT
#include "cli/command_support.hpp"

#include "cli/history_command.hpp"

#include "cli/clock.hpp"
#include "cli/exit_codes.hpp"
#include "cli/output.hpp"
#include "cli/usage.hpp"

namespace rheo::cli {

int badCommandLine(const std::string& command, const std::string& complaint) {
    writeLine(stderr, "rheo-cli " + command + ": " + complaint);
    std::fputs(commandUsage(command).c_str(), stderr);
    return kBadCommandLine;
}

std::optional<CommandLine> readCommandLine(const std::string& command,
                                           const std::vector<std::string>& words, int& exitCode) {
    std::string complaint;
    auto arguments = Arguments::parse(words, optionsOf(command), complaint);
    if (!arguments) {
        exitCode = badCommandLine(command, complaint);
        return std::nullopt;
    }
    CommandLine line{*arguments, {}};
    if (arguments->has("--no-history"))
        declineHistory();
    if (const auto at = arguments->value("--at")) {
        const auto parsed = parseAtTime(*at);
        if (!parsed) {
            exitCode = badCommandLine(command, "--at needs a date and time as \"YYYY-MM-DD "
                                               "HH:MM\", not \"" +
                                                   *at + "\"");
            return std::nullopt;
        }
        line.clock = std::make_shared<FixedClock>(*parsed);
    } else {
        line.clock = std::make_shared<LocalClock>();
    }
    return line;
}

} // namespace rheo::cli
