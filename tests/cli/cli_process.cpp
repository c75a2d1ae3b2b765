#include "cli_process.hpp"

#include "support/temp_dir.hpp"

#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace rheo::testing {
namespace {

// The child's environment: the test's own with the given variables replaced.
std::vector<std::string> childEnvironment(const CliEnvironment& environment) {
    std::vector<std::string> entries;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string text = *entry;
        const std::string name = text.substr(0, text.find('='));
        bool replaced = false;
        for (const auto& [variable, value] : environment.variables)
            replaced |= variable == name;
        if (!replaced)
            entries.push_back(text);
    }
    for (const auto& [variable, value] : environment.variables)
        entries.push_back(variable + "=" + value);
    return entries;
}

CliRun runProgram(const std::string& program, const std::vector<std::string>& arguments,
                  const CliEnvironment& environment) {
    TempDir captured;
    const std::string outPath = captured.file("stdout");
    const std::string errPath = captured.file("stderr");

    std::vector<std::string> words = {program};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (auto& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    std::vector<std::string> variables = childEnvironment(environment);
    std::vector<char*> envp;
    for (auto& variable : variables)
        envp.push_back(variable.data());
    envp.push_back(nullptr);

    const pid_t child = fork();
    if (child == 0) {
        const int in = open("/dev/null", O_RDONLY);
        const int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (in < 0 || out < 0 || err < 0 || dup2(in, 0) < 0 || dup2(out, 1) < 0 || dup2(err, 2) < 0)
            _exit(127);
        if (!environment.workingDirectory.empty() &&
            chdir(environment.workingDirectory.c_str()) != 0)
            _exit(127);
        execve(program.c_str(), argv.data(), envp.data());
        _exit(127);
    }
    CliRun run;
    int status = 0;
    if (child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status))
        run.exitCode = WEXITSTATUS(status);
    run.out = TempDir::read(outPath);
    run.err = TempDir::read(errPath);
    return run;
}

} // namespace

std::string cliBinary() {
    return RHEO_CLI_BINARY;
}

CliRun runCli(const std::vector<std::string>& arguments, const CliEnvironment& environment) {
    return runProgram(cliBinary(), arguments, environment);
}

CliRun runShell(const std::string& commandLine) {
    return runProgram("/bin/sh", {"-c", commandLine}, {});
}

} // namespace rheo::testing
