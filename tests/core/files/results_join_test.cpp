// Joining results files row by row must write exactly what loading them all (from the last to
// the first) and saving writes, and must leave every unusual case to those commands. A row
// already in the written form is copied as it is: it must be exactly the row the program
// writes for the record read from it. (A row refused as written is read and written again.)
#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "core/files/file_messages.hpp"
#include "core/files/results_join.hpp"
#include "core/files/written_row.hpp"
#include "file_test_support.hpp"
#include "support/scripted_dialogs.hpp"
#include "support/temp_dir.hpp"

namespace rheo {
namespace {

using testing::ScriptedDialogs;
using testing::TempDir;
using namespace std::string_literals;

// Rows as the program writes them and as other programs and hands leave them: blank and
// short rows, empty fields, long IDs, words that are no plain number, lone CRs, LF ends,
// lines longer than a read.
std::string randomRow(std::mt19937& random) {
    static const std::vector<std::string> kOdd = {
        "",
        "   ",
        "A,1",
        "B,,2,,3.5",
        "A-very-long-sample-identifier,2,1.5,1,1,1,1,1,1/1/2020 1:1",
        "Hex,3,0x10,1e3,-0,inf,nan,.5,13/45/2020 25:61",
        "Spaces , 4 , 7.25 ,1.1 , 300,1, 200.0 , 18.00 ,  7/4/2014 9:5",
        std::string(200, 'L') + ",1,2",
        "N,5,8.5\0,1,1,1,1,1,1/2/2021 3:4"s,
        "Neg,-1,-8.125,-1.005,-0.05,0,-200.25,-0.005,2/29/2024 23:59"};
    if (random() % 4 == 0)
        return kOdd[random() % kOdd.size()];
    std::uniform_real_distribution<double> value(-50.0, 5000.0);
    const auto n = [&](unsigned count) { return static_cast<unsigned>(random() % count); };
    const auto decimals = [&] { return static_cast<int>(random() % 5); };
    char row[200];
    std::snprintf(row, sizeof row, "S%u,%u,%.*f,%.*f,%.*f,%u,%.*f,%.*f,%u/%u/%u %u:%u", n(100000),
                  n(6), decimals(), value(random), decimals(), value(random), decimals(),
                  value(random), n(2), decimals(), value(random), decimals(), value(random),
                  1 + n(12), 1 + n(28), 1990 + n(50), n(24), n(60));
    return row;
}

std::string randomFile(std::mt19937& random, std::size_t rows) {
    static const std::vector<std::string> kLineEnds = {"\r\n", "\n", "\r"};
    const std::string& lineEnd = kLineEnds[random() % kLineEnds.size()];
    std::string text = "Sample Id Name,whatever the header says" + lineEnd;
    for (std::size_t i = 0; i < rows; ++i)
        text += randomRow(random) + lineEnd;
    if (random() % 2 == 0)
        text += randomRow(random); // the last line without its end
    return text;
}

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

// What the program writes for the record read from `row`, or nothing when the row gives no
// record or its record would not fit on a line.
std::optional<std::string> rewritten(std::string_view row) {
    std::vector<TestResult> one(1);
    if (!parseResultRow(row, one[0]))
        return std::nullopt;
    const FileLines lines = resultsFileLines(one);
    if (lines.overlong())
        return std::nullopt;
    const std::size_t header = std::string(file_texts::kResultsHeader).size() + 2;
    return lines.text().substr(header, lines.text().size() - header - 2);
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

TEST(WrittenRow, ARowTakenAsWrittenIsExactlyWhatTheProgramWritesForIt) {
    RowPieces pieces(8);
    int taken = 0;
    for (int i = 0; i < 200000; ++i) {
        const std::string row = pieces.row();
        if (isResultRowAsWritten(row)) {
            ++taken;
            ASSERT_EQ(rewritten(row), row) << ::testing::PrintToString(row);
        }
    }
    // Both kinds come in numbers, so that both sides of the test count.
    EXPECT_GT(taken, 30000);
    EXPECT_LT(taken, 170000);
}

TEST(ResultsJoin, WritesWhatLoadingAllAndSavingWrites) {
    std::mt19937 random(3);
    TempDir dir;
    for (int round = 0; round < 12; ++round) {
        std::vector<std::string> inputs;
        const std::size_t files = 1 + random() % 4;
        for (std::size_t f = 0; f < files; ++f) {
            // Now and then enough rows for the written text to pass several blocks.
            const std::size_t rows = random() % 5 == 0 ? 9000 : random() % 40;
            inputs.push_back(
                dir.write("in" + std::to_string(f) + ".csv", randomFile(random, rows)));
        }
        const std::string expected = loadedAndSaved(inputs, dir.file("expected.csv"));
        ASSERT_TRUE(joinResultsFiles(inputs, dir.file("joined.csv"))) << "round " << round;
        ASSERT_EQ(TempDir::read(dir.file("joined.csv")), expected) << "round " << round;
    }
    // Joining onto one of the files read.
    const std::string first = dir.write("first.csv", randomFile(random, 30));
    const std::string second = dir.write("second.csv", randomFile(random, 30));
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
