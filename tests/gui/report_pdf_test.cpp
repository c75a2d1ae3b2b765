// SPDX-License-Identifier: MIT
// The reports written as PDF files through Qt: the page size, fonts, header and page breaks
// as read back from the file, and the failures that keep the previous file.
#include "core/reports/test_data_report.hpp"
#include "core/session/session.hpp"
#include "core/text/program_texts.hpp"
#include "gui/platform/report_output.hpp"
#include "support/scripted_dialogs.hpp"
#include "support/temp_dir.hpp"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <cstdlib>
#include <string>
#include <vector>

namespace rheo::testing {
namespace {

const LocalDateTime kPrinted = makeLocalDateTime(2014, 3, 5, 9, 7);

// 60 weighings of cell 1: page 2 holds 51, page 3 the other 9 under repeated headings and
// cells 2 to 4, page 4 cell 5's run section.
bool writeCalibrationPdf(const std::string& pdf, std::string& error) {
    CalibrationData calibration;
    calibration.companyName = "ACME Oils";
    calibration.serialNumber = "SN-1";
    calibration.standards = {{"Ref", 8.5}, {"Light", 2.0}};
    calibration.cells[0].volumePoints.assign(60, {10.0, 12.3456, 0.8, 18.02, 7.1234});
    ScriptedDialogs dialogs;
    const FixedClock clock(kPrinted);
    Session session(dialogs, clock, calibration);
    const auto draw = [&](DrawingSurface& surface) {
        EXPECT_EQ(surface.printablePageSize(), (PageSize{4800, 6300})); // 600 dpi, 0.25" margins
        session.PrintCalibration(surface);
        EXPECT_NEAR(surface.textWidth("Cell #"), 225, 75); // in 14-unit Arial: about 1/3 inch
    };
    return writeReportPdf(pdf, draw, error);
}

// A Letter PDF named after the company, in the metric twins of the old printer faces; its
// pages read back by pdftotext (each run of blanks and line breaks made one blank). What the
// rows hold is the report's, proven with the recorded reports.
TEST(ReportPdf, CalibrationReportHasItsPagesAndTexts) {
    TempDir dir;
    const std::string pdf = dir.file("calibration.pdf");
    std::string error;
    ASSERT_TRUE(writeCalibrationPdf(pdf, error)) << error;
    const auto commandOutput = [&](const std::string& command) {
        EXPECT_EQ(std::system((command + " > '" + dir.file("out.txt") + "'").c_str()), 0);
        return TempDir::read(dir.file("out.txt"));
    };
    const std::string info = commandOutput("(pdfinfo '" + pdf + "'; pdffonts '" + pdf + "')");
    for (const char* expected :
         {"612 x 792 pts (letter)", "ACME Oils", "LiberationSerif", "LiberationSans"})
        EXPECT_NE(info.find(expected), std::string::npos) << expected << "\n" << info;

    std::vector<std::string> pages(1);
    for (const char c : commandOutput("pdftotext -layout '" + pdf + "' -")) {
        if (c == '\f')
            pages.emplace_back();
        else if (c != ' ' && c != '\n')
            pages.back() += c;
        else if (!pages.back().empty() && pages.back().back() != ' ')
            pages.back() += ' ';
    }
    ASSERT_EQ(pages.size(), 5u); // four pages, each ended by a form feed
    const std::pair<int, const char*> texts[] = {
        {0, "ACME Oils Serial # SN-1 Operating Temp 150\xC2\xB0"
            "C Tribon Viscometer V2.0 03/05/2014 09:07 Page 1"},
        {2, "09:07 Page 3 Cell 1 Volume Calculation Data Tare Weight Full Weight"},
        {3, "Cell 5 AB Calculation Data"}};
    for (const auto& [page, text] : texts)
        EXPECT_NE(pages[page].find(text), std::string::npos) << text << "\n" << pages[page];
}

// Runs in a child whose files may grow to 2000 bytes only, so the PDF fails part way;
// exits 0 when the failure was reported and the previous file is untouched.
[[noreturn]] void writeWithTinyFileLimit(const std::string& pdf) {
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{2000, 2000};
    setrlimit(RLIMIT_FSIZE, &limit);
    std::string error;
    const bool written = writeCalibrationPdf(pdf, error);
    std::exit(!written && !error.empty() && TempDir::read(pdf) == "the previous report" ? 0 : 1);
}

// A PDF that cannot be created, or whose writing fails half way, is reported as a failure
// and leaves no file, or the previous one as it was; a pipe or a directory of the PDF's
// name is never turned into a file.
TEST(ReportPdfDeathTest, FailedWritesAreReportedAndKeepThePreviousFile) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    TempDir dir;
    std::string error;
    const std::string missing = dir.file("missing-folder/report.pdf");
    EXPECT_FALSE(writeCalibrationPdf(missing, error));
    EXPECT_NE(error.find("Cannot create the PDF file " + missing), std::string::npos) << error;
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "missing-folder"));
    const std::string pdf = dir.write("report.pdf", "the previous report");
    EXPECT_EXIT(writeWithTinyFileLimit(pdf), ::testing::ExitedWithCode(0), "");
    EXPECT_EQ(TempDir::read(pdf), "the previous report");

    ASSERT_EQ(::mkfifo(dir.file("pipe").c_str(), 0600), 0);
    std::filesystem::create_symlink(dir.file("pipe"), dir.file("link.pdf"));
    std::filesystem::create_directory(dir.file("folder.pdf"));
    for (const char* name : {"pipe", "link.pdf", "folder.pdf"}) {
        EXPECT_FALSE(writeCalibrationPdf(dir.file(name), error)) << name;
        EXPECT_EQ(error, "Cannot write the PDF file " + dir.file(name) + ": " +
                             file_texts::kNotAnOrdinaryFile + ".");
    }
    EXPECT_TRUE(std::filesystem::is_fifo(dir.file("pipe")));
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("folder.pdf")));
}

} // namespace
} // namespace rheo::testing
