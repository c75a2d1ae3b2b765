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
    const std::string trace = read("trace.txt");
    EXPECT_EQ(trace.rfind("page 1\nfont ", 0), 0u) << trace.substr(0, 80);
    EXPECT_EQ(trace.find("\npage 2\n"), std::string::npos);
    for (const char* text : {"Example Oil Laboratory", " 05/15/2024 08:00    Page 1\n",
                             " 0W-16 lot 2231\n", " 15W-40 lot 4410\n"})
        EXPECT_NE(trace.find(text), std::string::npos) << text;

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
    // The all-cells report runs over pages; the one-cell report holds that cell alone.
    for (const char* text : {"Cell 1   Volume", "Cell 5   AB", "\npage 2\n"})
        EXPECT_NE(all.find(text), std::string::npos) << text;
    EXPECT_NE(two.find("Cell 2   Volume"), std::string::npos);
    for (const char* text : {"Cell 1   Volume", "Cell 3   AB", "\npage 2\n"})
        EXPECT_EQ(two.find(text), std::string::npos) << text;

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
    // Same constants, volumes, T0 and geometry: the same standards table and runs.
    const CliRun imported = cli("standards --calibration converted.dat");
    EXPECT_EQ(imported.out, cli("standards --calibration " + example("RHEO.DAT")).out);
    EXPECT_EQ(imported.out.substr(0, imported.out.find('\n')),
              "Ref-2.6\t2.605\t84.4\t85.1\t83.7\t84.9\t85.0");
    for (const char* cell : {"1", "2", "3", "4", "5"}) {
        const std::string run = std::string(" --cell ") + cell +
                                " --pressure 120 --efflux-time 15.1 --at '2024-01-01 10:00'";
        EXPECT_EQ(cli("run --calibration converted.dat" + run).out,
                  cli("run --no-history --calibration " + example("RHEO.DAT") + run).out)
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

TEST_F(ConvertTest, CompanionFilesAreFoundBesideTheFileAndAMissingOneIsReported) {
    std::filesystem::copy_file(examplePath("version1/RHEO.DAT"), dir.file("OLD.DAT"));
    std::filesystem::copy_file(examplePath("version1/RHEOSET.DAT"), dir.file("rheoset.dat"));
    const CliRun missing = cli("convert OLD.DAT new.dat");
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_EQ(missing.err, "With Version 1 there are three files for calibration.\nYou are "
                           "missing RHEOCAL.DAT\nThis is not fatal, but you will need to reenter "
                           "the standard viscosites\n");
    EXPECT_FALSE(exists("new.dat"));
}

} // namespace
} // namespace rheo::testing
