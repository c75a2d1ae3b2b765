// SPDX-License-Identifier: MIT
#include "core/files/file_lines.hpp"

#include <algorithm>

namespace rheo {

std::vector<LineField> FileLines::Line::fields() const {
    std::vector<LineField> fields;
    const std::size_t recorded = std::min(count_, kMostFields);
    for (std::size_t i = 0; i < recorded; ++i) {
        // A field runs to the separator before the next one, the last to the line's end.
        const std::size_t end = i + 1 < recorded ? starts_[i + 1] - 1 : lines_.text_.size();
        fields.push_back({names_[i], lines_.text_.substr(starts_[i], end - starts_[i])});
    }
    return fields;
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

void FileLines::noteLineBreak(const std::string& record, std::span<const LineField> fields) {
    const auto broken = std::find_if(fields.begin(), fields.end(), [](const LineField& field) {
        return field.text.find_first_of("\r\n") != std::string::npos;
    });
    const std::string_view name = broken != fields.end() ? broken->name : "text";
    overlong_ = record + ": the " + std::string(name) +
                " holds a line break; a line of the file cannot carry one";
}

} // namespace rheo
