#include "core/files/results_file.hpp"

#include <gtest/gtest.h>

#include <clocale>

#include "core/files/file_messages.hpp"
#include "support/scripted_dialogs.hpp"
#include "support/temp_dir.hpp"

namespace rheo {
namespace {

using testing::ScriptedDialogs;
using testing::TempDir;

const std::string kHeaderLine =
    "Sample Id Name,Cell Number,Viscosity (mPa*s),Shear Rate (1x10e6 1/sec),Reynolds "
    "Number,Newtonian,Pressure (psi),Efflux Time(sec),Date Time\r\n";

TestResult run(std::string id, int cell, LocalDateTime at = makeLocalDateTime(2014, 7, 4, 9, 5)) {
    TestResult result;
    result.sampleId = std::move(id);
    result.cellNumber = cell;
    result.viscosity = 8.5;
    result.shearRate = 1.00561;
    result.reynoldsNumber = 266.2985;
    result.newtonian = false;
    result.pressure = 200;
    result.effluxTime = 18.004;
    result.dateTime = at;
    return result;
}

TEST(ResultsFileWriter, WritesHeaderAndRowsWithTheirFormats) {
    std::vector<TestResult> results{
        run("Sample-1", 2), run("", 3),
        run("ABCDEFGHIJKLMNOPQRSTUVWXY", 1, makeLocalDateTime(2024, 12, 31, 23, 59))};
    results[2].newtonian = true;
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr) << "scripts/setup-debian.sh";
    const std::string text = resultsFileText(results);
    std::setlocale(LC_ALL, previous.c_str());
    EXPECT_EQ(text, kHeaderLine + "Sample-1,2,8.500,1.01,266.3,0,200.0,18.00,7/4/2014 9:5\r\n"
                                  "NO_ID,3,8.500,1.01,266.3,0,200.0,18.00,7/4/2014 9:5\r\n"
                                  "ABCDEFGHIJKLMNOPQ,1,8.500,1.01,266.3,1,200.0,18.00,"
                                  "12/31/2024 23:59\r\n");
    // The empty identifier is now held as written.
    EXPECT_EQ(results[1].sampleId, "NO_ID");
    EXPECT_EQ(results[2].sampleId, "ABCDEFGHIJKLMNOPQRSTUVWXY");
}

TEST(ResultsFileReader, RoundTripKeepsTheWrittenPrecision) {
    std::vector<TestResult> results{run("S", 2), run("T", 5)};
    const std::vector<TestResult> back = parseResultsText(resultsFileText(results));
    ASSERT_EQ(back.size(), 2u);
    TestResult expected = run("S", 2);
    expected.shearRate = 1.01;
    expected.reynoldsNumber = 266.3;
    expected.effluxTime = 18.0;
    EXPECT_EQ(back[0], expected);
    EXPECT_EQ(back[1].cellNumber, 5);
}

TEST(ResultsFileReader, SplitsFieldsAndDatesByTheStrtokRules) {
    const std::string text = "any header\n"
                             "Short,3,1.5,0.9,12,1\n"
                             "\r\n"
                             "   \n"
                             ",,,\n"
                             "Gaps,,4,,2.5\n"
                             "TwentyCharactersLong1,7,nan,inf,1e999,1,5,6,2/30/2023 25:61\n"
                             "Odd,0,1,1,1,0,1,1,12/5\n";
    const std::vector<TestResult> rows = parseResultsText(text);
    ASSERT_EQ(rows.size(), 4u); // empty, blank and field-less lines are skipped
    // Missing fields count as "0", the date from all-zero parts is no calendar date.
    EXPECT_EQ(rows[0].sampleId, "Short");
    EXPECT_EQ(rows[0].cellNumber, 3);
    EXPECT_EQ(rows[0].reynoldsNumber, 12);
    EXPECT_TRUE(rows[0].newtonian);
    EXPECT_EQ(rows[0].pressure, 0);
    EXPECT_EQ(rows[0].effluxTime, 0);
    EXPECT_EQ(rows[0].dateTime, (LocalDateTime{0, 0, 0, 0, 0, 0, false}));
    // Adjacent commas are one separator.
    EXPECT_EQ(rows[1].cellNumber, 4);
    EXPECT_EQ(rows[1].viscosity, 2.5);
    // The identifier buffer holds 19 characters; undefined numbers read as 0; a cell outside
    // 1 to 5 and an impossible date are kept as read.
    EXPECT_EQ(rows[2].sampleId, "TwentyCharactersLon");
    EXPECT_EQ(rows[2].cellNumber, 7);
    EXPECT_EQ(rows[2].viscosity, 0);
    EXPECT_EQ(rows[2].shearRate, 0);
    EXPECT_EQ(rows[2].reynoldsNumber, 0);
    EXPECT_EQ(rows[2].dateTime, (LocalDateTime{2023, 2, 30, 25, 61, 0, false}));
    EXPECT_EQ(rows[3].dateTime, (LocalDateTime{0, 12, 5, 0, 0, 0, false}));
    EXPECT_FALSE(rows[3].newtonian);
}

TEST(ResultsFileReader, HeaderTakesUpTo255BytesAndRowsUpTo127) {
    const std::string longHeader(300, 'h');
    const std::string longRow = std::string(130, 'x') + ",1\n";
    const auto rows = parseResultsText(longHeader + "\n" + longRow);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].sampleId, std::string(19, 'h')); // the header's last 45 bytes
    EXPECT_EQ(rows[1].sampleId, std::string(19, 'x'));
    EXPECT_EQ(rows[2].sampleId, "xxx");
    EXPECT_EQ(rows[2].cellNumber, 1);
}

TEST(ResultsFileCommands, DialogsAndExtensionChecks) {
    TempDir dir;
    std::vector<TestResult> results{run("A", 1)};
    for (const char* name : {"r.CSV", "r.Csv", "r.txt", "r"}) {
        ScriptedDialogs dialogs;
        dialogs.willChoose(dir.file(name));
        dialogs.willChoose(dir.write(name, kHeaderLine + "B,2\r\n"));
        EXPECT_FALSE(saveResultsFile(results, dialogs));
        EXPECT_FALSE(loadResultsFile(results, dialogs));
        EXPECT_EQ(dialogs.messages,
                  (std::vector<std::string>{"Please Use .csv File Extension.",
                                            "Please Select a valid Calculated Results File.  "
                                            "'*.csv'"}));
        EXPECT_EQ(results.size(), 1u);
    }
    ScriptedDialogs dialogs;
    EXPECT_FALSE(saveResultsFile(results, dialogs));
    EXPECT_FALSE(loadResultsFile(results, dialogs));
    ASSERT_EQ(dialogs.saveRequests.size(), 1u);
    ASSERT_EQ(dialogs.openRequests.size(), 1u);
    EXPECT_EQ(dialogs.saveRequests[0].title, "Save Current Calculated Results");
    EXPECT_EQ(dialogs.openRequests[0].title, "Select Calculated Results File");
    for (const auto& request : {dialogs.saveRequests[0], dialogs.openRequests[0]}) {
        EXPECT_EQ(request.defaultName, "RHEO_Results.csv");
        EXPECT_EQ(request.defaultExtension, ".csv");
        EXPECT_EQ(request.filter, "Calculated Results File (*.csv)|*.csv");
    }
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST(ResultsFileCommands, LoadedRowsGoInFrontOfTheListedRunsInFileOrder) {
    TempDir dir;
    std::vector<TestResult> saved{run("F1", 1), run("F2", 2), run("F3", 3)};
    ScriptedDialogs dialogs;
    dialogs.willChoose(dir.file("RHEO_Results.csv"));
    ASSERT_TRUE(saveResultsFile(saved, dialogs));
    dialogs.willChoose(dir.file("RHEO_Results.csv"));
    dialogs.willChoose(dir.file("missing.csv"));
    std::vector<TestResult> list{run("E1", 4), run("E2", 5)};
    EXPECT_TRUE(loadResultsFile(list, dialogs));
    EXPECT_FALSE(loadResultsFile(list, dialogs));
    std::vector<std::string> ids;
    for (const auto& result : list)
        ids.push_back(result.sampleId);
    EXPECT_EQ(ids, (std::vector<std::string>{"F1", "F2", "F3", "E1", "E2"}));
    EXPECT_EQ(dialogs.messages, std::vector<std::string>{file_texts::kFileDidNotExist});
}

} // namespace
} // namespace rheo
