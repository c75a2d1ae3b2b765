#include "cli/input_table.hpp"

#include "cli/output.hpp"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

namespace rheo::cli {
namespace {

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

} // namespace

std::optional<std::vector<InputLine>> readInputTable(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        writeLine(stderr, "Cannot read " + path + ": " + std::strerror(errno));
        return std::nullopt;
    }
    std::ostringstream bytes;
    bytes << in.rdbuf();
    if (in.bad()) {
        writeLine(stderr, "Cannot read " + path);
        return std::nullopt;
    }
    const std::string text = bytes.str();

    std::vector<InputLine> lines;
    int number = 0;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string_view line(text.data() + start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        ++number;
        if (number > 1 && !trimBlanks(line).empty())
            lines.push_back({number, splitAtCommas(line)});
        start = end + 1;
    }
    return lines;
}

std::vector<std::string> splitAtCommas(std::string_view line) {
    std::vector<std::string> fields;
    size_t start = 0;
    while (true) {
        const size_t comma = line.find(',', start);
        if (comma == std::string_view::npos) {
            fields.emplace_back(line.substr(start));
            return fields;
        }
        fields.emplace_back(line.substr(start, comma - start));
        start = comma + 1;
    }
}

std::string joinFields(const std::vector<std::string>& fields, size_t from, size_t to) {
    std::string joined;
    for (size_t i = from; i < to && i < fields.size(); ++i) {
        if (i > from)
            joined += ',';
        joined += fields[i];
    }
    return joined;
}

std::optional<bool> parseYesNo(std::string_view text) {
    const std::string_view word = trimBlanks(text);
    if (word == "1" || word == "Yes")
        return true;
    if (word == "0" || word == "No")
        return false;
    return std::nullopt;
}

} // namespace rheo::cli
