#pragma once
// Runs the real rheo-cli binary in a child process and captures what it wrote and how it
// ended, the way a script calling it would see it.

#include <string>
#include <utility>
#include <vector>

namespace rheo::testing {

struct CliRun {
    int exitCode = -1; // -1 when the process did not end normally
    std::string out;
    std::string err;
};

struct CliEnvironment {
    // Variables set (or replaced) for the child; the rest of the environment is inherited.
    std::vector<std::pair<std::string, std::string>> variables;
    std::string workingDirectory; // empty: the test's own
};

CliRun runCli(const std::vector<std::string>& arguments, const CliEnvironment& environment = {});

// Runs a shell command line (for the example script); stdout and stderr captured.
CliRun runShell(const std::string& commandLine);

// The path of the binary under test.
std::string cliBinary();

} // namespace rheo::testing
