// SPDX-License-Identifier: MIT
#pragma once
// The program's texts are Windows-1252 bytes (the degree sign is the byte 0xB0). These turn
// them into UTF-8 for the screen, PDF and traces, and typed UTF-8 text back into bytes.

#include <string>
#include <string_view>

namespace rheo {

// Every byte becomes one character. The five bytes Windows-1252 leaves undefined (0x81,
// 0x8D, 0x8F, 0x90, 0x9D) become the control characters of the same number, so the
// conversion back gives the same bytes.
std::string windows1252ToUtf8(std::string_view bytes);

// Characters that Windows-1252 cannot hold, and malformed UTF-8, become "?".
std::string utf8ToWindows1252(std::string_view utf8);

// Typed UTF-8 text as the files hold it, or why it cannot be held: nothing is replaced.
struct Windows1252Text {
    std::string bytes;   // the text in Windows-1252 when every character has a byte
    std::string refusal; // otherwise the message, empty when the text was converted
    bool converted() const { return refusal.empty(); }
};

// `what` names the text in the refusal ("The sample ID"): the first character without a
// Windows-1252 byte is named by its code point ("U+2713"), malformed UTF-8 by the position
// of its first byte, counted from 1.
Windows1252Text toWindows1252(std::string_view utf8, std::string_view what);

} // namespace rheo
