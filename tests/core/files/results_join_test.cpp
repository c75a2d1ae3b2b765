// Joining results files row by row must write exactly what loading them all (from the last to
// the first) and saving writes, and must leave every unusual case to those commands.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "core/files/results_file.hpp"
#include "core/files/results_join.hpp"
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
        "Neg,-1,-8.125,-1.005,-0.05,0,-200.25,-0.005,2/29/2024 23:59",
    };
    if (random() % 4 == 0)
        return kOdd[random() % kOdd.size()];
    std::uniform_real_distribution<double> value(-50.0, 5000.0);
    char row[200];
    std::snprintf(
        row, sizeof row, "S%u,%u,%.*f,%.*f,%.*f,%u,%.*f,%.*f,%u/%u/%u %u:%u",
        static_cast<unsigned>(random() % 100000), static_cast<unsigned>(random() % 6),
        static_cast<int>(random() % 5), value(random), static_cast<int>(random() % 5),
        value(random), static_cast<int>(random() % 5), value(random),
        static_cast<unsigned>(random() % 2), static_cast<int>(random() % 5), value(random),
        static_cast<int>(random() % 5), value(random), static_cast<unsigned>(1 + random() % 12),
        static_cast<unsigned>(1 + random() % 28), static_cast<unsigned>(1990 + random() % 50),
        static_cast<unsigned>(random() % 24), static_cast<unsigned>(random() % 60));
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
    struct Case {
        std::vector<std::string> inputs;
        std::string output;
    };
    const Case cases[] = {
        {{good, dir.file("missing.csv")}, previous},
        {{upperCase, good}, previous},
        {{good, tooLong}, previous},
        {{good}, dir.file("out.txt")},
        {{good}, dir.path().string()},
        {{good}, dir.file("no-such-directory/out.csv")},
    };
    for (const Case& c : cases) {
        EXPECT_FALSE(joinResultsFiles(c.inputs, c.output)) << c.output;
        EXPECT_EQ(TempDir::read(previous), "previous");
        EXPECT_FALSE(std::filesystem::exists(dir.file("out.txt")));
    }
    // Nothing but the files written by the test is left in the directory.
    std::size_t entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.path()))
        ++entries;
    EXPECT_EQ(entries, 4u);
}

TEST(ResultsSave, ARowTooLongIsNamedBeforeAnyOtherReasonAndEveryEmptyIdBecomesNoId) {
    // The rows are written as they are made; a row too long near the end, with a target
    // that cannot be made at all, is still what the message names.
    TempDir dir;
    std::vector<TestResult> results(3000);
    results[10].sampleId.clear();
    results[2999].pressure = 1e308;
    results[2999].sampleId.clear();
    for (const std::string& target :
         {dir.file("results.csv"), dir.file("no-such-directory/results.csv")}) {
        ScriptedDialogs dialogs;
        EXPECT_FALSE(saveResultsFileAt(results, target, dialogs));
        ASSERT_EQ(dialogs.messages.size(), 1u);
        EXPECT_NE(dialogs.messages[0].find("Run 3000 (NO_ID): the Pressure (psi) makes its line"),
                  std::string::npos)
            << dialogs.messages[0];
        EXPECT_FALSE(std::filesystem::exists(target));
    }
    EXPECT_EQ(results[10].sampleId, "NO_ID");
}

} // namespace
} // namespace rheo
