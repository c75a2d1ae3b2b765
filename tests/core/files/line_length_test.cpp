// SPDX-License-Identifier: MIT
// What the program writes it reads back: texts up to the length a line can carry, saves that
// would write a longer line, and random valid calibrations and results written and read.
#include <gtest/gtest.h>

#include <random>

#include "core/calibration/standards.hpp"
#include "core/files/calibration_lines.hpp"
#include "core/files/safe_file_writer.hpp"
#include "core/model/field_rules.hpp"
#include "core/runs/run_calculation.hpp"
#include "file_test_support.hpp"
#include "support/scripted_dialogs.hpp"
#include "support/temp_dir.hpp"

namespace rheo {
namespace {

using testing::parsed;
using testing::ScriptedDialogs;
using testing::TempDir;

TEST(LineLength, TextsUpToTheirLimitReadBackWholeAndLongerOnesAreRefused) {
    const struct {
        FileText text;
        std::string name;
        std::size_t longest;
    } texts[] = {{FileText::CompanyName, "company name", 126},
                 {FileText::SerialNumber, "serial number", 126},
                 {FileText::StandardName, "standard name", 114}};
    for (const auto& t : texts) {
        SCOPED_TRACE(t.name);
        EXPECT_EQ(longestFileText(t.text), t.longest);
        const auto put = [&](CalibrationData& data, const std::string& value) {
            if (t.text == FileText::CompanyName)
                data.companyName = value;
            else if (t.text == FileText::SerialNumber)
                data.serialNumber = value;
            else // beside the widest viscosity a standard may have
                data.standards = {{value, highestAccepted(NumberField::StandardViscosity)}};
        };
        CalibrationData longest;
        put(longest, std::string(t.longest, 'x'));
        EXPECT_EQ(fileTextRefusal(t.text, std::string(t.longest, 'x')), std::nullopt);
        EXPECT_EQ(parsed(calibrationFileText(longest)), longest);
        // One more would not come back whole: refused where it is entered, and by the save.
        CalibrationData tooLong;
        put(tooLong, std::string(t.longest + 1, 'x'));
        EXPECT_TRUE(calibrationFileLines(tooLong).overlong().has_value());
        EXPECT_EQ(fileTextRefusal(t.text, std::string(t.longest + 1, 'x')),
                  "The " + t.name + " can hold at most " + std::to_string(t.longest) +
                      " characters.");
        for (const char* lineBreak : {"\n", "\r"})
            EXPECT_EQ(fileTextRefusal(t.text, std::string("a") + lineBreak + "b"),
                      "The " + t.name + " must fit on one line.");
    }
}

TEST(LineLength, ASaveThatWouldWriteALineTooLongWritesNothingAndNamesRecordAndField) {
    // Values no field accepts, as a file of another program may hold them.
    CalibrationData spoilt[6];
    spoilt[0].companyName.assign(150, 'c');
    spoilt[5].companyName = "Acme Oil Lab\r\n999\n-40\n0"; // pasted, whatever let it in
    spoilt[1].cells[0].targetEffluxTime = 1e100;
    spoilt[2].cells[1].abPoints.resize(2, {0, 0, 0, -1e90, 0, 0, true, ""});
    spoilt[3].cells[4].volumePoints = {{0, 0, 0, 0, 1e80}};
    spoilt[4].standards = {{"A", 1}, {"B", 1e120}};
    const std::string reasons[] = {
        "General Settings: the Company Name makes its line 150",
        "Cell 1: the Target Efflux Time makes its line 209",
        "Cell 2, A/B point 1: the Calculated Viscosity makes its line 161",
        "Cell 5, weighing 1: the Volume makes its line 138",
        "Standard 2: the Viscosity makes its line 131",
        "General Settings: the Company Name holds a line break"};
    const std::string limit = " characters long; this line of the file holds at most 126";
    const std::string broken = "; a line of the file cannot carry one";
    TempDir dir;
    const std::string target = dir.write("RHEO.dat", "previous");
    for (int i = 0; i < 6; ++i) {
        ScriptedDialogs dialogs;
        EXPECT_FALSE(saveCalibrationFileAt(spoilt[i], target, dialogs));
        EXPECT_EQ(dialogs.messages, std::vector<std::string>{saveFailedMessage(
                                        target, reasons[i] + (i < 5 ? limit : broken))});
    }
    // The results rows are written as they are made: a row too long, even with a target that
    // cannot be made at all, is what the message names. Every empty ID becomes "NO_ID", in the
    // records too, those after the row too long included.
    std::vector<TestResult> results(3000);
    results[1000].sampleId.clear();
    results[1000].pressure = 1e308;
    results[2000].sampleId.clear();
    results[2500].sampleId = "A\rB";
    for (const std::string& resultsTarget :
         {dir.file("none/results.csv"), dir.write("results.csv", "previous")}) {
        ScriptedDialogs dialogs;
        EXPECT_FALSE(saveResultsFileAt(results, resultsTarget, dialogs));
        EXPECT_EQ(
            dialogs.messages,
            std::vector<std::string>{saveFailedMessage(
                resultsTarget, "Run 1001 (NO_ID): the Pressure (psi) makes its line 354" + limit)});
        EXPECT_EQ(results[2000].sampleId, "NO_ID");
        results[1000].pressure = 1;
        EXPECT_FALSE(saveResultsFileAt(results, resultsTarget, dialogs));
        EXPECT_EQ(
            dialogs.messages.back(),
            saveFailedMessage(resultsTarget,
                              "Run 2501 (A\rB): the Sample Id Name holds a line break" + broken));
        results[1000].pressure = 1e308;
    }
    EXPECT_EQ(TempDir::read(target) + TempDir::read(dir.file("results.csv")), "previousprevious");
}

// ---- Random valid calibrations: read back, they write the same bytes again, that is every
// value and every byte of a text comes back as written. (Results rows read and written again
// are compared with the join's rows as written.) ----

struct Random {
    double number(double low, double high) {
        return std::uniform_real_distribution<double>(low, high)(engine);
    }
    int whole(int low, int high) { return std::uniform_int_distribution<int>(low, high)(engine); }
    // Any bytes but line breaks, and but the byte 0xCC that the reader drops from A/B names.
    std::string text(std::size_t longest) {
        std::string text(static_cast<std::size_t>(whole(0, static_cast<int>(longest))), ' ');
        for (char& c : text) {
            do
                c = static_cast<char>(whole(0, 255));
            while (c == '\r' || c == '\n' || static_cast<unsigned char>(c) == 0xCC);
        }
        return text;
    }

    std::mt19937 engine;
};

TEST(LineLength, RandomValidCalibrationsReadBackAtTheWrittenPrecision) {
    Random r{std::mt19937(20240515)};
    // The ranges of a cell's numbers, in their order in the file.
    const std::pair<double, double> ranges[] = {{0, 2e6}, {0, 2e6},  {0, 2e6}, {0, 0.5}, {0, 100},
                                                {-1, 1},  {-99, 99}, {0, 100}, {0, 20},  {0, 3600}};
    for (int round = 0; round < 300; ++round) {
        CalibrationData data;
        data.companyName = r.text(longestFileText(FileText::CompanyName));
        data.serialNumber = r.text(longestFileText(FileText::SerialNumber));
        data.operatingTemperature = r.whole(40, 150);
        data.equilibriumTimerMinutes = r.whole(1, 30);
        for (CellCalibration& c : data.cells) {
            for (std::size_t i = 0; i < std::size(ranges); ++i)
                *testing::numbersOf(c)[i] = r.number(ranges[i].first, ranges[i].second);
            for (int i = r.whole(0, 6); i > 0; --i) {
                const std::string name = cleanAbStandardName(r.text(40)); // "1" reads as no name
                c.abPoints.push_back({r.number(0, 40), r.number(0, 3600), r.number(0, 600),
                                      r.number(-1e4, 1e4), r.number(-1e4, 1e4), r.number(0, 1e4),
                                      r.whole(0, 1) == 1, name == "1" ? "" : name});
            }
            for (int i = r.whole(0, 6); i > 0; --i)
                c.volumePoints.push_back({r.number(0, 100), r.number(0, 100), r.number(0.01, 10),
                                          r.number(0, 3600), r.number(0, 1e4)});
        }
        for (int i = r.whole(0, 8); i > 0; --i)
            data.standards.push_back(
                {cleanStandardName(r.text(longestFileText(FileText::StandardName))),
                 r.number(1e-4, 40)});
        const FileLines lines = calibrationFileLines(data);
        ASSERT_EQ(lines.overlong(), std::nullopt) << round;
        ASSERT_EQ(calibrationFileText(parsed(lines.text())), lines.text()) << round;
    }
}

} // namespace
} // namespace rheo
