#include "core/files/results_file.hpp"

#include <iterator>
#include <optional>

#include "core/files/file_messages.hpp"
#include "core/files/file_names.hpp"
#include "core/files/file_numbers.hpp"
#include "core/files/input_file.hpp"
#include "core/files/safe_file_writer.hpp"
#include "core/text/c_format.hpp"
#include "core/text/words.hpp"

namespace rheo {
namespace {

constexpr std::size_t kWrittenIdLength = 17;
constexpr std::size_t kReadIdLength = 19; // the reader's field holds 19 characters

// The C strtok walk over one text, where each call may name other delimiters: delimiters
// before a field are skipped, the field runs to the next delimiter, which is consumed.
class FieldCursor {
public:
    explicit FieldCursor(std::string_view text) : rest_(text) {}

    std::optional<std::string_view> next(std::string_view delimiters) {
        const std::size_t start = rest_.find_first_not_of(delimiters);
        if (start == std::string_view::npos) {
            rest_ = {};
            return std::nullopt;
        }
        rest_.remove_prefix(start);
        const std::size_t end = rest_.find_first_of(delimiters);
        const std::string_view field = rest_.substr(0, end);
        rest_.remove_prefix(end == std::string_view::npos ? rest_.size() : end + 1);
        return field;
    }

    // An absent field counts as the text "0".
    std::string_view nextOrZero(std::string_view delimiters) {
        return next(delimiters).value_or(std::string_view("0"));
    }

private:
    std::string_view rest_;
};

LocalDateTime parseDateTime(std::string_view text) {
    FieldCursor parts(text);
    const int month = cAtoi(parts.nextOrZero("/"));
    const int day = cAtoi(parts.nextOrZero("/"));
    const int year = cAtoi(parts.nextOrZero(" "));
    const int hour = cAtoi(parts.nextOrZero(":"));
    const int minute = cAtoi(parts.nextOrZero(":"));
    return makeLocalDateTime(year, month, day, hour, minute, 0);
}

// The names of the fields as the header line gives them.
const std::vector<std::string_view>& columnNames() {
    static const std::vector<std::string_view> names =
        splitLikeStrtok(file_texts::kResultsHeader, ",");
    return names;
}

std::vector<LineField> resultFields(const TestResult& result) {
    const auto& names = columnNames();
    const LocalDateTime& t = result.dateTime;
    return {{names[0], result.sampleId.substr(0, kWrittenIdLength)},
            {names[1], cformat("%d", static_cast<int>(result.cellNumber))},
            {names[2], cformat("%2.3f", result.viscosity)},
            {names[3], cformat("%2.2f", result.shearRate)},
            {names[4], cformat("%2.1f", result.reynoldsNumber)},
            {names[5], cformat("%d", result.newtonian ? 1 : 0)},
            {names[6], cformat("%2.1f", result.pressure)},
            {names[7], cformat("%2.2f", result.effluxTime)},
            {names[8], cformat("%d/%d/%d %d:%d", t.month, t.day, t.year, t.hour, t.minute)}};
}

} // namespace

FileLines resultsFileLines(std::vector<TestResult>& results) {
    FileLines lines;
    lines.add([] { return std::string("The header"); }, {{"header", file_texts::kResultsHeader}},
              ',', kLongestHeaderLine);
    for (std::size_t i = 0; i < results.size(); ++i) {
        TestResult& result = results[i];
        if (result.sampleId.empty())
            result.sampleId = file_texts::kEmptySampleId;
        lines.add([&] { return cformat("Run %d (%s)", int(i) + 1, result.sampleId.c_str()); },
                  resultFields(result), ',');
    }
    return lines;
}

std::string resultsFileText(std::vector<TestResult>& results) {
    return resultsFileLines(results).takeText();
}

bool parseResultRow(std::string_view row, TestResult& result) {
    if (firstWord(row).empty())
        return false; // an empty or blank line is no run
    FieldCursor fields(row);
    const auto sampleId = fields.next(",");
    if (!sampleId)
        return false;
    result = TestResult{};
    result.sampleId = std::string(sampleId->substr(0, kReadIdLength));
    result.cellNumber = cAtoi(fields.nextOrZero(","));
    result.viscosity = fileNumber(fields.nextOrZero(","));
    result.shearRate = fileNumber(fields.nextOrZero(","));
    result.reynoldsNumber = fileNumber(fields.nextOrZero(","));
    result.newtonian = cAtoi(fields.nextOrZero(",")) == 1;
    result.pressure = fileNumber(fields.nextOrZero(","));
    result.effluxTime = fileNumber(fields.nextOrZero(","));
    result.dateTime = parseDateTime(fields.nextOrZero(","));
    return true;
}

std::vector<TestResult> readResults(LineReader& reader) {
    std::vector<TestResult> results;
    std::string line;
    // A lone CR ends a line too: a file saved by a spreadsheet may use it alone.
    if (!reader.next(line, kHeaderReadLimit, LoneCr::EndsTheLine))
        return results;
    TestResult result;
    while (reader.next(line, kLineReadLimit, LoneCr::EndsTheLine))
        if (parseResultRow(line, result))
            results.push_back(result);
    return results;
}

std::vector<TestResult> parseResultsText(std::string_view bytes) {
    LineReader reader(bytes);
    return readResults(reader);
}

bool saveResultsFile(std::vector<TestResult>& results, UserDialogs& dialogs) {
    const auto path = dialogs.chooseFileToSave(file_texts::resultsSaveDialog());
    if (!path)
        return false;
    return saveResultsFileAt(results, *path, dialogs);
}

bool saveResultsFileAt(std::vector<TestResult>& results, const std::string& path,
                       UserDialogs& dialogs) {
    if (fileExtension(path) != "csv") {
        dialogs.inform(file_texts::kUseCsvExtension);
        return false;
    }
    const FileLines lines = resultsFileLines(results);
    // A row the reader would take apart is never written: the file would not read back.
    if (lines.overlong()) {
        dialogs.inform(saveFailedMessage(path, *lines.overlong()));
        return false;
    }
    const SaveOutcome outcome = saveBytesSafely(path, lines.text());
    if (!outcome.saved) {
        dialogs.inform(saveFailedMessage(path, outcome.reason));
        return false;
    }
    return true;
}

bool loadResultsFile(std::vector<TestResult>& results, UserDialogs& dialogs) {
    const auto path = dialogs.chooseFileToOpen(file_texts::resultsOpenDialog());
    if (!path)
        return false;
    return loadResultsFileAt(results, *path, dialogs);
}

bool loadResultsFileAt(std::vector<TestResult>& results, const std::string& path,
                       UserDialogs& dialogs) {
    if (fileExtension(path) != "csv") {
        dialogs.inform(file_texts::kSelectValidResultsFile);
        return false;
    }
    const InputFile file = openInputFile(path);
    if (!file) {
        dialogs.inform(file_texts::kFileDidNotExist);
        return false;
    }
    return loadResultsFromOpenFile(results, path, file.get(), dialogs);
}

bool loadResultsFromOpenFile(std::vector<TestResult>& results, const std::string& path,
                             std::FILE* file, UserDialogs& dialogs) {
    LineReader reader(file);
    std::vector<TestResult> loaded = readResults(reader);
    // Rows read before a failing read are not the file: none of them is taken.
    if (reader.readError()) {
        dialogs.inform(readFailedMessage(path, reader.readErrorNumber()));
        return false;
    }
    results.insert(results.begin(), std::make_move_iterator(loaded.begin()),
                   std::make_move_iterator(loaded.end()));
    return true;
}

} // namespace rheo
