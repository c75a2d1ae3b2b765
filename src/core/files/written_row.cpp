// SPDX-License-Identifier: MIT
#include "core/files/written_row.hpp"

#include "core/files/file_lines.hpp"

#include <cstddef>

namespace rheo {
namespace {

constexpr std::size_t kLongestWrittenId = 17;
constexpr int kMostWholeDigits = 9;    // always within int, so atoi gives it back
constexpr int kMostDecimalDigits = 15; // always read back to the same decimals

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Walks the row field by field; each step consumes its field and the character after it.
class RowWalk {
public:
    explicit RowWalk(std::string_view row) : p_(row.data()), end_(row.data() + row.size()) {}

    bool id() {
        const char* const start = p_;
        while (p_ < end_ && *p_ != ',')
            ++p_;
        const auto length = static_cast<std::size_t>(p_ - start);
        return length >= 1 && length <= kLongestWrittenId && take(',');
    }

    // "0", or digits not starting with 0 after an optional minus sign, then `after`.
    bool whole(char after) {
        if (take('0'))
            return take(after);
        take('-');
        int digits = 0;
        if (p_ >= end_ || *p_ == '0')
            return false;
        while (p_ < end_ && isDigit(*p_) && ++digits <= kMostWholeDigits)
            ++p_;
        return digits >= 1 && digits <= kMostWholeDigits && take(after);
    }

    // An optional minus sign, "0" or digits not starting with 0, a point and exactly
    // `decimals` digits, then a comma.
    bool decimal(int decimals) {
        take('-');
        int digits = 0;
        if (take('0')) {
            digits = 1;
        } else {
            while (p_ < end_ && isDigit(*p_) && digits <= kMostDecimalDigits) {
                ++p_;
                ++digits;
            }
        }
        if (digits == 0 || !take('.'))
            return false;
        for (int i = 0; i < decimals; ++i, ++digits, ++p_)
            if (p_ == end_ || !isDigit(*p_))
                return false;
        return digits <= kMostDecimalDigits && take(',');
    }

    bool flag() { return (take('0') || take('1')) && take(','); }

private:
    // The character `c` next; '\0' stands for the end of the row.
    bool take(char c) {
        if (c == '\0')
            return p_ == end_;
        if (p_ < end_ && *p_ == c) {
            ++p_;
            return true;
        }
        return false;
    }

    const char* p_;
    const char* end_;
};

} // namespace

bool isResultRowAsWritten(std::string_view row) {
    if (row.size() > kLongestFileLine)
        return false;
    RowWalk walk(row);
    return walk.id() && walk.whole(',') && walk.decimal(3) && walk.decimal(2) && walk.decimal(1) &&
           walk.flag() && walk.decimal(1) && walk.decimal(2) && walk.whole('/') &&
           walk.whole('/') && walk.whole(' ') && walk.whole(':') && walk.whole('\0');
}

} // namespace rheo
