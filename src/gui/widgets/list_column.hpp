// SPDX-License-Identifier: MIT
#pragma once
// One column of a list: its heading and how wide it is drawn, as a multiple of the
// heading's own width in the list's font.

#include "core/model/column_table.hpp"

#include <cstddef>
#include <string>
#include <vector>

namespace rheo {

struct ListColumn {
    std::string heading; // the program's Windows-1252 bytes
    double widthFactor = 1.0;
};

// The headings and width factors of a list's table.
template <typename Row, std::size_t N>
std::vector<ListColumn> listColumnsOf(const ColumnTable<Row, N>& table) {
    std::vector<ListColumn> columns;
    for (const Column<Row>& column : table)
        columns.push_back({column.heading, column.widthFactor});
    return columns;
}

} // namespace rheo
