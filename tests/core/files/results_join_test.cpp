// SPDX-License-Identifier: MIT
// Joining results files row by row must write exactly what loading them all (from the last to
// the first) and saving writes, and must leave every unusual case to those commands. A row
// already in the written form is copied as it is, so the random rows, near the written form
// and beside it, prove that a row taken as written is exactly the row the program writes for
// the record read from it. (A row refused as written is read and written again.)
#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "core/files/results_file.hpp"
#include "core/files/results_join.hpp"
#include "file_test_support.hpp"
#include "support/scripted_dialogs.hpp"
#include "support/temp_dir.hpp"

namespace rheo {
namespace {

using testing::ScriptedDialogs;
using testing::TempDir;
using namespace std::string_literals;

// What the program's own commands write: each file loaded in front, from the last to the
// first, then the list saved.
std::string loadedAndSaved(const std::vector<std::string>& inputs, const std::string& output) {
    std::vector<TestResult> list;
    ScriptedDialogs dialogs;
    for (auto input = inputs.rbegin(); input != inputs.rend(); ++input)
        EXPECT_TRUE(loadResultsFileAt(list, *input, dialogs));
    EXPECT_TRUE(saveResultsFileAt(list, output, dialogs));
    EXPECT_TRUE(dialogs.messages.empty());
    return TempDir::read(output);
}

class RowPieces {
public:
    explicit RowPieces(unsigned seed) : random_(seed) {}

    // A row in the written form, or with one of its parts beside it.
    std::string row() {
        // Each field (the ID, a whole number, a number of 1 to 3 decimals, the Newtonian flag)
        // and the separator after it.
        enum { kId = -3, kWhole = -2, kFlag = -1 };
        static constexpr std::pair<int, char> kFields[] = {
            {kId, ','}, {kWhole, ','}, {3, ','},      {2, ','},      {1, ','},      {kFlag, ','},
            {1, ','},   {2, ','},      {kWhole, '/'}, {kWhole, '/'}, {kWhole, ' '}, {kWhole, ':'}};
        const int odd = random_() % 2 == 0 ? -1 : static_cast<int>(random_() % 27);
        int part = 0;
        const auto next = [&] { return part++ == odd; };
        std::string row;
        for (const auto& [field, separator] : kFields) {
            row += field == kId      ? id(next())
                   : field == kFlag  ? flag(next())
                   : field == kWhole ? whole(next())
                                     : decimal(field, next());
            row += next() ? pick({"", ",,", " ", std::string(2, separator)})
                          : std::string(1, separator);
        }
        row += whole(next());
        if (next())
            row += pick({",", ",extra", " ", ":5", "\r"});
        if (next())
            row = std::string(60 + random_() % 60, 'L') + row;
        return row;
    }

private:
    std::string pick(const std::vector<std::string>& choices) {
        return choices[random_() % choices.size()];
    }
    std::string digits(std::size_t count) {
        std::string text;
        for (std::size_t i = 0; i < count; ++i)
            text += static_cast<char>('0' + random_() % 10);
        return text;
    }
    // A whole number as written, or (odd) one of the texts that read the same but are
    // written otherwise, or that are no whole number.
    std::string whole(bool odd) {
        if (odd)
            return pick({"0", "-0", "00", "007", "+5", " 5", "5 ", "", "1234567890", "123456789",
                         "-123456789", "2147483648", "x", "9e1"});
        return (random_() % 5 == 0 ? "-" : "") + std::to_string(random_() % 3000);
    }
    // A number with `decimals` decimals and at most 15 digits, or (odd) one beside that form:
    // a decimal more or less, leading zeros, too many digits, other spellings.
    std::string decimal(int decimals, bool odd) {
        const std::string sign = random_() % 4 == 0 ? "-" : "";
        if (odd && random_() % 2 == 0)
            return pick({"-0.000", "0.000", "-0.00", "0.0", ".5", "5.", "+1.0", "1e2", "00.50",
                         "1.5 ", "nan", "0x1.0", "-.5", "", "0123.4", "-0.0"});
        int written = decimals;
        std::size_t wholeDigits = 1 + random_() % static_cast<std::size_t>(15 - decimals);
        if (odd && random_() % 2 == 0)
            written += random_() % 2 == 0 ? 1 : -1;
        else if (odd)
            wholeDigits = static_cast<std::size_t>(16 - decimals) + random_() % 4; // 16 to 19
        std::string whole = digits(wholeDigits);
        if (whole.size() > 1 && whole[0] == '0')
            whole[0] = '1';
        return sign + whole + (written >= 0 ? "." + digits(static_cast<std::size_t>(written)) : "");
    }
    std::string id(bool odd) {
        if (odd)
            return pick({"", " ", "A,B", std::string(18, 'y'), std::string(20, 'z')});
        return pick({"S" + std::to_string(random_() % 100000), " A B", "A\0B"s, "\xCC\xE9", ";",
                     std::string(17, 'x')});
    }
    std::string flag(bool odd) {
        return odd ? pick({"2", "01", "-1", "", " 1"}) : pick({"0", "1"});
    }

    std::mt19937 random_;
};

// A file of rows near the written form, and now and then one as other programs and hands
// leave them: blank and short rows, empty fields, words that are no plain number, lines longer
// than a read; every record fits its line. One kind of line end, the last line perhaps without
// its end.
std::string randomFile(std::mt19937& random, RowPieces& pieces, std::size_t rows) {
    static const std::vector<std::string> kOdd = {"",
                                                  "   ",
                                                  "A,1",
                                                  "B,,2,,3.5",
                                                  "Hex,3,0x10,1e3,-0,inf,nan,.5,13/45/2020 25:61",
                                                  std::string(200, 'L') + ",1,2",
                                                  "N,5,8.5\0,1,1,1,1,1,1/2/2021 3:4"s};
    static const std::vector<std::string> kLineEnds = {"\r\n", "\n", "\r"};
    const auto row = [&] {
        if (random() % 8 == 0)
            return kOdd[random() % kOdd.size()];
        std::string near = pieces.row();
        std::vector<TestResult> one(1); // a record too long for its line is no row to save
        while (parseResultRow(near, one[0]) && resultsFileLines(one).overlong())
            near = pieces.row();
        return near;
    };
    const std::string& lineEnd = kLineEnds[random() % kLineEnds.size()];
    std::string text = "Sample Id Name,whatever the header says" + lineEnd;
    for (std::size_t i = 0; i < rows; ++i)
        text += row() + lineEnd;
    if (random() % 2 == 0)
        text += row();
    return text;
}

TEST(ResultsJoin, WritesWhatLoadingAllAndSavingWrites) {
    std::mt19937 random(3);
    RowPieces pieces(8);
    TempDir dir;
    for (int round = 0; round < 12; ++round) {
        std::vector<std::string> inputs;
        const std::size_t files = 1 + random() % 4;
        for (std::size_t f = 0; f < files; ++f) {
            // Now and then enough rows for the written text to pass several blocks.
            const std::size_t rows = random() % 5 == 0 ? 9000 : random() % 40;
            inputs.push_back(
                dir.write("in" + std::to_string(f) + ".csv", randomFile(random, pieces, rows)));
        }
        const std::string expected = loadedAndSaved(inputs, dir.file("expected.csv"));
        ASSERT_TRUE(joinResultsFiles(inputs, dir.file("joined.csv"))) << "round " << round;
        ASSERT_EQ(TempDir::read(dir.file("joined.csv")), expected) << "round " << round;
    }
    // Joining onto one of the files read.
    const std::string first = dir.write("first.csv", randomFile(random, pieces, 30));
    const std::string second = dir.write("second.csv", randomFile(random, pieces, 30));
    const std::string expected = loadedAndSaved({first, second}, dir.file("expected.csv"));
    ASSERT_TRUE(joinResultsFiles({first, second}, first));
    EXPECT_EQ(TempDir::read(first), expected);
}

TEST(ResultsJoin, LeavesEveryUnusualCaseToTheCommandsThatSayWhatWentWrong) {
    TempDir dir;
    const std::string good =
        dir.write("good.csv", "h\r\nA,1,8.500,1.01,266.3,1,200.0,18.00,5/14/2024 9:5\r\n");
    const std::string tooLong = dir.write("long.csv", "h\nB,2,1,1,1,1,1e308,1\n");
    const std::string upperCase = dir.write("upper.CSV", "h\nA,1\n");
    const std::string previous = dir.write("out.csv", "previous");
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{good, dir.file("missing.csv")}, previous},
        {{upperCase, good}, previous},
        {{good, tooLong}, previous},
        {{good}, dir.file("out.txt")},
        {{good}, dir.path().string()},
        {{good}, dir.file("no-such-directory/out.csv")}};
    for (const auto& [inputs, output] : cases) {
        EXPECT_FALSE(joinResultsFiles(inputs, output)) << output;
        EXPECT_EQ(TempDir::read(previous), "previous");
    }
    // Nothing but the files written by the test is left in the directory.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 4);
}

} // namespace
} // namespace rheo
