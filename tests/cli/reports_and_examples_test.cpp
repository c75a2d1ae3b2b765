// SPDX-License-Identifier: MIT
// report calibration and report results: the recording surface written as a trace, the date
// of the header from --at, and the PDF output as the build provides it. convert, and the
// example calibration set: the script that builds it from nothing reproduces the committed
// files byte for byte, and its older three-file version imports to the same calibration.

#include "cli_harness.hpp"

namespace rheo::testing {
namespace {

using ReportTest = CliTest;

TEST_F(ReportTest, ResultsTraceShowsEveryRunUnderTheHeader) {
    const CliRun run =
        cli("report results --results " + example("results.csv") + " --calibration " +
            example("RHEO.DAT") + " --trace trace.txt --at '2024-05-15 08:00'");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "");
    const std::string trace = read("trace.txt"); // what it shows is the core's report
    EXPECT_EQ(trace.rfind("page 1\nfont ", 0), 0u) << trace.substr(0, 80);
    EXPECT_NE(trace.find(" 05/15/2024 08:00    Page 1\n"), std::string::npos);

    // A results file that cannot be read: nothing is written.
    EXPECT_EQ(cli("report results --results none.csv --trace none.txt").exitCode, 2);
    EXPECT_FALSE(exists("none.txt"));
}

TEST_F(ReportTest, CalibrationTraceForAllCellsAndForOne) {
    const std::string report =
        "report calibration --calibration " + example("RHEO.DAT") + " --at '2024-05-15 08:00' ";
    ASSERT_EQ(cli(report + "--trace all.txt").exitCode, 0);
    ASSERT_EQ(cli(report + "--cell 2 --trace two.txt").exitCode, 0);
    const std::string all = read("all.txt"), two = read("two.txt");
    // The all-cells report holds every cell, the one-cell report that cell alone.
    EXPECT_NE(all.find("Cell 5   AB"), std::string::npos);
    EXPECT_NE(two.find("Cell 2   Volume"), std::string::npos);
    EXPECT_EQ(two.find("Cell 1   Volume"), std::string::npos);
    EXPECT_EQ(cli(report + "--cell 6 --trace x.txt").exitCode, 1);
    EXPECT_FALSE(exists("x.txt"));
}

TEST_F(ReportTest, PdfOutputAsTheBuildProvidesIt) {
    const CliRun run =
        cli("report calibration --calibration " + example("RHEO.DAT") + " --pdf report.pdf");
#ifdef RHEO_CLI_HAS_PDF
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(read("report.pdf").rfind("%PDF", 0), 0u);
#else
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find("without Qt"), std::string::npos) << run.err;
    EXPECT_FALSE(exists("report.pdf"));
#endif
}

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
    // What the import derives is the core's; the standards table shows it came whole.
    EXPECT_EQ(cli("standards --calibration converted.dat").out,
              cli("standards --calibration " + example("RHEO.DAT")).out);
    // The current format is written back unchanged, under the save rules.
    EXPECT_EQ(cli("convert " + example("RHEO.DAT") + " copy.dat").exitCode, 0);
    EXPECT_EQ(read("copy.dat"), TempDir::read(examplePath("RHEO.DAT")));

    EXPECT_EQ(cli("convert " + example("RHEO.DAT") + " copy.DAT"),
              (CliRun{2, "", std::string(file_texts::kUseDatExtension) + "\n"}));
    EXPECT_FALSE(exists("copy.DAT"));
}

// A missing companion file is told (by the core's message) and nothing is written.
TEST_F(ConvertTest, AMissingCompanionFileWritesNothing) {
    std::filesystem::copy_file(examplePath("version1/RHEO.DAT"), dir.file("OLD.DAT"));
    const CliRun missing = cli("convert OLD.DAT new.dat");
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_EQ(missing.err.rfind(file_texts::kMissingVersion1Settings, 0), 0u);
    EXPECT_FALSE(exists("new.dat"));
}

} // namespace
} // namespace rheo::testing
