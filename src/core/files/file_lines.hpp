#pragma once
// The lines the program writes into its files, built from named fields, and the rule that
// every line is read back whole: the readers take a line in pieces of 127 bytes, the line end
// counting as one of them, so a written line holds at most 126 bytes before its line end. A
// line that would be longer is traced to the record and the field that make it so.

#include <cstddef>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/files/line_reader.hpp"

namespace rheo {

inline constexpr std::size_t kLongestFileLine = kLineReadLimit - 1;
// The header line of the results file is read in a piece of 255 bytes.
inline constexpr std::size_t kLongestHeaderLine = kHeaderReadLimit - 1;

// One value of a line: its name as the operator knows it, and its text as written.
struct LineField {
    std::string_view name;
    std::string text;
};

// The text of a file, line by line, each line ended by CR LF.
class FileLines {
public:
    // Appends the fields joined by `separator`. `recordName()` names the record the line
    // holds ("Cell 2", "Run 7"); it is called only for a line longer than `longest`, which
    // would not be read back whole.
    template <typename RecordName>
    void add(const RecordName& recordName, std::span<const LineField> fields, char separator = ' ',
             std::size_t longest = kLongestFileLine) {
        const std::size_t length = append(fields, separator);
        if (length > longest && !overlong_)
            noteOverlong(recordName(), fields, length, longest);
    }
    template <typename RecordName>
    void add(const RecordName& recordName, std::initializer_list<LineField> fields,
             char separator = ' ', std::size_t longest = kLongestFileLine) {
        add(recordName, std::span<const LineField>(fields.begin(), fields.size()), separator,
            longest);
    }

    const std::string& text() const { return text_; }
    std::string takeText() { return std::move(text_); }
    // Forgets the text written so far, once it has been handed on (a file written piece by
    // piece); what overlong() says is kept.
    void clearText() { text_.clear(); }

    // For the first line too long to be read back whole: the record, the field with the
    // longest text and the length, in words. Nothing when every line fits.
    const std::optional<std::string>& overlong() const { return overlong_; }

private:
    std::size_t append(std::span<const LineField> fields, char separator);
    void noteOverlong(const std::string& record, std::span<const LineField> fields,
                      std::size_t length, std::size_t longest);

    std::string text_;
    std::optional<std::string> overlong_;
};

} // namespace rheo
