#include "core/files/line_reader.hpp"

#include <cerrno>

namespace rheo {
namespace {

constexpr std::size_t kBlockSize = 64 * 1024;
constexpr int kEnd = -1;

} // namespace

LineReader::LineReader(std::string_view bytes) : pending_(bytes) {}

LineReader::LineReader(std::FILE* file) : file_(file) {}

bool LineReader::fill() {
    if (!pending_.empty())
        return true;
    if (file_ == nullptr || error_ != 0)
        return false;
    block_.resize(kBlockSize);
    errno = 0;
    const std::size_t got = std::fread(block_.data(), 1, block_.size(), file_);
    if (got == 0) {
        if (std::ferror(file_))
            error_ = errno != 0 ? errno : EIO;
        return false;
    }
    pending_ = std::string_view(block_.data(), got);
    return true;
}

int LineReader::get() {
    if (!fill())
        return kEnd;
    const auto byte = static_cast<unsigned char>(pending_.front());
    pending_.remove_prefix(1);
    return byte;
}

int LineReader::peek() {
    if (!fill())
        return kEnd;
    return static_cast<unsigned char>(pending_.front());
}

bool LineReader::next(std::string& line, std::size_t limit, LoneCr loneCr) {
    line.clear();
    if (limit == 0)
        limit = 1; // every read takes at least one byte, so reading always ends
    if (peek() == kEnd)
        return false;
    // A CR LF pair is one byte to the count, as a Windows text-mode read translates it.
    while (line.size() < limit) {
        const int c = get();
        if (c == kEnd || c == '\n')
            break;
        if (c == '\r') {
            if (peek() == '\n') {
                get();
                break;
            }
            if (loneCr == LoneCr::EndsTheLine)
                break;
        }
        line.push_back(static_cast<char>(c));
    }
    return true;
}

} // namespace rheo
