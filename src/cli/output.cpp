#include "cli/output.hpp"

#include "core/text/c_format.hpp"

namespace rheo::cli {

void writeLine(std::FILE* stream, const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stream);
    std::fputc('\n', stream);
}

void writeLineMessage(int lineNumber, const std::string& message) {
    writeLine(stderr, cformat("line %d: ", lineNumber) + message);
}

} // namespace rheo::cli
