#include "core/reports/test_data_report.hpp"

#include "core/reports/report_frame.hpp"
#include "core/reports/report_table.hpp"
#include "core/runs/run_calculation.hpp"

namespace rheo {
namespace {

constexpr int kBodyFontUnits = 13;
constexpr int kRowHeight = 17; // the form's report layout value; nothing changes it

TableHeading testDataHeading() {
    // "mPs*s" is what this report has always printed under the viscosity.
    return {20.0,
            "",
            {{70, "Sample ID Name", ""},
             {152, "Cell #", ""},
             {234, "Calc Viscosity", "mPs*s"},
             {316, "Shear Rate", "1x10e6 1/sec"},
             {398, "Reynolds #", ""},
             {480, "Newtonian", ""},
             {562, "Pressure", "psi"},
             {634, "Efflux Time", "sec"},
             {726, "Date & Time", ""}}};
}

} // namespace

std::size_t testDataReportPages(std::size_t runs) {
    const std::size_t perPage = kTestDataRowsPerPage;
    return runs == 0 ? 1 : (runs + perPage - 1) / perPage;
}

void drawTestDataReport(DrawingSurface& surface, const std::vector<TestResult>& results,
                        const CalibrationData& calibration, const LocalDateTime& printedAt) {
    ReportFrame frame(surface, reportHeaderData(calibration), printedAt, kBodyFontUnits,
                      kRowHeight);
    frame.begin();
    const TableHeading heading = testDataHeading();
    SectionRows rows(frame, heading);
    rows.start(0);
    for (const TestResult& result : results) {
        if (rows.rowsOnPage() == kTestDataRowsPerPage)
            rows.continueOnNewPage();
        const int row = rows.next();
        // The report's columns are those of the results list, texts and formats alike.
        const auto texts = FormatResultRow(result);
        drawTableRow(frame, heading.columns, {texts.begin(), texts.end()}, row);
    }
    frame.end();
}

} // namespace rheo
