// SPDX-License-Identifier: MIT
#include "core/reports/test_data_report.hpp"

#include "core/reports/report_frame.hpp"
#include "core/reports/report_table.hpp"
#include "core/runs/run_calculation.hpp"

namespace rheo {
namespace {

constexpr int kBodyFontUnits = 13;
constexpr int kRowHeight = 17; // the form's report layout value; nothing changes it

} // namespace

std::size_t testDataReportPages(std::size_t runs) {
    const std::size_t perPage = kTestDataRowsPerPage;
    return runs == 0 ? 1 : (runs + perPage - 1) / perPage;
}

void drawTestDataReport(DrawingSurface& surface, const std::vector<TestResult>& results,
                        const CalibrationData& calibration, const LocalDateTime& printedAt) {
    ReportFrame frame(surface, reportHeaderOf(calibration), printedAt, kBodyFontUnits, kRowHeight);
    frame.begin();
    SectionRows rows(frame, {20.0, "", reportColumnsOf(resultColumns())});
    rows.start(0);
    for (const TestResult& result : results) {
        if (rows.rowsOnPage() == kTestDataRowsPerPage)
            rows.continueOnNewPage();
        const int row = rows.next();
        // The report's columns are those of the results list, texts and formats alike.
        drawReportRow(frame, resultColumns(), result, row);
    }
    frame.end();
}

} // namespace rheo
