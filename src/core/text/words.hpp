// SPDX-License-Identifier: MIT
#pragma once
// The two ways the program's files are split into fields: the C strtok rules and the
// blank-separated words of sscanf's "%s". Both are reentrant here.

#include <string>
#include <string_view>
#include <vector>

namespace rheo {

// The white space of C's isspace in the "C" locale: blank, TAB, line feed, carriage return,
// form feed and vertical tab.
bool isWhiteSpace(char c);

// The text with every white-space byte removed: the calibration file reads a name back as
// one word.
std::string withoutWhiteSpace(std::string_view text);

// strtok rules: fields are the runs of characters between delimiters; adjacent
// delimiters count as one, delimiters at either end yield no empty field.
std::vector<std::string_view> splitLikeStrtok(std::string_view text, std::string_view delimiters);

// sscanf "%s" rules: words are the runs of non-white-space characters.
// At most `limit` words are returned.
std::vector<std::string_view> scanWords(std::string_view text, size_t limit);

// True when the text starts with the keyword byte for byte, as the literal at the head of
// a pattern such as "AB %s %s" demands.
bool startsWithKeyword(std::string_view text, std::string_view keyword);

// The first blank-separated word of a line ("AB", "VOL", "CAL" or a number).
std::string_view firstWord(std::string_view text);

} // namespace rheo
