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

std::string resultRow(const TestResult& result) {
    const LocalDateTime& t = result.dateTime;
    return result.sampleId.substr(0, kWrittenIdLength) +
           cformat(",%d,%2.3f,%2.2f,%2.1f,%d,%2.1f,%2.2f,%d/%d/%d %d:%d",
                   static_cast<int>(result.cellNumber), result.viscosity, result.shearRate,
                   result.reynoldsNumber, result.newtonian ? 1 : 0, result.pressure,
                   result.effluxTime, t.month, t.day, t.year, t.hour, t.minute);
}

} // namespace

std::string resultsFileText(std::vector<TestResult>& results) {
    std::string out = std::string(file_texts::kResultsHeader) + "\r\n";
    for (TestResult& result : results) {
        if (result.sampleId.empty())
            result.sampleId = file_texts::kEmptySampleId;
        out += resultRow(result);
        out += "\r\n";
    }
    return out;
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
    const SaveOutcome outcome = saveBytesSafely(path, resultsFileText(results));
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
