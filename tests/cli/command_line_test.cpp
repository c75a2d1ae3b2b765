// SPDX-License-Identifier: MIT
// The command line itself: usage on --help, the version on --version, exit 1 with usage for
// every kind of bad command line (nothing run, nothing written), and output that cannot be
// written.

#include "cli/commands.hpp"
#include "cli_harness.hpp"
#include "core/model/version.hpp"

#include <iterator>
#include <sstream>

namespace rheo::testing {
namespace {

using CommandLineTest = CliTest;

// Through the library rheo_cli, in this process: no program is started.
TEST_F(CommandLineTest, HelpPrintsUsageOnStandardOutputWhateverElseStandsThere) {
    for (const char* arguments : {"--help", "recommend --cell 9 --help", "calibrate volume --help",
                                  "report results --help", "completion bash --help"}) {
        SCOPED_TRACE(arguments);
        std::istringstream words(arguments);
        ::testing::internal::CaptureStdout();
        ::testing::internal::CaptureStderr();
        EXPECT_EQ(cli::runCommandLine({std::istream_iterator<std::string>(words), {}}), 0);
        EXPECT_EQ(::testing::internal::GetCapturedStdout().rfind("Usage:\n", 0), 0u);
        EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
    }
}

// The completion script, loaded into bash, offers the subcommands, the second words and each
// subcommand's options.
TEST_F(CommandLineTest, BashCompletionOffersWhatTheCommandLineAccepts) {
    const std::pair<std::string, std::string> cases[] = {{"re", "recommend results report"},
                                                         {"calibrate v", "volume"},
                                                         {"run --e", "--efflux-time"},
                                                         {"calibrate ab --cell 1 --f", "--format"},
                                                         {"batch --format j", "json"}};
    for (const auto& [typed, offered] : cases) {
        const std::string script =
            "source <(" + kCli + " completion bash); COMP_WORDS=(rheo-cli " + typed +
            "); COMP_CWORD=$((${#COMP_WORDS[@]} - 1)); _rheo_cli; echo ${COMPREPLY[@]}";
        EXPECT_EQ(runShell("bash -c " + quoted(script)).out, offered + "\n") << typed;
    }
}

// --version prints the window's version text; output that cannot be written is a failure.
TEST_F(CommandLineTest, VersionIsTheWindowsVersionTextAndUnwritableOutputFails) {
    EXPECT_EQ(cli("--version"), (CliRun{0, std::string(kVersionText) + "\n", ""}));
    EXPECT_NE(cli("--help").out.find("rheo-cli --version\n"), std::string::npos);
    EXPECT_EQ(cli("--help >/dev/full").exitCode, 2);
}

TEST_F(CommandLineTest, BadCommandLineExitsWithOneAndUsageWithoutTouchingFiles) {
    put("RHEO.dat", calibration());
    const std::string run = "run --calibration RHEO.dat --efflux-time 18 ";
    const struct {
        std::string arguments;
        const char* complaint; // part of the first line of standard error
    } cases[] = {
        {"", "Usage:"},
        {"fly", "unknown subcommand"},
        {"calibrate", "unknown subcommand"},
        {run + "--cell 1 --pressure 200 --fast", "unknown option --fast"},
        {run + "--cell 1 --pressure", "--pressure needs a value"},
        {run + "--cell 1", "--pressure is required"},
        {run + "--cell 1 --pressure 200,5", "--pressure needs a decimal number"},
        {run + "--cell 1.5 --pressure 200", "--cell needs a whole number"},
        {run + "--cell 6 --pressure 200", "cell number from 1 to 5"},
        {run + "--cell 1 --pressure 200 --pressure 300", "given twice"},
        {run + "--cell 1 --pressure 200 extra", "unexpected argument"},
        {run + "--cell 1 --pressure 200 --at '2014-3-5 9:07'", "--at needs a date"},
        {run + "--cell 1 --pressure 200 --at '2014-02-30 09:07'", "--at needs a date"},
        {"calibrate settings --out out.dat --temperature 100.5", "--temperature needs a whole"},
        {"report calibration --calibration RHEO.dat --pdf a.pdf --trace out.dat",
         "exactly one of --pdf"},
        {"convert RHEO.dat", "needs the file to read"},
        {"merge --results out.dat", "at least one"},
        {"calibrate standard --out out.dat --delete A --name B", "cannot be combined"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments);
        const CliRun result = cli(c.arguments);
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_NE(result.err.find(c.complaint), std::string::npos) << result.err;
        EXPECT_NE(result.err.find("Usage:\n"), std::string::npos) << result.err;
        EXPECT_EQ(result.out, "");
        EXPECT_FALSE(exists("out.dat"));
        EXPECT_FALSE(exists("a.pdf"));
    }
}

} // namespace
} // namespace rheo::testing
