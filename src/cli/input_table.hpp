#pragma once
// The comma-separated input files of rheo-cli (runs, weighings, standard-oil runs): a
// header line, then one record a line. These are the command's own inputs, not files of
// the program, so their fields are split at every comma and nothing is skipped silently
// except blank lines.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rheo::cli {

struct InputLine {
    int number = 0;                  // line number in the file, the header being line 1
    std::vector<std::string> fields; // split at every comma, blanks kept
};

// The records after the header, blank lines left out. Nothing when the file cannot be
// read; the reason is then written to standard error.
std::optional<std::vector<InputLine>> readInputTable(const std::string& path);

// Splits at every comma; "a,,b" gives three fields.
std::vector<std::string> splitAtCommas(std::string_view line);

// Joins fields[from, to) again with commas: the text that stood there in the line.
std::string joinFields(const std::vector<std::string>& fields, size_t from, size_t to);

// "1" or "Yes" is true, "0" or "No" is false (blanks around ignored); nothing otherwise.
std::optional<bool> parseYesNo(std::string_view text);

} // namespace rheo::cli
