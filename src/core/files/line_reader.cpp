// SPDX-License-Identifier: MIT
#include "core/files/line_reader.hpp"

#include <cerrno>
#include <cstring>

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
    // Whole runs of ordinary bytes are copied at once; a line end is looked at byte by byte.
    // A CR LF pair is one byte to the count, as a Windows text-mode read translates it.
    while (line.size() < limit && fill()) {
        const std::string_view run = pending_.substr(0, limit - line.size());
        const char* const start = run.data();
        const void* const lineFeed = std::memchr(start, '\n', run.size());
        const std::size_t beforeLineFeed =
            lineFeed != nullptr
                ? static_cast<std::size_t>(static_cast<const char*>(lineFeed) - start)
                : run.size();
        const void* const carriageReturn = std::memchr(start, '\r', beforeLineFeed);
        const std::size_t ordinary =
            carriageReturn != nullptr
                ? static_cast<std::size_t>(static_cast<const char*>(carriageReturn) - start)
                : beforeLineFeed;
        line.append(start, ordinary);
        pending_.remove_prefix(ordinary);
        if (ordinary == run.size())
            continue; // the run ended without a line end: the limit, or the end of the block
        const int c = get();
        if (c == '\n')
            break;
        if (peek() == '\n') { // c is CR
            get();
            break;
        }
        if (loneCr == LoneCr::EndsTheLine)
            break;
        line.push_back('\r');
    }
    return true;
}

} // namespace rheo
