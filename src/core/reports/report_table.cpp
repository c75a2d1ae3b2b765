// SPDX-License-Identifier: MIT
#include "core/reports/report_table.hpp"

#include <utility>

namespace rheo {

int drawTableHeading(ReportFrame& frame, const TableHeading& heading, int row) {
    const bool titled = !heading.title.empty();
    // The band reaches just under the units row: 1.85 rows, or 2.9 with a title row.
    const double bandRows = titled ? 2.9 : 1.85;
    frame.band(heading.bandLeft, frame.rowY(row), kBandRight, frame.rowY(row + bandRows));
    frame.greyBackground();
    int headingRow = row;
    if (titled) {
        frame.centreText(heading.title, kHeaderCentreX, frame.rowY(row));
        ++headingRow;
    }
    for (const ReportColumn& column : heading.columns)
        frame.centreText(column.heading, column.centre, frame.rowY(headingRow));
    for (const ReportColumn& column : heading.columns) {
        if (!column.unit.empty())
            frame.centreText(column.unit, column.centre, frame.rowY(headingRow + 1));
    }
    frame.whiteBackground();
    return headingRow + 1;
}

SectionRows::SectionRows(ReportFrame& frame, TableHeading heading)
    : frame_(frame), heading_(std::move(heading)) {}

void SectionRows::start(int row) {
    lastRow_ = drawTableHeading(frame_, heading_, row);
    rowsOnPage_ = 0;
}

int SectionRows::next(int gap) {
    if (rowsOnPage_ > 0 && !frame_.rowFits(lastRow_ + 1 + gap))
        continueOnNewPage();
    lastRow_ += 1 + gap;
    ++rowsOnPage_;
    return lastRow_;
}

void SectionRows::continueOnNewPage() {
    frame_.newPage();
    start(0);
}

} // namespace rheo
