// SPDX-License-Identifier: MIT
#pragma once
// The tables of the reports: a grey band over the heading rows, headings and units
// centred on their columns, and body rows that continue on a new page under the same
// headings when they would run past the bottom of the page.

#include "core/model/column_table.hpp"
#include "core/reports/report_frame.hpp"

#include <array>
#include <cstddef>

#include <string>
#include <vector>

namespace rheo {

struct ReportColumn {
    double centre = 0.0; // page units
    std::string heading;
    std::string unit; // empty: nothing printed under the heading
};

struct TableHeading {
    double bandLeft = 16.0;
    std::string title; // printed on the row above the headings; empty for none
    std::vector<ReportColumn> columns;
};

inline constexpr double kBandRight = 780.0;

// Draws the heading block with its first row at `row` and switches to the white background
// of body rows. Returns the last row of the block (the units row).
int drawTableHeading(ReportFrame& frame, const TableHeading& heading, int row);

// Draws one body row: the i-th text centred on the i-th column.
template <std::size_t N>
void drawTableRow(ReportFrame& frame, const std::array<ReportColumn, N>& columns,
                  const std::array<std::string, N>& texts, int row) {
    for (std::size_t i = 0; i < N; ++i)
        frame.centreText(texts[i], columns[i].centre, frame.rowY(row));
}

// The columns of a list that the report prints, in the report's order.
template <typename Row, std::size_t N>
std::vector<ReportColumn> reportColumnsOf(const ColumnTable<Row, N>& table) {
    std::vector<ReportColumn> columns;
    for (int order = 0;; ++order) {
        const std::size_t before = columns.size();
        for (const Column<Row>& column : table)
            if (column.report.order == order)
                columns.push_back(
                    {column.report.centre, column.report.heading, column.report.unit});
        if (columns.size() == before)
            return columns;
    }
}

// Draws one row of a list from its texts (one per column, in the list's order): each
// printed column's text centred on the column, in the report's order.
template <typename Row, std::size_t N>
void drawReportRow(ReportFrame& frame, const ColumnTable<Row, N>& table,
                   const std::array<std::string, N>& texts, int row) {
    for (int order = 0;; ++order) {
        bool printed = false;
        for (std::size_t i = 0; i < N; ++i) {
            if (table[i].report.order != order)
                continue;
            frame.centreText(texts[i], table[i].report.centre, frame.rowY(row));
            printed = true;
        }
        if (!printed)
            return;
    }
}

// Draws one row of a list as the report prints it.
template <typename Row, std::size_t N>
void drawReportRow(ReportFrame& frame, const ColumnTable<Row, N>& table, const Row& value,
                   int row) {
    std::array<std::string, N> texts;
    for (std::size_t i = 0; i < N; ++i)
        texts[i] = (table[i].reportText ? table[i].reportText : table[i].text)(value);
    drawReportRow(frame, table, texts, row);
}

// Hands out the rows of one table section, one after the other.
class SectionRows {
public:
    SectionRows(ReportFrame& frame, TableHeading heading);

    // Draws the heading block at `row`; body rows follow it.
    void start(int row);
    // The row of the next body line, `gap` empty rows after the previous line. When that row
    // would run past the bottom of the page the section continues on a new page under its
    // heading block; a page always takes at least one line of the section, so nothing loops.
    int next(int gap = 0);
    // A new page with the heading block repeated at row 0.
    void continueOnNewPage();

    int rowsOnPage() const { return rowsOnPage_; }
    // The last row used: the last body line, or the units row before the first one.
    int lastRow() const { return lastRow_; }

private:
    ReportFrame& frame_;
    TableHeading heading_;
    int lastRow_ = 0;
    int rowsOnPage_ = 0;
};

} // namespace rheo
