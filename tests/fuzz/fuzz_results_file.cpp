// SPDX-License-Identifier: MIT
// The results file reader, then the writer on what was read and the reader again: a file the
// writer accepts (no row too long to be read back) reads back to exactly what was written.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/files/results_file.hpp"
#include "fuzz_checks.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::vector<rheo::TestResult> results = rheo::parseResultsText(bytes);
    for (const rheo::TestResult& result : results)
        rheo::fuzz::checkResult(result);

    const rheo::FileLines written = rheo::resultsFileLines(results);
    std::vector<rheo::TestResult> back = rheo::parseResultsText(written.text());
    for (const rheo::TestResult& result : back)
        rheo::fuzz::checkResult(result);
    if (!written.overlong())
        rheo::fuzz::checkSameText(rheo::resultsFileText(back), written.text(),
                                  "results read back as written");
    return 0;
}
