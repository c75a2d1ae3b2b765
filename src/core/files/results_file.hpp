// SPDX-License-Identifier: MIT
#pragma once
// The results file: a header line and one comma-separated row per accepted run, CR LF line
// ends (read: CR LF, LF or a lone CR), no quoting. Rows read from a file are put in front of the
// runs already listed.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/files/file_lines.hpp"
#include "core/files/line_reader.hpp"
#include "core/files/safe_file_writer.hpp"
#include "core/model/model.hpp"

namespace rheo {

// The exact bytes of the file. An empty sample ID is written as "NO_ID" and, as the program
// always did, replaced by "NO_ID" in the record itself; IDs are written with at most 17
// characters.
std::string resultsFileText(std::vector<TestResult>& results);
// The same line by line, with the first row too long to be read back named.
FileLines resultsFileLines(std::vector<TestResult>& results);
// What resultsFileLines says of the first row too long to be read back, without keeping the
// text.
std::optional<std::string> firstOverlongResultRow(std::vector<TestResult>& results);

// The file written a row at a time into a save, so that a long file is never held whole:
// the header first, then each row as it is added, handed on in blocks. The bytes are those of
// resultsFileText.
class ResultsFileWriter {
public:
    explicit ResultsFileWriter(SaveStream& out);
    ResultsFileWriter(const ResultsFileWriter&) = delete;
    ResultsFileWriter& operator=(const ResultsFileWriter&) = delete;

    // Writes the row (an empty sample ID becomes "NO_ID" in the record too). False once a row
    // was too long to be read back (see overlong) or the file could not be written: the save
    // is then to be given up.
    bool add(TestResult& result);
    // A row as read from a results file (line end removed): copied as it is when it is
    // exactly what add() writes for the record read from it, else that record is written.
    // A row that gives no record is skipped. False as for add().
    bool addRead(std::string_view row);
    // Writes what is still held; false when the file could not be written.
    bool finish();
    // The first row too long to be read back, as resultsFileLines names it.
    const std::optional<std::string>& overlong() const { return lines_.overlong(); }

private:
    bool nextRowWritten();
    void handOn();

    SaveStream& out_;
    FileLines lines_;
    std::size_t rows_ = 0;
};

// One data row (line end removed) as the reader takes it. False for a row that gives no
// record (empty or without any field).
bool parseResultRow(std::string_view row, TestResult& result);

// The records of a whole file's bytes in file order; the header line is skipped.
std::vector<TestResult> parseResultsText(std::string_view bytes);
// The same from a reader standing at the start of the file; room is made at first for
// `likelyRows` records.
std::vector<TestResult> readResults(LineReader& reader, std::size_t likelyRows = 0);
// The rows a results file of that many bytes likely holds.
std::size_t likelyResultRows(std::uint64_t fileBytes);
// The same one record at a time: `take` gets each record in file order and returns false to
// stop reading.
void readResultRows(LineReader& reader, const std::function<bool(TestResult&)>& take);
// The rows themselves as the reader takes them (line ends removed), before they are read
// into records; the header is skipped.
void readResultLines(LineReader& reader, const std::function<bool(std::string_view)>& take);

} // namespace rheo
