// SPDX-License-Identifier: MIT
#pragma once
// Runs the real rheo-cli binary through /bin/sh, the way a script calls it, and writes the
// calibration files the tests start from.

#include "core/files/calibration_lines.hpp"
#include "core/model/field_rules.hpp"
#include "core/text/program_texts.hpp"
#include "support/temp_dir.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/wait.h>

namespace rheo::testing {

struct CliRun {
    int exitCode = -1; // -1 when the shell did not end normally
    std::string out, err;
    bool operator==(const CliRun&) const = default;
};
inline void PrintTo(const CliRun& run, std::ostream* os) {
    *os << "exit " << run.exitCode << ", out " << ::testing::PrintToString(run.out) << ", err "
        << ::testing::PrintToString(run.err);
}

// The core's message for a refused field or text, as standard error shows it.
inline std::string told(NumberField field) {
    return std::string(fieldMessage(field)) + "\n";
}
inline std::string told(FileText text, const std::string& value) {
    return *fileTextRefusal(text, value) + "\n";
}

// `text` as one shell word, whatever it holds (blanks, quotes, line breaks).
inline std::string quoted(const std::string& text) {
    std::string word = "'";
    for (const char c : text)
        word += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return word + "'";
}

// A shell command line run without standard input; what it writes is captured.
inline CliRun runShell(const std::string& commandLine) {
    TempDir captured;
    const std::string out = captured.file("out"), err = captured.file("err");
    const int status = std::system(
        ("(" + commandLine + ") </dev/null >" + quoted(out) + " 2>" + quoted(err)).c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, TempDir::read(out), TempDir::read(err)};
}

inline const std::string kCli = quoted(RHEO_CLI_BINARY);
// The first line of every results file (its bytes are checked with the core).
inline const std::string kResultsHeader = std::string(file_texts::kResultsHeader) + "\r\n";
inline const std::string kGerman = "LC_ALL=de_DE.UTF-8 LANG=de_DE.UTF-8";

// A file of the example calibration set; example() gives it as a shell word.
inline std::string examplePath(const std::string& name) {
    return std::string(RHEO_SOURCE_DIR) + "/examples/" + name;
}
inline std::string example(const std::string& name) {
    return quoted(examplePath(name));
}

// Cell 1 is the worked example cell: A 0.0025, B 9, T0 18 s, V 6 ml, r 0.075 mm, window
// `minShearRate` to 1.2 (units of 1e6 1/s), working shear rate 1.1, length 15 mm, RMS 0.5;
// `cell1Weighings` follow its line. Cells 2 to 5 are not calibrated.
inline std::string calibration(const std::string& minShearRate = "1.00000000",
                               const std::string& cell1Weighings = "") {
    return "RHEO Version 2\r\nTest Laboratory\r\nSN 17\r\n150\r\n1\r\n1.10000000 " + minShearRate +
           " 1.20000000 0.07500000 15.00000000 0.00250000 9.00000000 0.50000000 6.00000000 "
           "18.00000000\r\n" +
           cell1Weighings + "0\r\n0\r\n0\r\n0\r\n"; // cells 2 to 5: one zero each
}

// Each test works in a fresh directory of its own and names its files without a path.
class CliTest : public ::testing::Test {
protected:
    // rheo-cli with `arguments` (shell words), after the variable settings in `environment`.
    CliRun cli(const std::string& arguments, const std::string& environment = "") const {
        return runShell("cd " + quoted(dir.path().string()) + " && " + environment + " " + kCli +
                        " " + arguments);
    }
    std::string put(const std::string& name, const std::string& bytes) const {
        dir.write(name, bytes);
        return name;
    }
    std::string read(const std::string& name) const { return TempDir::read(dir.file(name)); }
    bool exists(const std::string& name) const { return std::filesystem::exists(dir.file(name)); }
    TempDir dir;
};

} // namespace rheo::testing
