// SPDX-License-Identifier: MIT
#include "core/files/results_file.hpp"

#include <algorithm>
#include <iterator>
#include <optional>

#include "core/files/file_numbers.hpp"
#include "core/files/written_row.hpp"
#include "core/text/c_format.hpp"
#include "core/text/number_text.hpp"
#include "core/text/program_texts.hpp"
#include "core/text/words.hpp"

namespace rheo {
namespace {

constexpr std::size_t kWrittenIdLength = 17;
constexpr std::size_t kReadIdLength = 19; // the reader's field holds 19 characters

// The C strtok walk over one text, where each call may name another delimiter: delimiters
// before a field are skipped, the field runs to the next delimiter, which is consumed.
class FieldCursor {
public:
    explicit FieldCursor(std::string_view text) : rest_(text) {}

    // One delimiter at a time, as the program's rows and dates use them.
    std::optional<std::string_view> next(char delimiter) {
        const std::size_t start = rest_.find_first_not_of(delimiter);
        if (start == std::string_view::npos) {
            rest_ = {};
            return std::nullopt;
        }
        rest_.remove_prefix(start);
        const std::size_t end = rest_.find(delimiter);
        const std::string_view field = rest_.substr(0, end);
        rest_.remove_prefix(end == std::string_view::npos ? rest_.size() : end + 1);
        return field;
    }

    // An absent field counts as the text "0".
    std::string_view nextOrZero(char delimiter) {
        return next(delimiter).value_or(std::string_view("0"));
    }

private:
    std::string_view rest_;
};

LocalDateTime parseDateTime(std::string_view text) {
    FieldCursor parts(text);
    const int month = cAtoi(parts.nextOrZero('/'));
    const int day = cAtoi(parts.nextOrZero('/'));
    const int year = cAtoi(parts.nextOrZero(' '));
    const int hour = cAtoi(parts.nextOrZero(':'));
    const int minute = cAtoi(parts.nextOrZero(':'));
    return makeLocalDateTime(year, month, day, hour, minute, 0);
}

// The names of the fields as the header line gives them.
const std::vector<std::string_view>& columnNames() {
    static const std::vector<std::string_view> names =
        splitLikeStrtok(file_texts::kResultsHeader, ",");
    return names;
}

void addHeaderLine(FileLines& lines) {
    lines.add([] { return std::string("The header"); }, {{"header", file_texts::kResultsHeader}},
              ',', kLongestHeaderLine);
}

// "%s,%d,%2.3f,%2.2f,%2.1f,%d,%2.1f,%2.2f,%d/%d/%d %d:%d", the ID cut to 17 characters.
// `index` counts the rows from 0.
void addResultLine(FileLines& lines, TestResult& result, std::size_t index) {
    if (result.sampleId.empty())
        result.sampleId = file_texts::kEmptySampleId;
    const auto& names = columnNames();
    FileLines::Line line(lines, ',');
    line.field(names[0]).append(result.sampleId, 0, kWrittenIdLength);
    appendInteger(line.field(names[1]), result.cellNumber);
    appendFixed(line.field(names[2]), result.viscosity, 2, 3);
    appendFixed(line.field(names[3]), result.shearRate, 2, 2);
    appendFixed(line.field(names[4]), result.reynoldsNumber, 2, 1);
    appendInteger(line.field(names[5]), result.newtonian ? 1 : 0);
    appendFixed(line.field(names[6]), result.pressure, 2, 1);
    appendFixed(line.field(names[7]), result.effluxTime, 2, 2);
    std::string& dateTime = line.field(names[8]);
    const LocalDateTime& t = result.dateTime;
    appendInteger(dateTime, t.month);
    dateTime += '/';
    appendInteger(dateTime, t.day);
    dateTime += '/';
    appendInteger(dateTime, t.year);
    dateTime += ' ';
    appendInteger(dateTime, t.hour);
    dateTime += ':';
    appendInteger(dateTime, t.minute);
    line.end([&] { return cformat("Run %d (%s)", int(index) + 1, result.sampleId.c_str()); });
}

// A row of a results file as the program writes it takes about 55 bytes and rarely less than
// this: a list is made room for the rows a file's size suggests, so that a long file is not
// copied over and over as the list grows.
constexpr std::size_t kUsualRowBytes = 48;

// Room made at most for this many rows at once; a list longer still grows as it is read.
constexpr std::size_t kMostRowsReserved = std::size_t{1} << 20;

// The text handed on to the file at a time.
constexpr std::size_t kBlockBytes = 256 * 1024;

} // namespace

FileLines resultsFileLines(std::vector<TestResult>& results) {
    FileLines lines;
    addHeaderLine(lines);
    for (std::size_t i = 0; i < results.size(); ++i)
        addResultLine(lines, results[i], i);
    return lines;
}

std::string resultsFileText(std::vector<TestResult>& results) {
    return resultsFileLines(results).takeText();
}

ResultsFileWriter::ResultsFileWriter(SaveStream& out) : out_(out) {
    addHeaderLine(lines_);
}

bool ResultsFileWriter::add(TestResult& result) {
    if (lines_.overlong() || out_.failed())
        return false;
    addResultLine(lines_, result, rows_++);
    return nextRowWritten();
}

bool ResultsFileWriter::addRead(std::string_view row) {
    if (lines_.overlong() || out_.failed())
        return false;
    if (isResultRowAsWritten(row)) {
        lines_.addAsWritten(row);
        ++rows_;
        return nextRowWritten();
    }
    TestResult result;
    return !parseResultRow(row, result) || add(result);
}

bool ResultsFileWriter::nextRowWritten() {
    if (lines_.overlong())
        return false;
    if (lines_.text().size() >= kBlockBytes)
        handOn();
    return !out_.failed();
}

bool ResultsFileWriter::finish() {
    if (!lines_.overlong())
        handOn();
    return !lines_.overlong() && !out_.failed();
}

void ResultsFileWriter::handOn() {
    out_.write(lines_.text());
    lines_.clearText();
}

bool parseResultRow(std::string_view row, TestResult& result) {
    if (std::all_of(row.begin(), row.end(), isWhiteSpace))
        return false; // an empty or blank line is no run
    FieldCursor fields(row);
    const auto sampleId = fields.next(',');
    if (!sampleId)
        return false;
    result = TestResult{};
    result.sampleId = std::string(sampleId->substr(0, kReadIdLength));
    result.cellNumber = cAtoi(fields.nextOrZero(','));
    result.viscosity = fileNumber(fields.nextOrZero(','));
    result.shearRate = fileNumber(fields.nextOrZero(','));
    result.reynoldsNumber = fileNumber(fields.nextOrZero(','));
    result.newtonian = cAtoi(fields.nextOrZero(',')) == 1;
    result.pressure = fileNumber(fields.nextOrZero(','));
    result.effluxTime = fileNumber(fields.nextOrZero(','));
    result.dateTime = parseDateTime(fields.nextOrZero(','));
    return true;
}

void readResultLines(LineReader& reader, const std::function<bool(std::string_view)>& take) {
    std::string line;
    // A lone CR ends a line too: a file saved by a spreadsheet may use it alone.
    if (!reader.next(line, kHeaderReadLimit, LoneCr::EndsTheLine))
        return;
    while (reader.next(line, kLineReadLimit, LoneCr::EndsTheLine))
        if (!take(line))
            return;
}

void readResultRows(LineReader& reader, const std::function<bool(TestResult&)>& take) {
    TestResult result;
    readResultLines(
        reader, [&](std::string_view row) { return !parseResultRow(row, result) || take(result); });
}

std::vector<TestResult> readResults(LineReader& reader, std::size_t likelyRows) {
    std::vector<TestResult> results;
    results.reserve(std::min(likelyRows, kMostRowsReserved));
    readResultRows(reader, [&](TestResult& result) {
        results.push_back(std::move(result));
        return true;
    });
    return results;
}

std::size_t likelyResultRows(std::uint64_t fileBytes) {
    return static_cast<std::size_t>(fileBytes) / kUsualRowBytes;
}

std::optional<std::string> firstOverlongResultRow(std::vector<TestResult>& results) {
    FileLines lines;
    for (std::size_t i = 0; i < results.size() && !lines.overlong(); ++i) {
        addResultLine(lines, results[i], i);
        lines.clearText();
    }
    return lines.overlong();
}

std::vector<TestResult> parseResultsText(std::string_view bytes) {
    LineReader reader(bytes);
    return readResults(reader, likelyResultRows(bytes.size()));
}

} // namespace rheo
