// convert, and the example calibration set: the script that builds it from nothing
// reproduces the committed files byte for byte, and its older three-file version imports
// to the same calibration.

#include "cli_process.hpp"
#include "support/temp_dir.hpp"

#include <gtest/gtest.h>

#include <filesystem>

namespace rheo::testing {
namespace {

const std::string kExamples = std::string(RHEO_SOURCE_DIR) + "/examples";

std::string exampleFile(const std::string& name) {
    return kExamples + "/" + name;
}

TEST(ExampleSetTest, ScriptReproducesTheCommittedFiles) {
    TempDir dir;
    const CliRun run = runShell("sh '" + exampleFile("make-example.sh") + "' '" + cliBinary() +
                                "' '" + dir.path().string() + "'");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, ""); // no rejected line, no notice: every cell fully calibrated
    for (const char* name : {"RHEO.DAT", "results.csv"}) {
        const std::string committed = TempDir::read(exampleFile(name));
        ASSERT_FALSE(committed.empty()) << name;
        EXPECT_EQ(TempDir::read(dir.file(name)), committed) << name;
    }
}

TEST(ExampleSetTest, EveryCellRunsSamplesAtTheWorkingShearRate) {
    // A 3.5 mPa*s sample at the recommended pressure and T0 lands inside every window.
    for (const char* cell : {"1", "2", "3", "4", "5"}) {
        const CliRun recommend = runCli({"recommend", "--calibration", exampleFile("RHEO.DAT"),
                                         "--cell", cell, "--viscosity", "3.5"});
        ASSERT_EQ(recommend.exitCode, 0) << recommend.err;
        const std::string pressure = recommend.out.substr(0, recommend.out.find(" psi"));
        const std::string t0 = recommend.out.substr(recommend.out.find('\n') + 1);
        const CliRun run =
            runCli({"run", "--calibration", exampleFile("RHEO.DAT"), "--cell", cell, "--pressure",
                    pressure, "--efflux-time", t0.substr(0, t0.size() - 1)});
        EXPECT_EQ(run.exitCode, 0) << cell << ": " << run.err;
        EXPECT_NE(run.out.find("\t1.40"), std::string::npos) << run.out;
    }
}

TEST(ConvertTest, OlderSetImportsToTheSameCalibration) {
    TempDir dir;
    const CliRun convert =
        runCli({"convert", exampleFile("version1/RHEO.DAT"), dir.file("converted.dat")});
    ASSERT_EQ(convert.exitCode, 0) << convert.err;
    EXPECT_EQ(convert.err, "");

    // Same constants, volumes, T0 and geometry: the same standards table and runs.
    const CliRun current = runCli({"standards", "--calibration", exampleFile("RHEO.DAT")});
    const CliRun imported = runCli({"standards", "--calibration", dir.file("converted.dat")});
    EXPECT_EQ(imported.exitCode, 0);
    EXPECT_EQ(imported.out, current.out);
    EXPECT_EQ(imported.out.substr(0, imported.out.find('\n')),
              "Ref-2.6\t2.605\t84.4\t85.1\t83.7\t84.9\t85.0");
    for (const char* cell : {"1", "3", "5"}) {
        auto run = [&](const std::string& file) {
            return runCli({"run", "--calibration", file, "--cell", cell, "--pressure", "120",
                           "--efflux-time", "15.1", "--at", "2024-01-01 10:00"})
                .out;
        };
        EXPECT_EQ(run(dir.file("converted.dat")), run(exampleFile("RHEO.DAT"))) << cell;
    }
}

TEST(ConvertTest, CurrentFormatIsWrittenBackUnchanged) {
    TempDir dir;
    const CliRun convert = runCli({"convert", exampleFile("RHEO.DAT"), dir.file("copy.dat")});
    EXPECT_EQ(convert.exitCode, 0);
    EXPECT_EQ(TempDir::read(dir.file("copy.dat")), TempDir::read(exampleFile("RHEO.DAT")));

    const CliRun upperCase = runCli({"convert", exampleFile("RHEO.DAT"), dir.file("copy.DAT")});
    EXPECT_EQ(upperCase.exitCode, 2);
    EXPECT_EQ(upperCase.err, "Please Use .dat  File Extension.\n");
}

TEST(ConvertTest, CompanionFilesAreFoundInAnyCaseAndAMissingOneIsReported) {
    TempDir dir;
    std::filesystem::copy_file(exampleFile("version1/RHEO.DAT"), dir.file("OLD.DAT"));
    std::filesystem::copy_file(exampleFile("version1/RHEOSET.DAT"), dir.file("rheoset.dat"));
    const CliRun missing = runCli({"convert", dir.file("OLD.DAT"), dir.file("new.dat")});
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_EQ(missing.err, "With Version 1 there are three files for calibration.\nYou are "
                           "missing RHEOCAL.DAT\nThis is not fatal, but you will need to reenter "
                           "the standard viscosites\n");
    EXPECT_FALSE(std::filesystem::exists(dir.file("new.dat")));

    std::filesystem::copy_file(exampleFile("version1/RHEOCAL.DAT"), dir.file("RheoCal.Dat"));
    const CliRun found = runCli({"convert", dir.file("OLD.DAT"), dir.file("new.dat")});
    EXPECT_EQ(found.exitCode, 0) << found.err;
}

} // namespace
} // namespace rheo::testing
