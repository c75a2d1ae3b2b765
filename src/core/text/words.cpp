// SPDX-License-Identifier: MIT
#include "core/text/words.hpp"

namespace rheo {

bool isWhiteSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

std::string withoutWhiteSpace(std::string_view text) {
    std::string kept;
    kept.reserve(text.size());
    for (char c : text)
        if (!isWhiteSpace(c))
            kept += c;
    return kept;
}

std::vector<std::string_view> splitLikeStrtok(std::string_view text, std::string_view delimiters) {
    std::vector<std::string_view> fields;
    size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && delimiters.find(text[i]) != std::string_view::npos)
            ++i;
        const size_t start = i;
        while (i < text.size() && delimiters.find(text[i]) == std::string_view::npos)
            ++i;
        if (i > start)
            fields.push_back(text.substr(start, i - start));
    }
    return fields;
}

std::vector<std::string_view> scanWords(std::string_view text, size_t limit) {
    std::vector<std::string_view> words;
    size_t i = 0;
    while (i < text.size() && words.size() < limit) {
        while (i < text.size() && isWhiteSpace(text[i]))
            ++i;
        const size_t start = i;
        while (i < text.size() && !isWhiteSpace(text[i]))
            ++i;
        if (i > start)
            words.push_back(text.substr(start, i - start));
    }
    return words;
}

bool startsWithKeyword(std::string_view text, std::string_view keyword) {
    return text.substr(0, keyword.size()) == keyword;
}

std::string_view firstWord(std::string_view text) {
    std::size_t start = 0;
    while (start < text.size() && isWhiteSpace(text[start]))
        ++start;
    std::size_t end = start;
    while (end < text.size() && !isWhiteSpace(text[end]))
        ++end;
    return text.substr(start, end - start);
}

} // namespace rheo
