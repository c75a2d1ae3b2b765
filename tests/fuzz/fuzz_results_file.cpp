// The results file reader, then the writer on what was read and the reader again.

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

    for (const rheo::TestResult& result : rheo::parseResultsText(rheo::resultsFileText(results)))
        rheo::fuzz::checkResult(result);
    return 0;
}
