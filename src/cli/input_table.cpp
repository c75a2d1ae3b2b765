// SPDX-License-Identifier: MIT
#include "cli/input_table.hpp"

#include "cli/command_support.hpp"
#include "cli/exit_codes.hpp"
#include "cli/output.hpp"
#include "core/text/program_texts.hpp"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <sys/stat.h>
#include <unistd.h>

namespace rheo::cli {
namespace {

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

// Why a file could not be opened for reading.
std::string whyNotReadable(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return std::strerror(errno);
    if (!S_ISREG(info.st_mode))
        return file_texts::kNotAnOrdinaryFile;
    return std::strerror(::access(path.c_str(), R_OK) != 0 ? errno : EIO);
}

} // namespace

InputTable::InputTable(std::string command, std::string path)
    : command_(std::move(command)), path_(std::move(path)), file_(openInputFile(path_)),
      reader_(file_.get()) {
    if (!file_) {
        writeLine(stderr, "Cannot read " + path_ + ": " + whyNotReadable(path_));
        status_ = kFileFailed;
    }
}

bool InputTable::fail(int lineNumber, const std::string& message) {
    writeLineMessage(lineNumber, message);
    status_ = kFileFailed;
    return false;
}

bool InputTable::next(InputLine& line) {
    if (status_ != kDone)
        return false;
    std::string text, record;
    int start = 0; // the line the record started on, 0 before it starts
    // One byte more than the longest line tells a line that is too long.
    while (reader_.next(text, kLongestInputLine + 1, LoneCr::EndsTheLine)) {
        ++number_;
        if (text.size() > kLongestInputLine)
            return fail(number_, "The line is longer than " + std::to_string(kLongestInputLine) +
                                     " characters.");
        if (number_ == 1 || (start == 0 && trimBlanks(text).empty()))
            continue;
        // A line break inside quotes belongs to the field: the record goes on.
        record += start == 0 ? text : "\n" + text;
        start = start == 0 ? number_ : start;
        if (record.size() > kLongestInputLine)
            break;
        switch (splitCsvRecord(record, line.fields)) {
        case CsvSplit::Complete:
            line.number = start;
            anyRecord_ = true;
            return true;
        case CsvSplit::TextAfterQuote:
            return fail(start, "A quoted field must end at a comma or at the end of the line.");
        case CsvSplit::QuoteOpen:
            break;
        }
    }
    if (start != 0 && !reader_.readError())
        return fail(start, "The quote opened on this line is not closed.");
    if (reader_.readError()) {
        writeLine(stderr, "Cannot read " + path_ + ": " + std::strerror(reader_.readErrorNumber()));
        status_ = kFileFailed;
    } else if (!anyRecord_) {
        status_ = badCommandLine(command_, path_ + " holds no record after its header line");
    }
    return false;
}

int InputTable::endStatus() const {
    return status_;
}

CsvSplit splitCsvRecord(std::string_view record, std::vector<std::string>& fields) {
    fields.clear();
    size_t pos = 0;
    while (true) {
        std::string& field = fields.emplace_back();
        if (pos < record.size() && record[pos] == '"') {
            // A quoted field: up to the quote that is not written twice.
            for (++pos;; ++pos) {
                if (pos >= record.size())
                    return CsvSplit::QuoteOpen;
                if (record[pos] == '"') {
                    if (pos + 1 < record.size() && record[pos + 1] == '"')
                        ++pos;
                    else
                        break;
                }
                field += record[pos];
            }
            ++pos; // the closing quote
            if (pos < record.size() && record[pos] != ',')
                return CsvSplit::TextAfterQuote;
        } else {
            const size_t comma = std::min(record.find(',', pos), record.size());
            field.assign(record.substr(pos, comma - pos));
            pos = comma;
        }
        if (pos >= record.size())
            return CsvSplit::Complete;
        ++pos; // the comma
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
