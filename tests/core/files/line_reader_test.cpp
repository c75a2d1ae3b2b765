#include "core/files/line_reader.hpp"

#include <gtest/gtest.h>

#include "core/files/input_file.hpp"
#include "support/temp_dir.hpp"

namespace rheo {
namespace {

using Lines = std::vector<std::string>;

Lines readAll(LineReader& reader, std::size_t limit = kLineReadLimit) {
    Lines lines;
    std::string line;
    while (reader.next(line, limit))
        lines.push_back(line);
    return lines;
}

Lines readAll(std::string_view bytes, std::size_t limit = kLineReadLimit) {
    LineReader reader(bytes);
    return readAll(reader, limit);
}

TEST(LineReader, LineEndsAreCrLfOrLfAndAreRemoved) {
    EXPECT_EQ(readAll("a\r\nb\nc"), (Lines{"a", "b", "c"}));
    EXPECT_EQ(readAll("a\r\n\r\n\n"), (Lines{"a", "", ""}));
    EXPECT_EQ(readAll("cr\ralone\r\r\n"), (Lines{"cr\ralone\r"}));
    EXPECT_EQ(readAll(""), Lines{});
    // A NUL byte is an ordinary byte.
    EXPECT_EQ(readAll(std::string_view("a\0b\r\n\0\n", 7)),
              (Lines{std::string("a\0b", 3), std::string(1, '\0')}));
}

TEST(LineReader, ReadsAtMost127BytesWithTheLineEndCountingAsOne) {
    const std::string a126(126, 'a');
    const std::string a127(127, 'a');
    EXPECT_EQ(readAll(a126 + "\r\nz"), (Lines{a126, "z"}));
    EXPECT_EQ(readAll(a126 + "\nz"), (Lines{a126, "z"}));
    // 127 bytes fill the read; the line end then comes as an empty line of its own.
    EXPECT_EQ(readAll(a127 + "\r\nz"), (Lines{a127, "", "z"}));
    EXPECT_EQ(readAll(a127 + "bc\n"), (Lines{a127, "bc"}));
    EXPECT_EQ(readAll(std::string(300, 'h') + "\n", kHeaderReadLimit),
              (Lines{std::string(255, 'h'), std::string(45, 'h')}));
}

TEST(LineReader, AFileReadsLikeItsBytesAcrossBlockBoundaries) {
    // CR and LF of one line end on both sides of the 64 KiB block edge, NULs and long lines.
    std::string bytes;
    while (bytes.size() < 65535)
        bytes += std::string(90, 'x') + std::string(1, '\0') + "\r\n";
    bytes.resize(65535);
    bytes += "\r\nafter\n" + std::string(70000, 'y') + "\r\n\r";
    testing::TempDir dir;
    const InputFile file = openInputFile(dir.write("big.dat", bytes));
    ASSERT_TRUE(file);
    LineReader fromFile(file.get());
    const Lines lines = readAll(fromFile);
    EXPECT_FALSE(fromFile.readError());
    EXPECT_EQ(lines, readAll(bytes));
    EXPECT_EQ(lines.back(), "\r");
}

TEST(LineReader, OnlyOrdinaryFilesAreOpened) {
    testing::TempDir dir;
    EXPECT_FALSE(openInputFile(dir.file("missing.dat")));
    EXPECT_FALSE(openInputFile(dir.path().string()));
    EXPECT_FALSE(openInputFile("/dev/zero")); // an endless read would hang the reader
    EXPECT_TRUE(openInputFile(dir.write("ok.dat", "")));
}

} // namespace
} // namespace rheo
