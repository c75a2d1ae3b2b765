// SPDX-License-Identifier: MIT
#include "core/files/results_join.hpp"

#include "core/files/file_names.hpp"
#include "core/files/input_file.hpp"
#include "core/files/results_file.hpp"
#include "core/files/safe_file_writer.hpp"

namespace rheo {

bool joinResultsFiles(const std::vector<std::string>& inputs, const std::string& output) {
    if (!isResultsFileName(output))
        return false;
    const SaveOutcome outcome = saveSafely(output, [&](SaveStream& out) {
        ResultsFileWriter writer(out);
        for (const std::string& path : inputs) {
            if (!isResultsFileName(path))
                return false;
            const InputFile file = openInputFile(path);
            if (!file)
                return false;
            LineReader reader(file.get());
            bool written = true;
            readResultLines(reader, [&](std::string_view row) {
                written = writer.addRead(row);
                return written;
            });
            if (!written || reader.readError())
                return false;
        }
        return writer.finish();
    });
    return outcome.saved;
}

} // namespace rheo
