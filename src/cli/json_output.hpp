// SPDX-License-Identifier: MIT
#pragma once
// The JSON documents of "--format json": one document on standard output, built as a tree of
// nlohmann-json. A number keeps exactly the digits the text output shows: it is held as that
// text (as a binary value, which no other part of a document uses) and written unchanged, so
// "8.500" stays 8.500 and never becomes 8.5.

#include "core/model/column_table.hpp"
#include "core/runs/run_calculation.hpp"

#include <nlohmann/json.hpp>

#include <cstddef>
#include <string>
#include <string_view>

namespace rheo::cli {

using Json = nlohmann::ordered_json;

// A number with the digits of `shown` (blanks around it ignored); null when the text is no
// JSON number ("N/A", "nan", "inf").
Json shownNumber(std::string_view shown);

// A text of the program (Windows-1252, as the files hold it) as a JSON string.
Json programText(const std::string& text);

// A value of a column as its kind says: the text, a number with the digits shown, or true
// for "Yes".
Json columnValue(JsonKind kind, const std::string& text);

// A row of a list as an object: each column's text under the column's name, in the list's
// order; columns that share a name are gathered in one array.
template <typename Row, std::size_t N>
Json rowObject(const ColumnTable<Row, N>& table, const Row& value) {
    const auto texts = rowTextsOf(table, value);
    Json row = Json::object();
    for (std::size_t i = 0; i < N; ++i) {
        std::size_t sharing = 0;
        for (const Column<Row>& column : table)
            sharing += std::string_view(column.jsonName) == table[i].jsonName ? 1 : 0;
        Json shown = columnValue(table[i].jsonKind, texts[i]);
        if (sharing > 1)
            row[table[i].jsonName].push_back(std::move(shown));
        else
            row[table[i].jsonName] = std::move(shown);
    }
    return row;
}

// A run as a row of the results list shows it: sampleId, cell, viscosity, shearRate,
// reynoldsNumber, newtonian (true or false), pressure, effluxTime, dateTime.
Json resultObject(const TestResult& result);

// A run checked and computed: {"accepted": true, "result": ...}, or {"accepted": false,
// "message": ..., "rerunPressure": the suggested pressure, or null when there is none}. The
// message of refusedRun is UTF-8 already (it may quote what was typed).
Json acceptedRun(const TestResult& result);
Json refusedRun(const std::string& message, const Json& rerunPressure = nullptr);
Json runObject(const RunOutcome& outcome);

// The document as JSON text, without a line break.
std::string jsonText(const Json& document);

// Writes the document and one line break to standard output.
void writeJson(const Json& document);

} // namespace rheo::cli
