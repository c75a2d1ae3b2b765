// SPDX-License-Identifier: MIT
#pragma once
// Reads a file line by line the way the program always has: each read takes at most a fixed
// number of bytes of the current line (a longer line comes back in several pieces), a line
// end (CR LF or a bare LF, and for the readers that ask for it a lone CR) counts as one of
// those bytes and is removed. Files are bytes: a NUL byte is an ordinary character and never
// ends a line or the file.

#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>

namespace rheo {

// A line of the calibration file, the older-format files and the results rows: 128-byte buffer.
inline constexpr std::size_t kLineReadLimit = 127;
// The header line of the results file: 256-byte buffer.
inline constexpr std::size_t kHeaderReadLimit = 255;

// What a CR that is not followed by LF means. In the calibration file it is a byte of the
// line, as it always was there; files that pass through spreadsheets may end their lines
// with it alone.
enum class LoneCr { IsAByte, EndsTheLine };

class LineReader {
public:
    // Reads from bytes held elsewhere; they must outlive the reader.
    explicit LineReader(std::string_view bytes);
    // Reads from an open file (not owned), from its current position, a block at a time, so
    // that memory stays bounded by one block whatever the size of the file.
    explicit LineReader(std::FILE* file);

    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    // The next piece of at most `limit` bytes, the line end counted as one byte and removed.
    // False at the end of the input (and after a read error, see readError).
    bool next(std::string& line, std::size_t limit = kLineReadLimit,
              LoneCr loneCr = LoneCr::IsAByte);

    // True when the file reported an error; reading then stopped as at the end.
    bool readError() const { return error_ != 0; }
    // The errno value of that error (0 when there was none).
    int readErrorNumber() const { return error_; }

private:
    bool fill();
    int get();
    int peek();

    std::FILE* file_ = nullptr;
    std::string block_;
    std::string_view pending_;
    int error_ = 0;
};

} // namespace rheo
