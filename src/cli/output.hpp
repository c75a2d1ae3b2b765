// SPDX-License-Identifier: MIT
#pragma once
// Texts written as the program shows them: one line, or a row of texts with one TAB
// between them, each followed by one line break. The program's texts are Windows-1252 bytes
// (as its files hold them); rheo-cli writes UTF-8, so rows and the program's messages are
// converted on the way out. The command's own complaints quote what was typed, already UTF-8.

#include "core/text/windows1252.hpp"

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rheo::cli {

void writeLine(std::FILE* stream, const std::string& text);

// A message of the program (Windows-1252) as UTF-8, one line break after it.
void writeMessage(std::FILE* stream, const std::string& programText);

// A row keeps its fields and stays one line whatever its texts hold: a TAB or a line break
// inside a text (a sample ID may hold a TAB) is written as a blank.
template <typename Texts> void writeRow(std::FILE* stream, const Texts& texts) {
    std::string row;
    bool first = true;
    for (const auto& text : texts) {
        if (!first)
            row += '\t';
        for (const char c : windows1252ToUtf8(text))
            row += (c == '\t' || c == '\n' || c == '\r') ? ' ' : c;
        first = false;
    }
    writeLine(stream, row);
}

// A message of a rejected line of an input file: "line N: " followed by the message.
void writeLineMessage(int lineNumber, const std::string& message);

// Typed UTF-8 text (an option, a field of a CSV input) as the files hold it. A text with a
// character that Windows-1252 cannot hold is refused: its message is written to standard
// error (after `linePrefix`, "line N: " for a CSV input) and nothing is returned.
std::optional<std::string> fileText(const std::string& typed, std::string_view what,
                                    const std::string& linePrefix = {});

} // namespace rheo::cli
