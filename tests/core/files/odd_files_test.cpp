// Hand-written odd files of tests/data, inputs found by fuzzing, and inputs of extreme size:
// the readers never crash, never hang and take what the reading rules give.

#include <gtest/gtest.h>

#include <chrono>

#include "core/files/calibration_file.hpp"
#include "core/files/results_file.hpp"
#include "core/text/c_format.hpp"
#include "support/scripted_dialogs.hpp"
#include "support/temp_dir.hpp"

namespace rheo {
namespace {

using testing::ScriptedDialogs;
using testing::testDataFile;

CalibrationData loadData(const std::string& name, ScriptedDialogs& dialogs, bool expected = true) {
    CalibrationData data;
    EXPECT_EQ(loadCalibrationFileAt(data, testDataFile(name), dialogs), expected) << name;
    return data;
}

TEST(OddCalibrationFiles, MixedLineEndsBlankLinesAndKeywordNames) {
    ScriptedDialogs dialogs;
    const CalibrationData data = loadData("calibration_mixed_line_ends.dat", dialogs);
    EXPECT_EQ(data.companyName, "Mixed Lab");
    EXPECT_EQ(data.serialNumber, "SN 1");
    EXPECT_EQ(data.operatingTemperature, 120);
    EXPECT_EQ(data.equilibriumTimerMinutes, 2);
    EXPECT_EQ(data.cells[0].maxShearRate, 1.8e6);
    ASSERT_EQ(data.cells[0].abPoints.size(), 1u);
    EXPECT_EQ(data.cells[0].abPoints[0].standardName, "CABLE");
    EXPECT_EQ(data.cells[0].volumePoints.size(), 1u);
    EXPECT_EQ(data.cells[1].workingShearRate, 2e6);
    EXPECT_EQ(data.cells[2].workingShearRate, 0);
    EXPECT_EQ(data.standards, (std::vector<ViscosityStandard>{{"CABLE", 7.25}}));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST(OddCalibrationFiles, NulBytesAreKeptAsBytes) {
    ScriptedDialogs dialogs;
    const CalibrationData data = loadData("calibration_nul_bytes.dat", dialogs);
    EXPECT_EQ(data.companyName, std::string("AC\0ME", 5));
    EXPECT_EQ(data.cells[0].workingShearRate, 1e6); // "1\0" "9" is one word read as 1
    EXPECT_EQ(data.cells[0].minShearRate, 2e6);
    EXPECT_EQ(data.standards,
              (std::vector<ViscosityStandard>{{std::string("N\0UL", 4), 3.5}, {"Last", 4}}));
    EXPECT_NE(calibrationFileText(data).find(std::string("\r\nAC\0ME\r\n", 9)), std::string::npos);
}

TEST(OddCalibrationFiles, LongLinesReadInPiecesAndUndefinedNumbersReadAsZero) {
    ScriptedDialogs dialogs;
    const CalibrationData data = loadData("calibration_long_and_undefined.dat", dialogs);
    // A 300-byte company name is read as three lines and shifts the header.
    EXPECT_EQ(data.companyName, std::string(127, 'C'));
    EXPECT_EQ(data.serialNumber, std::string(127, 'C'));
    EXPECT_EQ(data.operatingTemperature, 0);
    EXPECT_EQ(data.equilibriumTimerMinutes, 0);
    EXPECT_EQ(data.cells[0].workingShearRate, 150e6);
    EXPECT_EQ(data.cells[1].workingShearRate, 1e6);
    // "nan inf -inf 1e999 NAN 0x10 5 6 7 8"
    const CellCalibration& third = data.cells[2];
    for (double value : {third.workingShearRate, third.minShearRate, third.maxShearRate,
                         third.capillaryRadius, third.capillaryLength, third.constantA})
        EXPECT_EQ(value, 0);
    EXPECT_EQ(third.constantB, 5);
    EXPECT_EQ(missingFields(third).count, 6);
    EXPECT_EQ(data.standards, (std::vector<ViscosityStandard>{{"Huge", 0}}));
}

TEST(OddCalibrationFiles, AnOlderSetFromTheDataFolder) {
    ScriptedDialogs dialogs;
    const CalibrationData data = loadData("version1/RHEO.DAT", dialogs);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(cformat("%2.4f", data.cells[0].targetEffluxTime), "12.9345");
    EXPECT_EQ(data.cells[0].abPoints.size(), 1u);
    EXPECT_EQ(data.standards, (std::vector<ViscosityStandard>{{"S3", 3.5}, {"S10", 10.25}}));
}

TEST(OddResultsFiles, ShortRowsLongIdsBadDatesAndNulBytes) {
    ScriptedDialogs dialogs;
    std::vector<TestResult> rows;
    ASSERT_TRUE(loadResultsFileAt(rows, testDataFile("results_odd_rows.csv"), dialogs));
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0].dateTime, makeLocalDateTime(2014, 7, 4, 9, 5));
    EXPECT_TRUE(rows[0].dateTime.valid);
    EXPECT_EQ(rows[1].cellNumber, 9);
    EXPECT_EQ(rows[1].reynoldsNumber, 3);
    EXPECT_FALSE(rows[1].dateTime.valid);
    EXPECT_EQ(rows[2].sampleId, "AVeryLongSampleIden");
    EXPECT_EQ(rows[2].dateTime, (LocalDateTime{2023, 2, 29, 10, 30, 0, false}));
    EXPECT_EQ(rows[3].sampleId, std::string("C\0D", 3));
    EXPECT_EQ(rows[3].viscosity, 0);
    EXPECT_EQ(rows[3].shearRate, 0);
    EXPECT_FALSE(rows[3].dateTime.valid);
}

TEST(ExtremeInputs, AHugeLineIsReadInPieces) {
    const std::string body = "CAL " + std::string(10'000'000, 'x') + " 5\r\nCAL Next 2\r\n";
    CalibrationData data;
    parseCalibrationText(data, "RHEO Version 2\r\n\r\n\r\n150\r\n1\r\n" + body);
    ASSERT_EQ(data.standards.size(), 2u);
    EXPECT_EQ(data.standards[0].name, std::string(123, 'x'));
    EXPECT_EQ(data.standards[1].name, "Next");
    EXPECT_EQ(data.cells[4].cellNumber, 5);

    const auto rows = parseResultsText("h\n" + std::string(1'000'000, 'y') + ",2\n");
    ASSERT_EQ(rows.size(), 7875u); // 1,000,002 bytes in reads of 127
    EXPECT_EQ(rows.back().cellNumber, 2);
}

TEST(ExtremeInputs, AMillionLinesAreReadInBoundedTime) {
    const auto start = std::chrono::steady_clock::now();
    std::string calibration = "RHEO Version 2\r\n\r\n\r\n150\r\n1\r\n";
    std::string results = "header\r\n";
    for (int i = 0; i < 1'000'000; ++i) {
        calibration += "7 7 7 7 7 7 7 7 7 7\r\n"; // the sixth and later cell lines are ignored
        results += "\r\n";
    }
    CalibrationData data;
    parseCalibrationText(data, calibration);
    EXPECT_EQ(data.cells[4].workingShearRate, 7e6);
    EXPECT_TRUE(data.standards.empty());
    EXPECT_TRUE(parseResultsText(results).empty());
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(60));
}

} // namespace
} // namespace rheo
