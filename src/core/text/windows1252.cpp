// SPDX-License-Identifier: MIT
#include "core/text/windows1252.hpp"

#include "core/text/c_format.hpp"
#include "core/text/program_texts.hpp"

#include <array>
#include <cstdint>

namespace rheo {
namespace {

// The characters of the bytes 0x80 to 0x9F. The undefined bytes keep their own number.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t characterOf(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F)
        return kHighControls[byte - 0x80];
    return byte;
}

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// The byte for a character, or nothing when Windows-1252 has none.
bool byteOf(char32_t c, char& byte) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        byte = static_cast<char>(c);
        return true;
    }
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == c) {
            byte = static_cast<char>(0x80 + i);
            return true;
        }
    }
    return false;
}

// Decodes one UTF-8 sequence at `pos`; advances `pos` past it. Returns false for a
// malformed sequence (then `pos` moves one byte on).
bool decodeUtf8(std::string_view text, std::size_t& pos, char32_t& c) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    int length = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
        c = lead;
        ++pos;
        return true;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2;
        c = lead & 0x1F;
        minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        c = lead & 0x0F;
        minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        c = lead & 0x07;
        minimum = 0x10000;
    } else {
        ++pos;
        return false;
    }
    if (pos + length > text.size()) {
        ++pos;
        return false;
    }
    for (int i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[pos + i]);
        if ((next & 0xC0) != 0x80) {
            ++pos;
            return false;
        }
        c = (c << 6) | (next & 0x3F);
    }
    if (c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        ++pos;
        return false;
    }
    pos += length;
    return true;
}

} // namespace

std::string windows1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (const char byte : bytes)
        appendUtf8(out, characterOf(static_cast<unsigned char>(byte)));
    return out;
}

std::string utf8ToWindows1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        char32_t c = 0;
        char byte = '?';
        if (!decodeUtf8(utf8, pos, c) || !byteOf(c, byte))
            byte = '?';
        out += byte;
    }
    return out;
}

Windows1252Text toWindows1252(std::string_view utf8, std::string_view what) {
    Windows1252Text text;
    text.bytes.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const std::size_t start = pos;
        char32_t c = 0;
        char byte = 0;
        if (!decodeUtf8(utf8, pos, c)) {
            text.refusal =
                cformat(file_texts::kNotUtf8, std::string(what).c_str(),
                        unsigned(static_cast<unsigned char>(utf8[start])), int(start) + 1);
            break;
        }
        if (!byteOf(c, byte)) {
            // Named by its code point: the message itself is Windows-1252 text.
            text.refusal =
                cformat(file_texts::kNoWindows1252Form, std::string(what).c_str(), unsigned(c));
            break;
        }
        text.bytes += byte;
    }
    if (!text.converted())
        text.bytes.clear();
    return text;
}

} // namespace rheo
