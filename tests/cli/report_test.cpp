// report calibration and report results: the recording surface written as a trace, the
// date of the header from --at, and the PDF output as the build provides it.

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

} // namespace
} // namespace rheo::testing
