// SPDX-License-Identifier: MIT
#pragma once
// The comma-separated input files of rheo-cli (runs, weighings, standard-oil runs): a
// header line, then one record a line, as RFC 4180 writes CSV. These are the command's own
// inputs, not files of the program, so their fields are split at every comma outside quotes
// and nothing is skipped silently except blank lines. A field that starts with a quote is
// quoted: it may hold commas, line breaks (the record then goes on over the next lines) and
// quotes written twice; a quote anywhere else is an ordinary character. They are read as the
// program reads its own files: ordinary files only, CR LF, LF or a lone CR ending a line, one line
// at a time and each line of bounded length, so that memory does not grow with the size of the
// file.

#include "core/files/input_file.hpp"
#include "core/files/line_reader.hpp"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rheo::cli {

// No record of these files comes near this; a longer line is refused with its number.
inline constexpr std::size_t kLongestInputLine = 4096;

struct InputLine {
    int number = 0;                  // line number in the file where the record starts
    std::vector<std::string> fields; // split at every comma outside quotes, blanks kept
};

// The records of one input file of a subcommand, read one after the other.
class InputTable {
public:
    // Opens the file. When it cannot be read the reason is on standard error and opened()
    // is false.
    InputTable(std::string command, std::string path);

    bool opened() const { return file_ != nullptr; }

    // The next record after the header, blank lines left out. False at the end of the file,
    // and when a line is too long, a quote is left open or reading fails (the reason is then
    // on standard error).
    bool next(InputLine& line);

    // Once next() gave false: 0 when the whole file was read and held a record; otherwise
    // its complaint is on standard error and this is the exit status: 2 for a line too long,
    // a quote left open or a failed read, 1 (with the usage) for a file without any record.
    int endStatus() const;

private:
    bool fail(int lineNumber, const std::string& message);

    std::string command_;
    std::string path_;
    InputFile file_;
    LineReader reader_;
    int number_ = 0;
    bool anyRecord_ = false;
    int status_ = 0;
};

// How a record split: complete, or a quoted field not closed yet (the record goes on over the
// next line), or text after a closing quote before the next comma.
enum class CsvSplit { Complete, QuoteOpen, TextAfterQuote };

// Splits a record at every comma outside quotes; "a,,b" gives three fields, "\"a,\"\"b\"\"\""
// one field a,"b".
CsvSplit splitCsvRecord(std::string_view record, std::vector<std::string>& fields);

// Joins fields[from, to) again with commas: the text that stood there in the line.
std::string joinFields(const std::vector<std::string>& fields, size_t from, size_t to);

// "1" or "Yes" is true, "0" or "No" is false (blanks around ignored); nothing otherwise.
std::optional<bool> parseYesNo(std::string_view text);

} // namespace rheo::cli
