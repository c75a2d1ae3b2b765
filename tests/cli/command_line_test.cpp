// The command line itself: usage on --help, exit 1 with usage for every kind of bad
// command line, and nothing run or written when the command line is bad.

#include "cli_fixtures.hpp"
#include "cli_process.hpp"
#include "support/temp_dir.hpp"

#include <gtest/gtest.h>

#include <filesystem>

namespace rheo::testing {
namespace {

class HelpTest : public ::testing::TestWithParam<std::vector<std::string>> {};

TEST_P(HelpTest, PrintsUsageOnStandardOutputAndSucceeds) {
    const CliRun run = runCli(GetParam());
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out.rfind("Usage:\n", 0), 0u) << run.out;
    EXPECT_EQ(run.err, "");
}

INSTANTIATE_TEST_SUITE_P(
    EverySubcommand, HelpTest,
    ::testing::Values(std::vector<std::string>{"--help"}, std::vector<std::string>{"run", "--help"},
                      std::vector<std::string>{"batch", "--help"},
                      std::vector<std::string>{"recommend", "--cell", "9", "--help"},
                      std::vector<std::string>{"standards", "--help"},
                      std::vector<std::string>{"merge", "--help"},
                      std::vector<std::string>{"convert", "--help"},
                      std::vector<std::string>{"calibrate", "--help"},
                      std::vector<std::string>{"calibrate", "volume", "--help"},
                      std::vector<std::string>{"calibrate", "standard", "--help"},
                      std::vector<std::string>{"report", "results", "--help"}));

TEST(OutputTest, OutputThatCannotBeWrittenIsAFailure) {
    const CliRun run = runShell("'" + cliBinary() + "' --help > /dev/full");
    EXPECT_EQ(run.exitCode, 2);
}

struct BadLine {
    const char* what;
    std::vector<std::string> arguments;
    const char* complaint; // part of the first line of standard error
};

class BadCommandLineTest : public ::testing::TestWithParam<BadLine> {};

TEST_P(BadCommandLineTest, ExitsWithOneAndUsageWithoutTouchingFiles) {
    TempDir dir;
    const std::string calibration = dir.write("RHEO.dat", workedExampleCalibration());
    std::vector<std::string> arguments;
    for (const std::string& word : GetParam().arguments)
        arguments.push_back(word == "CAL"   ? calibration
                            : word == "OUT" ? dir.file("out.dat")
                                            : word);

    const CliRun run = runCli(arguments);
    EXPECT_EQ(run.exitCode, 1) << GetParam().what;
    EXPECT_NE(run.err.find(GetParam().complaint), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("Usage:\n"), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_FALSE(std::filesystem::exists(dir.file("out.dat")));
}

const std::vector<std::string> kRun = {"run", "--calibration", "CAL", "--cell", "1"};

std::vector<std::string> runWith(std::vector<std::string> more) {
    std::vector<std::string> words = kRun;
    words.insert(words.end(), more.begin(), more.end());
    return words;
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, BadCommandLineTest,
    ::testing::Values(
        BadLine{"nothing", {}, "Usage:"},
        BadLine{"unknown subcommand", {"fly"}, "unknown subcommand"},
        BadLine{"calibrate alone", {"calibrate"}, "unknown subcommand"},
        BadLine{"unknown option", runWith({"--pressure", "200", "--efflux-time", "18", "--fast"}),
                "unknown option --fast"},
        BadLine{"missing value", runWith({"--pressure", "200", "--efflux-time"}),
                "--efflux-time needs a value"},
        BadLine{"missing option", runWith({"--pressure", "200"}), "--efflux-time is required"},
        BadLine{"comma as decimal point", runWith({"--pressure", "200,5", "--efflux-time", "18"}),
                "--pressure needs a decimal number"},
        BadLine{"trailing junk", runWith({"--pressure", "200psi", "--efflux-time", "18"}),
                "--pressure needs a decimal number"},
        BadLine{"fractional cell",
                {"run", "--calibration", "CAL", "--cell", "1.5", "--pressure", "200",
                 "--efflux-time", "18"},
                "--cell needs a whole number"},
        BadLine{"cell 6",
                {"run", "--calibration", "CAL", "--cell", "6", "--pressure", "200", "--efflux-time",
                 "18"},
                "cell number from 1 to 5"},
        BadLine{"repeated option",
                runWith({"--pressure", "200", "--pressure", "300", "--efflux-time", "18"}),
                "given twice"},
        BadLine{"stray argument", runWith({"--pressure", "200", "--efflux-time", "18", "extra"}),
                "unexpected argument"},
        BadLine{"malformed --at",
                runWith({"--pressure", "200", "--efflux-time", "18", "--at", "2014-3-5 9:07"}),
                "--at needs a date and time"},
        BadLine{"no such date",
                runWith({"--pressure", "200", "--efflux-time", "18", "--at", "2014-02-30 09:07"}),
                "--at needs a date and time"},
        BadLine{"whole number with fraction",
                {"calibrate", "settings", "--out", "OUT", "--temperature", "100.5"},
                "--temperature needs a whole number"},
        BadLine{
            "both report outputs",
            {"report", "calibration", "--calibration", "CAL", "--pdf", "a.pdf", "--trace", "OUT"},
            "exactly one of --pdf"},
        BadLine{"convert with one file", {"convert", "CAL"}, "needs the file to read"},
        BadLine{"merge without input", {"merge", "--results", "OUT"}, "at least one"},
        BadLine{"delete and add at once",
                {"calibrate", "standard", "--out", "OUT", "--delete", "A", "--name", "B"},
                "cannot be combined"}),
    [](const ::testing::TestParamInfo<BadLine>& param) {
        std::string name = param.param.what;
        for (char& c : name)
            c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        return name;
    });

} // namespace
} // namespace rheo::testing
