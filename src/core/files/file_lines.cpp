#include "core/files/file_lines.hpp"

#include <algorithm>

namespace rheo {

std::size_t FileLines::append(std::span<const LineField> fields, char separator) {
    const std::size_t start = text_.size();
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            text_ += separator;
        text_ += fields[i].text;
    }
    const std::size_t length = text_.size() - start;
    text_ += "\r\n";
    return length;
}

void FileLines::noteOverlong(const std::string& record, std::span<const LineField> fields,
                             std::size_t length, std::size_t longest) {
    const auto longestField =
        std::max_element(fields.begin(), fields.end(), [](const LineField& a, const LineField& b) {
            return a.text.size() < b.text.size();
        });
    overlong_ = record + ": the " + std::string(longestField->name) + " makes its line " +
                std::to_string(length) + " characters long; this line of the file holds at most " +
                std::to_string(longest);
}

} // namespace rheo
