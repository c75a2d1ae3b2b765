// SPDX-License-Identifier: MIT
#pragma once
// The lines the program writes into its files, built from named fields, and the rule that
// every line is read back whole: the readers take a line in pieces of 127 bytes, the line end
// counting as one of them, so a written line holds at most 126 bytes before its line end. A
// line that would be longer is traced to the record and the field that make it so.

#include <array>
#include <cstddef>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

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
    // One line written field by field straight into the text, as the lines of a long file
    // are: field(name) starts the next field and gives the text its bytes are appended to.
    class Line {
    public:
        Line(FileLines& lines, char separator)
            : lines_(lines), separator_(separator), start_(lines.text_.size()) {}
        Line(const Line&) = delete;
        Line& operator=(const Line&) = delete;

        std::string& field(std::string_view name) {
            if (count_ > 0)
                lines_.text_ += separator_;
            if (count_ < kMostFields) {
                names_[count_] = name;
                starts_[count_] = lines_.text_.size();
            }
            ++count_;
            return lines_.text_;
        }

        // Ends the line. `recordName()` names the record the line holds ("Cell 2", "Run 7");
        // it is called only for a line longer than `longest`, which would not be read back
        // whole.
        // A field holding a line break is noted the same way, whatever its length: it
        // would split the line, and every line after it would be read as the one before.
        template <typename RecordName>
        void end(const RecordName& recordName, std::size_t longest = kLongestFileLine) {
            const std::size_t length = lines_.text_.size() - start_;
            if (!lines_.overlong_ &&
                lines_.text_.find_first_of("\r\n", start_) != std::string::npos)
                lines_.noteLineBreak(recordName(), fields());
            else if (length > longest && !lines_.overlong_)
                lines_.noteOverlong(recordName(), fields(), length, longest);
            lines_.text_ += "\r\n";
        }

    private:
        static constexpr std::size_t kMostFields = 16; // a line names at most this many
        // The fields as written, for the message about a line too long.
        std::vector<LineField> fields() const;

        FileLines& lines_;
        char separator_;
        std::size_t start_;
        std::size_t count_ = 0;
        std::array<std::string_view, kMostFields> names_{};
        std::array<std::size_t, kMostFields> starts_{};
    };

    // Appends the fields joined by `separator`, as Line does.
    template <typename RecordName>
    void add(const RecordName& recordName, std::span<const LineField> fields, char separator = ' ',
             std::size_t longest = kLongestFileLine) {
        Line line(*this, separator);
        for (const LineField& field : fields)
            line.field(field.name) += field.text;
        line.end(recordName, longest);
    }
    template <typename RecordName>
    void add(const RecordName& recordName, std::initializer_list<LineField> fields,
             char separator = ' ', std::size_t longest = kLongestFileLine) {
        add(recordName, std::span<const LineField>(fields.begin(), fields.size()), separator,
            longest);
    }

    // Appends a line already in its written form and known to fit.
    void addAsWritten(std::string_view line) {
        text_ += line;
        text_ += "\r\n";
    }

    const std::string& text() const { return text_; }
    std::string takeText() { return std::move(text_); }
    // Forgets the text written so far, once it has been handed on (a file written piece by
    // piece); what overlong() says is kept.
    void clearText() { text_.clear(); }

    // For the first line that would not be read back whole, in words: the record, and the
    // field with the longest text and the length, or the field that holds a line break.
    // Nothing when every line fits.
    const std::optional<std::string>& overlong() const { return overlong_; }

private:
    void noteOverlong(const std::string& record, std::span<const LineField> fields,
                      std::size_t length, std::size_t longest);
    void noteLineBreak(const std::string& record, std::span<const LineField> fields);

    std::string text_;
    std::optional<std::string> overlong_;
};

} // namespace rheo
