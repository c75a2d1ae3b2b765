// SPDX-License-Identifier: MIT
// Reading lines: at most a fixed number of bytes a read, the line end (CR LF or LF, for some
// readers a lone CR too) counting as one of them. The reader copies runs of bytes at once; it
// must cut every input exactly as reading one byte at a time does, wherever line ends, limits
// and block boundaries fall.
#include <gtest/gtest.h>

#include <cerrno>
#include <random>
#include <string>
#include <vector>

#include "core/files/input_file.hpp"
#include "core/files/line_reader.hpp"
#include "failing_file.hpp"
#include "support/temp_dir.hpp"

namespace rheo {
namespace {

using Lines = std::vector<std::string>;
using namespace std::string_literals;

// The reading rules one byte at a time: at most `limit` bytes a read, CR LF or LF ending the
// line and counting as one of them, a lone CR a byte of the line or its end.
Lines readByteByByte(const std::string& bytes, const std::vector<std::size_t>& limits,
                     LoneCr loneCr) {
    Lines lines;
    std::size_t at = 0;
    for (std::size_t read = 0; at < bytes.size(); ++read) {
        const std::size_t limit = std::max<std::size_t>(limits[read % limits.size()], 1);
        std::string line;
        while (line.size() < limit && at < bytes.size()) {
            const char c = bytes[at++];
            if (c == '\n')
                break;
            if (c == '\r') {
                if (at < bytes.size() && bytes[at] == '\n') {
                    ++at;
                    break;
                }
                if (loneCr == LoneCr::EndsTheLine)
                    break;
            }
            line.push_back(c);
        }
        lines.push_back(line);
    }
    return lines;
}

Lines readWith(LineReader& reader, const std::vector<std::size_t>& limits, LoneCr loneCr) {
    Lines lines;
    std::string line;
    for (std::size_t read = 0; reader.next(line, limits[read % limits.size()], loneCr); ++read)
        lines.push_back(line);
    return lines;
}

// Bytes with line ends of every kind close together, NULs, and now and then a long line.
std::string randomBytes(std::mt19937& random, std::size_t size) {
    static const char kBytes[] = {'\r', '\n', '\r', '\n', 'a', 'b', ',', ' ', '\0', '\xCC'};
    std::string bytes;
    while (bytes.size() < size) {
        if (random() % 50 == 0)
            bytes.append(random() % 400, 'x');
        else
            bytes.push_back(kBytes[random() % sizeof kBytes]);
    }
    return bytes;
}

// Bytes held in memory, and the same bytes read from a file in blocks of 64 KiB: now and
// then several blocks, so that line ends, CR LF pairs and reads fall across block boundaries
// at random, and first a CR LF split between the first two blocks among NULs and long lines.
TEST(LineReader, CutsRandomBytesAsReadingOneByteAtATimeWhereverTheBlocksEnd) {
    std::mt19937 random(11);
    testing::TempDir dir;
    for (int round = 0; round < 300; ++round) {
        const std::string bytes =
            round == 0        ? std::string(65535, '\0') + "\r\nafter\n" + std::string(70000, 'y')
            : round % 60 == 0 ? randomBytes(random, 200000 + random() % 100000)
                              : randomBytes(random, random() % 3000);
        const std::string path = dir.write("lines.csv", bytes);
        const std::vector<std::size_t> limits = {random() % 200, 127, random() % 5, 255};
        for (const LoneCr loneCr : {LoneCr::IsAByte, LoneCr::EndsTheLine}) {
            const Lines expected = readByteByByte(bytes, limits, loneCr);
            LineReader inMemory{std::string_view(bytes)};
            ASSERT_EQ(readWith(inMemory, limits, loneCr), expected) << "round " << round;
            const InputFile file = openInputFile(path);
            ASSERT_TRUE(file);
            LineReader fromFile(file.get());
            ASSERT_EQ(readWith(fromFile, limits, loneCr), expected) << "round " << round;
            EXPECT_FALSE(fromFile.readError());
        }
    }
    // Only ordinary files are opened: an endless read of /dev/zero would hang the reader.
    EXPECT_FALSE(openInputFile(dir.file("missing.dat")));
    EXPECT_FALSE(openInputFile(dir.path().string()));
    EXPECT_FALSE(openInputFile("/dev/zero"));
}

TEST(LineReader, AFailingReadEndsTheLinesAndIsReportedWithItsErrorNumber) {
    const InputFile failing = testing::fileFailingAfter("first\r\nsecond");
    LineReader reader(failing.get());
    std::string first, second, rest; // with the reader's own limit and meaning of a lone CR
    EXPECT_TRUE(reader.next(first) && reader.next(second) && !reader.next(rest));
    EXPECT_EQ(first + "|" + second, "first|second");
    EXPECT_TRUE(reader.readError());
    EXPECT_EQ(reader.readErrorNumber(), EIO);
}

} // namespace
} // namespace rheo
