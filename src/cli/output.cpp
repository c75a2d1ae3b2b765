// SPDX-License-Identifier: MIT
#include "cli/output.hpp"

#include "core/text/c_format.hpp"

namespace rheo::cli {

void writeLine(std::FILE* stream, const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stream);
    std::fputc('\n', stream);
}

void writeMessage(std::FILE* stream, const std::string& programText) {
    writeLine(stream, windows1252ToUtf8(programText));
}

std::optional<std::string> fileText(const std::string& typed, std::string_view what,
                                    const std::string& linePrefix) {
    Windows1252Text text = toWindows1252(typed, what);
    if (!text.converted()) {
        writeMessage(stderr, linePrefix + text.refusal);
        return std::nullopt;
    }
    return std::move(text.bytes);
}

void writeLineMessage(int lineNumber, const std::string& message) {
    writeLine(stderr, cformat("line %d: ", lineNumber) + message);
}

} // namespace rheo::cli
