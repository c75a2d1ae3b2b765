// report calibration and report results: the recording surface written as a trace, the
// date of the header from --at, and the PDF output as the build provides it.

#include "cli_process.hpp"
#include "support/temp_dir.hpp"

#include <gtest/gtest.h>

#include <filesystem>

namespace rheo::testing {
namespace {

const std::string kExamples = std::string(RHEO_SOURCE_DIR) + "/examples";

size_t countLines(const std::string& text, const std::string& start) {
    size_t count = 0;
    for (size_t at = 0; at < text.size(); at = text.find('\n', at) + 1) {
        if (text.compare(at, start.size(), start) == 0)
            ++count;
        if (text.find('\n', at) == std::string::npos)
            break;
    }
    return count;
}

TEST(ReportTest, ResultsTraceShowsEveryRunUnderTheHeader) {
    TempDir dir;
    const CliRun run = runCli({"report", "results", "--results", kExamples + "/results.csv",
                               "--calibration", kExamples + "/RHEO.DAT", "--trace",
                               dir.file("trace.txt"), "--at", "2024-05-15 08:00"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "");
    const std::string trace = TempDir::read(dir.file("trace.txt"));
    EXPECT_EQ(trace.rfind("page 1\nfont ", 0), 0u) << trace.substr(0, 80);
    EXPECT_EQ(countLines(trace, "page "), 1u);
    EXPECT_NE(trace.find("Example Oil Laboratory"), std::string::npos);
    EXPECT_NE(trace.find(" 05/15/2024 08:00    Page 1\n"), std::string::npos);
    EXPECT_NE(trace.find(" 0W-16 lot 2231\n"), std::string::npos);
    EXPECT_NE(trace.find(" 15W-40 lot 4410\n"), std::string::npos);
}

TEST(ReportTest, CalibrationTraceForAllCellsAndForOne) {
    TempDir dir;
    auto report = [&](std::vector<std::string> more) {
        std::vector<std::string> words = {"report",        "calibration",
                                          "--calibration", kExamples + "/RHEO.DAT",
                                          "--at",          "2024-05-15 08:00"};
        words.insert(words.end(), more.begin(), more.end());
        return runCli(words);
    };
    ASSERT_EQ(report({"--trace", dir.file("all.txt")}).exitCode, 0);
    ASSERT_EQ(report({"--cell", "2", "--trace", dir.file("two.txt")}).exitCode, 0);
    const std::string all = TempDir::read(dir.file("all.txt"));
    const std::string two = TempDir::read(dir.file("two.txt"));
    // Only the all-cells report prints the standards table.
    EXPECT_NE(all.find(" Ref-11.8\n"), std::string::npos);
    EXPECT_LT(two.size(), all.size());
    EXPECT_EQ(countLines(two, "page "), 1u);
    EXPECT_GT(countLines(all, "page "), 1u);

    EXPECT_EQ(report({"--cell", "6", "--trace", dir.file("x.txt")}).exitCode, 1);
    EXPECT_FALSE(std::filesystem::exists(dir.file("x.txt")));
}

TEST(ReportTest, MissingResultsFileWritesNothing) {
    TempDir dir;
    const CliRun run = runCli(
        {"report", "results", "--results", dir.file("none.csv"), "--trace", dir.file("trace.txt")});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_FALSE(std::filesystem::exists(dir.file("trace.txt")));
}

TEST(ReportTest, PdfOutputAsTheBuildProvidesIt) {
    TempDir dir;
    const CliRun run = runCli({"report", "calibration", "--calibration", kExamples + "/RHEO.DAT",
                               "--pdf", dir.file("report.pdf")});
#ifdef RHEO_CLI_HAS_PDF
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(TempDir::read(dir.file("report.pdf")).rfind("%PDF", 0), 0u);
#else
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find("without Qt"), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(dir.file("report.pdf")));
#endif
}

} // namespace
} // namespace rheo::testing
