// SPDX-License-Identifier: MIT
#pragma once
// A list's columns in one table, which the window's list, the printed report and rheo-cli
// all read: the heading the list shows and how wide it draws the column, where the report
// prints it, the name rheo-cli's JSON gives it, and how a row becomes the column's text.
// The number of columns is part of the table's type, so a row has exactly one text per
// column wherever it is shown.

#include <array>
#include <cstddef>
#include <string>

namespace rheo {

// How rheo-cli's JSON holds a column's text: as the text, as a number with the digits
// shown, or as true/false for "Yes"/"No".
enum class JsonKind { Text, Number, YesNo };

// Where a report prints a column: its place among the report's columns (-1: not printed),
// the centre of the column in page units, the heading and the unit printed under it.
struct ReportPlace {
    int order = -1;
    double centre = 0.0;
    const char* heading = "";
    const char* unit = "";
};

template <typename Row> struct Column {
    using Text = std::string (*)(const Row&);

    const char* heading; // the list's heading, in the program's Windows-1252 bytes
    double widthFactor;  // the list draws it this many times the heading's width
    const char* jsonName;
    JsonKind jsonKind;
    Text text;
    ReportPlace report = {};
    // Set where the report prints the value with a conversion of its own.
    Text reportText = nullptr;
};

template <typename Row, std::size_t N> using ColumnTable = std::array<Column<Row>, N>;

// One row's texts, one per column, in the list's order.
template <typename Row, std::size_t N>
std::array<std::string, N> rowTextsOf(const ColumnTable<Row, N>& table, const Row& row) {
    std::array<std::string, N> texts;
    for (std::size_t i = 0; i < N; ++i)
        texts[i] = table[i].text(row);
    return texts;
}

} // namespace rheo
