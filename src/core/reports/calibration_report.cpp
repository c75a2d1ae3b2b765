// SPDX-License-Identifier: MIT
#include "core/reports/calibration_report.hpp"

#include "core/calibration/point_texts.hpp"
#include "core/model/units.hpp"
#include "core/reports/report_frame.hpp"
#include "core/reports/report_table.hpp"
#include "core/text/c_format.hpp"
#include "core/text/number_text.hpp"

#include <vector>

namespace rheo {
namespace {

constexpr int kBodyFontUnits = 14;

const std::array<ReportColumn, 6> kCellDataColumns = {{
    {55, "Cell #", ""},
    {183, "Working Shear Rate", "1x10e6 1/sec"},
    {316, "Min Shear Rate", "1x10e6 1/sec"},
    {449, "Max Shear Rate", "1x10e6 1/sec"},
    {582, "Capillary Radius", "mm"},
    {715, "Capillary Length", "mm"},
}};

const std::array<ReportColumn, 6> kConstantsColumns = {{
    {55, "Cell #", ""},
    {183, "Cal Constant A", ""},
    {316, "Cal Constant B", ""},
    {449, "RMS % Diff", ""},
    {582, "Volume", "ml"},
    {715, "Target Efflux Time", "sec"},
}};

template <std::size_t N> TableHeading headingOf(const std::array<ReportColumn, N>& columns) {
    return {16.0, "", {columns.begin(), columns.end()}};
}

std::array<std::string, 6> cellDataTexts(const CellCalibration& cell) {
    return {formatInteger(cell.cellNumber),
            formatFixed(shearRateInDisplayUnits(cell.workingShearRate), 2, 3),
            formatFixed(shearRateInDisplayUnits(cell.minShearRate), 2, 3),
            formatFixed(shearRateInDisplayUnits(cell.maxShearRate), 2, 3),
            formatFixed(cell.capillaryRadius, 2, 4),
            formatFixed(cell.capillaryLength, 2, 4)};
}

std::array<std::string, 6> constantsTexts(const CellCalibration& cell) {
    return {formatInteger(cell.cellNumber),     formatFixed(cell.constantA, 2, 6),
            formatFixed(cell.constantB, 2, 6),  formatFixed(cell.rmsPercentDiff, 2, 2),
            formatFixed(cell.cellVolume, 2, 4), formatFixed(cell.targetEffluxTime, 2, 2)};
}

// Starts a cell section at row k, or at row 0 of a new page when its points would pass
// the row limit (or, on a short page, when its headings and first point would not fit).
void startCellSection(ReportFrame& frame, SectionRows& rows, int k, std::size_t pointCount) {
    const long long end = static_cast<long long>(k) + static_cast<long long>(pointCount);
    const int firstLine = k + 2 + (pointCount > 0 ? 1 : 0);
    if (end > kCalibrationSectionRowLimit || (k > 0 && !frame.rowFits(firstLine))) {
        frame.newPage();
        k = 0;
    }
    rows.start(k);
}

// The volume section, the A/B section and the constants line of one cell; returns the row
// at which the next cell's section would start.
int printCellSections(ReportFrame& frame, const CellCalibration& cell, int k, bool oneCell) {
    SectionRows volumeRows(frame,
                           {16.0, cformat("Cell %d   Volume Calculation Data", cell.cellNumber),
                            reportColumnsOf(volumePointColumns())});
    startCellSection(frame, volumeRows, k, cell.volumePoints.size());
    for (const VolumePoint& point : cell.volumePoints)
        drawReportRow(frame, volumePointColumns(), point, volumeRows.next());
    k = volumeRows.lastRow() + 2;

    SectionRows abRows(frame, {16.0, cformat("Cell %d   AB Calculation Data", cell.cellNumber),
                               reportColumnsOf(abPointColumns())});
    startCellSection(frame, abRows, k, cell.abPoints.size());
    for (const AbPoint& point : cell.abPoints)
        drawReportRow(frame, abPointColumns(), point, abRows.next());

    // The one-cell report leaves two empty rows above its constants line.
    const int line = abRows.next(oneCell ? 2 : 0);
    const double y = frame.rowY(line);
    frame.labelledValue("Cal Constant A: ", formatFixed(cell.constantA, 2, 6), 170, y);
    frame.labelledValue("Cal Constant B: ", formatFixed(cell.constantB, 2, 6), 370, y);
    frame.labelledValue("RMS % Diff: ", formatFixed(cell.rmsPercentDiff, 2, 2), 570, y);
    return line + 2;
}

} // namespace

bool drawCalibrationReport(DrawingSurface& surface, const CalibrationData& calibration,
                           const std::vector<TargetPressureRow>& standardRows, int rowHeight,
                           const LocalDateTime& printedAt, std::optional<int> cellIndex) {
    if (cellIndex && (*cellIndex < 0 || *cellIndex >= kCellCount))
        return false;
    std::vector<int> cells;
    if (cellIndex)
        cells.push_back(*cellIndex);
    else
        cells = {0, 1, 2, 3, 4};
    const bool oneCell = cellIndex.has_value();

    ReportFrame frame(surface, reportHeaderOf(calibration), printedAt, kBodyFontUnits, rowHeight);
    frame.begin();

    drawTableHeading(frame, headingOf(kCellDataColumns), 0);
    for (std::size_t i = 0; i < cells.size(); ++i) {
        drawTableRow(frame, kCellDataColumns, cellDataTexts(calibration.cells[cells[i]]),
                     2 + static_cast<int>(i));
    }

    const int constantsRow = oneCell ? 4 : 8;
    drawTableHeading(frame, headingOf(kConstantsColumns), constantsRow);
    for (std::size_t i = 0; i < cells.size(); ++i) {
        drawTableRow(frame, kConstantsColumns, constantsTexts(calibration.cells[cells[i]]),
                     constantsRow + 2 + static_cast<int>(i));
    }

    int k = 8;
    if (!oneCell) {
        SectionRows standards(frame, {20.0, "", reportColumnsOf(standardColumns())});
        standards.start(16);
        for (const TargetPressureRow& row : standardRows)
            drawReportRow(frame, standardColumns(), row.texts, standards.next());
        k = standards.lastRow() + 2;
    }

    for (const int index : cells)
        k = printCellSections(frame, calibration.cells[index], k, oneCell);

    frame.end();
    return true;
}

} // namespace rheo
