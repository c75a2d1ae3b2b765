// SPDX-License-Identifier: MIT
#pragma once
// A history record as the rows of its listings: rheo-cli's text and CSV output, the History
// window's table and its CSV export all show these columns.

#include "core/model/model.hpp"
#include "core/seams/history.hpp"

#include <string>
#include <vector>

namespace rheo {

// "YYYY-MM-DD HH:MM:SS": the history's own form of a time, which sorts as it reads.
std::string historyTimeText(const LocalDateTime& at);

// The column names, and a record's texts under them (empty where the record has nothing).
const std::vector<std::string>& historyColumns();
std::vector<std::string> historyRow(const HistoryEntry& entry);

// The texts joined by commas, a text quoted when it holds a comma, a quote or a line break.
std::string csvLine(const std::vector<std::string>& texts);

} // namespace rheo
