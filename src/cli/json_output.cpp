// SPDX-License-Identifier: MIT
#include "cli/json_output.hpp"

#include "core/text/windows1252.hpp"

#include <cstdio>

namespace rheo::cli {
namespace {

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Skips a run of digits; true when there was at least one.
bool digits(std::string_view text, std::size_t& pos) {
    const std::size_t start = pos;
    while (pos < text.size() && isDigit(text[pos]))
        ++pos;
    return pos > start;
}

// JSON's number grammar: -?(0|[1-9][0-9]*)(.[0-9]+)?([eE][+-]?[0-9]+)?
bool isJsonNumber(std::string_view text) {
    std::size_t pos = 0;
    if (pos < text.size() && text[pos] == '-')
        ++pos;
    if (pos < text.size() && text[pos] == '0')
        ++pos;
    else if (pos >= text.size() || !isDigit(text[pos]) || !digits(text, pos))
        return false;
    if (pos < text.size() && text[pos] == '.' && !digits(text, ++pos))
        return false;
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        ++pos;
        if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
            ++pos;
        if (!digits(text, pos))
            return false;
    }
    return pos == text.size();
}

void append(std::string& out, const Json& value) {
    switch (value.type()) {
    case Json::value_t::object: {
        out += '{';
        bool first = true;
        for (const auto& [key, member] : value.items()) {
            if (!first)
                out += ',';
            append(out, Json(key));
            out += ':';
            append(out, member);
            first = false;
        }
        out += '}';
        break;
    }
    case Json::value_t::array: {
        out += '[';
        bool first = true;
        for (const Json& element : value) {
            if (!first)
                out += ',';
            append(out, element);
            first = false;
        }
        out += ']';
        break;
    }
    case Json::value_t::binary:
        for (const auto byte : value.get_binary())
            out += static_cast<char>(byte);
        break;
    default:
        // A text quoted from the command line may be malformed UTF-8: it is written with
        // U+FFFD for the bytes that cannot be read, never left out.
        out += value.dump(-1, ' ', false, Json::error_handler_t::replace);
        break;
    }
}

} // namespace

Json shownNumber(std::string_view shown) {
    const std::string_view number = trimmed(shown);
    if (!isJsonNumber(number))
        return nullptr;
    return Json::binary(Json::binary_t::container_type(number.begin(), number.end()));
}

Json programText(const std::string& text) {
    return windows1252ToUtf8(text);
}

Json columnValue(JsonKind kind, const std::string& text) {
    switch (kind) {
    case JsonKind::Number:
        return shownNumber(text);
    case JsonKind::YesNo:
        return text == "Yes";
    case JsonKind::Text:
        break;
    }
    return programText(text);
}

Json resultObject(const TestResult& result) {
    return rowObject(resultColumns(), result);
}

Json acceptedRun(const TestResult& result) {
    return {{"accepted", true}, {"result", resultObject(result)}};
}

Json refusedRun(const std::string& message, const Json& rerunPressure) {
    return {{"accepted", false}, {"message", message}, {"rerunPressure", rerunPressure}};
}

Json runObject(const RunOutcome& outcome) {
    if (const auto* accepted = std::get_if<RunAccepted>(&outcome))
        return acceptedRun(accepted->result);
    Json rerunPressure = nullptr;
    if (const auto* outside = std::get_if<RunOutsideWindow>(&outcome)) {
        if (const auto text = rerunPressureText(*outside))
            rerunPressure = shownNumber(*text);
    }
    return refusedRun(windows1252ToUtf8(refusalMessage(outcome)), rerunPressure);
}

std::string jsonText(const Json& document) {
    std::string out;
    append(out, document);
    return out;
}

void writeJson(const Json& document) {
    const std::string text = jsonText(document) + '\n';
    std::fwrite(text.data(), 1, text.size(), stdout);
}

} // namespace rheo::cli
