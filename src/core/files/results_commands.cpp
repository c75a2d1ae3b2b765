// SPDX-License-Identifier: MIT
#include "core/files/results_commands.hpp"

#include <iterator>
#include <optional>

#include "core/files/file_messages.hpp"
#include "core/files/file_names.hpp"
#include "core/files/input_file.hpp"
#include "core/files/posix_file.hpp"
#include "core/files/results_file.hpp"
#include "core/files/safe_file_writer.hpp"
#include "core/text/program_texts.hpp"

namespace rheo {
namespace {

// The rows an open results file likely holds, from its size.
std::size_t likelyRowsOf(std::FILE* file) {
    const auto info = posix::openFileInfo(file);
    if (!info || !info->ordinary)
        return 0;
    return likelyResultRows(info->size);
}

// Whether the rows a file's size suggests fit into half the machine's memory: a larger file
// (or a sparse one of a terabyte) is not read at all, it could only end the program.
bool rowsCanBeHeld(std::size_t likelyRows) {
    const std::optional<double> memory = posix::physicalMemoryBytes();
    if (!memory)
        return true; // the system does not say: the list grows until memory fails
    return static_cast<double>(likelyRows) * sizeof(TestResult) <= *memory / 2;
}

} // namespace

bool saveResultsFile(std::vector<TestResult>& results, UserDialogs& dialogs) {
    const auto path = dialogs.chooseFileToSave(file_texts::resultsSaveDialog());
    if (!path)
        return false;
    return saveResultsFileAt(results, *path, dialogs);
}

bool saveResultsFileAt(std::vector<TestResult>& results, const std::string& path,
                       UserDialogs& dialogs) {
    if (!isResultsFileName(path)) {
        dialogs.inform(file_texts::kUseCsvExtension);
        return false;
    }
    // Every empty sample ID is held as "NO_ID" from here on, whether or not the save succeeds.
    for (TestResult& result : results)
        if (result.sampleId.empty())
            result.sampleId = file_texts::kEmptySampleId;
    // Written row by row: the list and its file's text are never in memory at once.
    std::optional<std::string> overlong;
    const SaveOutcome outcome = saveSafely(path, [&](SaveStream& out) {
        ResultsFileWriter writer(out);
        for (TestResult& result : results)
            if (!writer.add(result))
                break;
        writer.finish();
        overlong = writer.overlong();
        return !overlong; // a failed write is the save's own reason
    });
    if (outcome.saved)
        return true;
    // A row the reader would take apart is never written, the file would not read back; it
    // is named before any other reason a save failed for.
    if (!overlong)
        overlong = firstOverlongResultRow(results);
    dialogs.inform(saveFailedMessage(path, overlong ? *overlong : outcome.reason));
    return false;
}

bool loadResultsFile(std::vector<TestResult>& results, UserDialogs& dialogs) {
    const auto path = dialogs.chooseFileToOpen(file_texts::resultsOpenDialog());
    if (!path)
        return false;
    return loadResultsFileAt(results, *path, dialogs);
}

bool loadResultsFileAt(std::vector<TestResult>& results, const std::string& path,
                       UserDialogs& dialogs) {
    if (!isResultsFileName(path)) {
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
    const std::size_t likelyRows = likelyRowsOf(file);
    if (!rowsCanBeHeld(likelyRows)) {
        dialogs.inform(tooLargeToLoadMessage(path));
        return false;
    }
    LineReader reader(file);
    std::vector<TestResult> loaded = readResults(reader, likelyRows);
    // Rows read before a failing read are not the file: none of them is taken.
    if (reader.readError()) {
        dialogs.inform(readFailedMessage(path, reader.readErrorNumber()));
        return false;
    }
    // One move of the rows held, however many rows the file had. Memory that runs out on the
    // way throws std::bad_alloc with the list as it was (the records move without throwing).
    if (results.empty())
        results = std::move(loaded);
    else
        results.insert(results.begin(), std::make_move_iterator(loaded.begin()),
                       std::make_move_iterator(loaded.end()));
    return true;
}

} // namespace rheo
