#include "core/reports/calibration_report.hpp"
#include "core/reports/test_data_report.hpp"
#include "core/text/c_format.hpp"
#include "gui/platform/report_output.hpp"
#include "support/temp_dir.hpp"

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace rheo {
namespace {

const LocalDateTime kPrinted = makeLocalDateTime(2014, 3, 5, 9, 7);

// Standard output of a shell command.
std::string commandOutput(const std::string& command) {
    std::string out;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
        return out;
    char buffer[4096];
    size_t count = 0;
    while ((count = fread(buffer, 1, sizeof buffer, pipe)) > 0)
        out.append(buffer, count);
    pclose(pipe);
    return out;
}

// The page count pdfinfo reports, 0 when it cannot read the file.
int pdfPageCount(const std::string& pdf) {
    const std::string info = commandOutput("pdfinfo '" + pdf + "'");
    const size_t at = info.find("Pages:");
    return at == std::string::npos ? 0 : cAtoi(info.substr(at + 6));
}

// The text of a PDF, every run of blanks and line breaks made one blank (the PDF keeps
// positions, not blanks).
std::string pdfText(const std::string& pdf, int page = 0) {
    const std::string range = page > 0 ? cformat("-f %d -l %d ", page, page) : "";
    const std::string raw = commandOutput("pdftotext -layout " + range + "'" + pdf + "' -");
    std::string out;
    for (const char c : raw) {
        const bool blank = c == ' ' || c == '\n' || c == '\r' || c == '\f';
        if (!blank)
            out += c;
        else if (!out.empty() && out.back() != ' ')
            out += ' ';
    }
    return out;
}

ApplicationState calibrationWithLongVolumeSection() {
    ApplicationState app;
    app.calibration.companyName = "ACME Oils";
    app.calibration.serialNumber = "SN-1";
    app.calibration.standards = {{"Ref", 8.5}, {"Light", 2.0}};
    for (int i = 0; i < 60; ++i)
        app.calibration.cells[0].volumePoints.push_back({10.0, 12.3456, 0.8, 18.02, 7.1234});
    return app;
}

TEST(ReportPdf, CalibrationReportHasItsPagesAndTexts) {
    testing::TempDir dir;
    const std::string pdf = dir.file("calibration.pdf");
    ApplicationState app = calibrationWithLongVolumeSection();
    std::string error;
    ASSERT_TRUE(writeReportPdf(
        pdf, [&](DrawingSurface& surface) { PrintCalibration(surface, app, kPrinted); }, error))
        << error;
    EXPECT_EQ(error, "");

    // Page 2 holds 51 weighings, page 3 the other 9 under repeated headings and cells 2 to
    // 4, page 4 cell 5's run section (row 49 is past the 47-row limit).
    EXPECT_EQ(pdfPageCount(pdf), 4) << "pdfinfo (poppler-utils) reads the page count";
    const std::string info = commandOutput("pdfinfo '" + pdf + "'");
    EXPECT_NE(info.find("612 x 792 pts (letter)"), std::string::npos) << info;
    EXPECT_NE(info.find("ACME Oils"), std::string::npos) << info; // the document's title

    const std::string text = pdfText(pdf);
    EXPECT_NE(text.find("ACME Oils Serial # SN-1 Operating Temp 150\xC2\xB0"
                        "C Tribon Viscometer V2.0 03/05/2014 09:07 Page 1"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("Standard Name Viscosity Cell 1 Cell 2 Cell 3 Cell 4 Cell 5"),
              std::string::npos);
    EXPECT_NE(text.find("Light 2.000 N/A N/A N/A N/A N/A"), std::string::npos);
    const std::string third = pdfText(pdf, 3);
    EXPECT_NE(third.find("09:07 Page 3 Cell 1 Volume Calculation Data Tare Weight Full Weight"),
              std::string::npos)
        << third;
    EXPECT_NE(third.find("10.0000 12.3456 2.3456 0.8000 18.02 7.1234"), std::string::npos);
    EXPECT_NE(pdfText(pdf, 4).find("Cell 5 AB Calculation Data"), std::string::npos);

    // The old printer faces resolve to their metric twins, embedded in the file.
    const std::string fonts = commandOutput("pdffonts '" + pdf + "'");
    EXPECT_NE(fonts.find("LiberationSerif"), std::string::npos) << fonts;
    EXPECT_NE(fonts.find("LiberationSans"), std::string::npos) << fonts;
}

TEST(ReportPdf, SurfaceIsA600DpiLetterPageLessQuarterInchMargins) {
    testing::TempDir dir;
    std::string error;
    int dpiX = 0;
    int dpiY = 0;
    PageSize page;
    int cellWidth = 0;
    int wideWidth = 0;
    ASSERT_TRUE(writeReportPdf(
        dir.file("probe.pdf"),
        [&](DrawingSurface& surface) {
            dpiX = surface.dotsPerInchX();
            dpiY = surface.dotsPerInchY();
            page = surface.printablePageSize();
            surface.beginDocument("probe");
            surface.beginPage();
            surface.selectFont("Arial", 84);
            cellWidth = surface.textWidth("Cell #");
            wideWidth = surface.textWidth("Cell #Cell #");
            surface.drawText(0, 0, "Cell #");
            surface.endPage();
            surface.endDocument();
        },
        error))
        << error;
    EXPECT_EQ(dpiX, 600);
    EXPECT_EQ(dpiY, 600);
    EXPECT_EQ(page, (PageSize{4800, 6300}));
    // "Cell #" in a 14-unit Arial cell is about a third of an inch wide at 600 dpi.
    EXPECT_GT(cellWidth, 150);
    EXPECT_LT(cellWidth, 300);
    EXPECT_NEAR(wideWidth, 2 * cellWidth, 2);
}

TEST(ReportPdf, TestDataReportBreaksAfterFiftyOneRows) {
    testing::TempDir dir;
    const std::string pdf = dir.file("results.pdf");
    std::vector<TestResult> results(52);
    results[51].sampleId = "Last-Sample";
    std::string error;
    ASSERT_TRUE(writeReportPdf(
        pdf,
        [&](DrawingSurface& surface) {
            PrintTestData(surface, results, CalibrationData{}, kPrinted);
        },
        error))
        << error;
    EXPECT_EQ(pdfPageCount(pdf), 2);
    const std::string second = pdfText(pdf, 2);
    EXPECT_NE(second.find("09:07 Page 2 Sample ID Name Cell # Calc Viscosity"), std::string::npos)
        << second;
    EXPECT_NE(second.find("Last-Sample 0 0.000 0.000 0.0 Yes 0.0 0.00"), std::string::npos)
        << second;
}

TEST(ReportPdf, AFileThatCannotBeCreatedIsReportedAndNothingIsLeft) {
    testing::TempDir dir;
    const std::string pdf = dir.file("missing-folder/report.pdf");
    std::string error;
    EXPECT_FALSE(writeReportPdf(
        pdf, [](DrawingSurface& surface) { PrintTestData(surface, {}, {}, kPrinted); }, error));
    EXPECT_NE(error.find("Cannot create the PDF file " + pdf), std::string::npos) << error;
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "missing-folder"));
}

TEST(ReportPdf, ADrawingThatStartsNoJobWritesNoFile) {
    testing::TempDir dir;
    const std::string pdf = dir.write("report.pdf", "the previous report");
    std::string error;
    EXPECT_FALSE(writeReportPdf(
        pdf, [](DrawingSurface&) {}, error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(testing::TempDir::read(pdf), "the previous report");
}

// Runs in a child process whose files may grow to 2000 bytes only, so the PDF write fails
// part way; exits 0 when the failure was reported and the previous file is untouched.
[[noreturn]] void writeWithTinyFileLimit(const std::string& pdf) {
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{2000, 2000};
    setrlimit(RLIMIT_FSIZE, &limit);
    ApplicationState app = calibrationWithLongVolumeSection();
    std::string error;
    const bool written = writeReportPdf(
        pdf, [&](DrawingSurface& s) { PrintCalibration(s, app, kPrinted); }, error);
    const bool kept = testing::TempDir::read(pdf) == "the previous report";
    std::exit(!written && !error.empty() && kept ? 0 : 1);
}

TEST(ReportPdfDeathTest, AWriteThatFailsHalfWayLeavesThePreviousFileAsItWas) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    testing::TempDir dir;
    const std::string pdf = dir.write("report.pdf", "the previous report");
    EXPECT_EXIT(writeWithTinyFileLimit(pdf), ::testing::ExitedWithCode(0), "");
    EXPECT_EQ(testing::TempDir::read(pdf), "the previous report");
}

} // namespace
} // namespace rheo
