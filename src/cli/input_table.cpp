#include "cli/input_table.hpp"

#include "cli/command_support.hpp"
#include "cli/exit_codes.hpp"
#include "cli/output.hpp"

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
        return "It is not an ordinary file";
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

bool InputTable::next(InputLine& line) {
    if (status_ != kDone)
        return false;
    std::string text;
    // One byte more than the longest line tells a line that is too long.
    while (reader_.next(text, kLongestInputLine + 1, LoneCr::EndsTheLine)) {
        ++number_;
        if (text.size() > kLongestInputLine) {
            writeLineMessage(number_, "The line is longer than " +
                                          std::to_string(kLongestInputLine) + " characters.");
            status_ = kFileFailed;
            return false;
        }
        if (number_ > 1 && !trimBlanks(text).empty()) {
            line = {number_, splitAtCommas(text)};
            anyRecord_ = true;
            return true;
        }
    }
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
