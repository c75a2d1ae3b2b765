// convert, and the example calibration set: the script that builds it from nothing
// reproduces the committed files byte for byte, and its older three-file version imports
// to the same calibration.

#include "cli_harness.hpp"

namespace rheo::testing {
namespace {

using ConvertTest = CliTest;

TEST_F(ConvertTest, ExampleScriptReproducesTheCommittedFiles) {
    const CliRun run = runShell("sh " + example("make-example.sh") + " " + kCli + " " +
                                quoted(dir.path().string()));
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, ""); // no rejected line, no notice: every cell fully calibrated
    for (const char* name : {"RHEO.DAT", "results.csv"}) {
        const std::string committed = TempDir::read(examplePath(name));
        ASSERT_FALSE(committed.empty()) << name;
        EXPECT_EQ(read(name), committed) << name;
    }
}

TEST_F(ConvertTest, OlderSetImportsToTheSameCalibrationAndTheCurrentOneIsCopied) {
    const CliRun convert = cli("convert " + example("version1/RHEO.DAT") + " converted.dat");
    ASSERT_EQ(convert.exitCode, 0) << convert.err;
    EXPECT_EQ(convert.err, "");
    // Same constants, volumes, T0 and geometry: the same standards table and runs.
    const CliRun imported = cli("standards --calibration converted.dat");
    EXPECT_EQ(imported.out, cli("standards --calibration " + example("RHEO.DAT")).out);
    EXPECT_EQ(imported.out.substr(0, imported.out.find('\n')),
              "Ref-2.6\t2.605\t84.4\t85.1\t83.7\t84.9\t85.0");
    for (const char* cell : {"1", "2", "3", "4", "5"}) {
        const std::string run = std::string(" --cell ") + cell +
                                " --pressure 120 --efflux-time 15.1 --at '2024-01-01 10:00'";
        EXPECT_EQ(cli("run --calibration converted.dat" + run).out,
                  cli("run --calibration " + example("RHEO.DAT") + run).out)
            << cell;
    }

    // The current format is written back unchanged, under the save rules.
    EXPECT_EQ(cli("convert " + example("RHEO.DAT") + " copy.dat").exitCode, 0);
    EXPECT_EQ(read("copy.dat"), TempDir::read(examplePath("RHEO.DAT")));

    const CliRun upperCase = cli("convert " + example("RHEO.DAT") + " copy.DAT");
    EXPECT_EQ(upperCase.exitCode, 2);
    EXPECT_EQ(upperCase.err, "Please Use .dat  File Extension.\n");
    EXPECT_FALSE(exists("copy.DAT"));
}

TEST_F(ConvertTest, CompanionFilesAreFoundInAnyCaseAndAMissingOneIsReported) {
    std::filesystem::copy_file(examplePath("version1/RHEO.DAT"), dir.file("OLD.DAT"));
    std::filesystem::copy_file(examplePath("version1/RHEOSET.DAT"), dir.file("rheoset.dat"));
    const CliRun missing = cli("convert OLD.DAT new.dat");
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_EQ(missing.err, "With Version 1 there are three files for calibration.\nYou are "
                           "missing RHEOCAL.DAT\nThis is not fatal, but you will need to reenter "
                           "the standard viscosites\n");
    EXPECT_FALSE(exists("new.dat"));

    std::filesystem::copy_file(examplePath("version1/RHEOCAL.DAT"), dir.file("RheoCal.Dat"));
    const CliRun found = cli("convert OLD.DAT new.dat");
    EXPECT_EQ(found.exitCode, 0) << found.err;
}

} // namespace
} // namespace rheo::testing
