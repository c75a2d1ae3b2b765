#pragma once
// Texts written as the program shows them: one line, or a row of texts with one TAB
// between them, each followed by one line break.

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace rheo::cli {

void writeLine(std::FILE* stream, const std::string& text);

// A row keeps its fields and stays one line whatever its texts hold: a TAB or a line break
// inside a text (a sample ID may hold a TAB) is written as a blank.
template <typename Texts> void writeRow(std::FILE* stream, const Texts& texts) {
    std::string row;
    bool first = true;
    for (const auto& text : texts) {
        if (!first)
            row += '\t';
        for (const char c : std::string_view(text))
            row += (c == '\t' || c == '\n' || c == '\r') ? ' ' : c;
        first = false;
    }
    writeLine(stream, row);
}

// A message of a rejected line of an input file: "line N: " followed by the message.
void writeLineMessage(int lineNumber, const std::string& message);

} // namespace rheo::cli
