#include "core/files/version1_import.hpp"

#include <gtest/gtest.h>

#include "core/files/calibration_file.hpp"
#include "core/files/file_messages.hpp"
#include "core/text/c_format.hpp"
#include "support/scripted_dialogs.hpp"
#include "support/temp_dir.hpp"

namespace rheo {
namespace {

using testing::ScriptedDialogs;

std::string lines(const std::vector<std::string>& texts) {
    std::string out;
    for (const auto& text : texts)
        out += text + "\r\n";
    return out;
}

// 16 run lines for a cell: the given runs, then empty slots.
std::string runLines(std::vector<std::string> runs) {
    runs.resize(16, "0 , 0 , 0");
    return lines(runs);
}

const std::string kMain = lines({"Version 1"}) + runLines({"5 , 18 , 200", "0 , 1 , 1"}) +
                          lines({"0.0025 , 9 , 6"}) + runLines({}) + lines({"0.003 , -2 , 6"}) +
                          runLines({"4 , 20 , 100"}) + lines({"0.003 , -2 , 6"}) +
                          runLines({"3 , 0 , 50", "0.0 , 10 , 10"}) + lines({"0.001 , 1 , 5"});
// Cells 1 to 3 share a geometry; cell 4 has radius 0; cell 5 is left out.
const std::string kSettings = lines(
    {"Settings", "1.4", "1.6", "1.2", "0.075", "15", "0.075", "15", "0.075", "15", "0", "12"});
const std::string kStandards = lines({"\"S3\",3.5", "Two Words 7", "", "Lonely"});

std::string fixed4(double value) {
    return cformat("%2.4f", value);
}

TEST(Version1Import, ReadsRunsAndConstantsAndDerivesWhatVersion1DidNotStore) {
    ScriptedDialogs dialogs;
    CalibrationData data;
    data.companyName = "reset first";
    EXPECT_TRUE(importVersion1Bytes(data, kMain, kSettings, kStandards, dialogs));
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(data.companyName, "");
    for (const CellCalibration& cell : data.cells) {
        EXPECT_EQ(cell.workingShearRate, 1400000);
        EXPECT_EQ(cell.maxShearRate, 1600000);
        EXPECT_EQ(cell.minShearRate, 1200000);
        EXPECT_EQ(cell.rmsPercentDiff, 1e-8);
        EXPECT_TRUE(cell.volumePoints.empty());
    }
    const CellCalibration& one = data.cells[0];
    EXPECT_EQ(one.constantA, 0.0025);
    EXPECT_EQ(one.constantB, 9);
    EXPECT_EQ(one.cellVolume, 6);
    EXPECT_EQ(one.capillaryLength, 15);
    EXPECT_EQ(fixed4(one.targetEffluxTime), "12.9345");
    ASSERT_EQ(one.abPoints.size(), 1u); // the slot "0 , 1 , 1" is skipped
    const AbPoint& run = one.abPoints[0];
    EXPECT_EQ(run.knownViscosity, 5);
    EXPECT_EQ(run.effluxTime, 18);
    EXPECT_EQ(run.pressure, 200);
    EXPECT_EQ(run.calculatedViscosity, 8.5);
    EXPECT_EQ(fixed4(run.reynoldsNumber), "266.2985");
    EXPECT_EQ(fixed4(run.percentDiff), "70.0000");
    EXPECT_TRUE(run.newtonian);
    EXPECT_EQ(run.standardName, "");
    // Sixteen empty slots give no runs, and the constants line is still read.
    EXPECT_TRUE(data.cells[1].abPoints.empty());
    EXPECT_EQ(data.cells[1].constantB, -2);
    const AbPoint& three = data.cells[2].abPoints.at(0);
    EXPECT_EQ(fixed4(three.calculatedViscosity), "6.1000");
    EXPECT_EQ(fixed4(three.reynoldsNumber), "333.9645");
    EXPECT_EQ(fixed4(three.percentDiff), "52.5000");
    // Divisions by zero store 0: radius 0, efflux time 0, known viscosity 0.
    const CellCalibration& four = data.cells[3];
    EXPECT_EQ(four.targetEffluxTime, 0);
    ASSERT_EQ(four.abPoints.size(), 2u);
    EXPECT_EQ(four.abPoints[0].calculatedViscosity, 0);
    EXPECT_EQ(four.abPoints[0].reynoldsNumber, 0);
    EXPECT_EQ(four.abPoints[0].percentDiff, -100);
    EXPECT_EQ(four.abPoints[1].percentDiff, 0);
    EXPECT_EQ(data.cells[4].targetEffluxTime, 0); // volume 0 over radius 0
    EXPECT_EQ(data.cells[4].capillaryLength, 0);
    EXPECT_EQ(data.standards, (std::vector<ViscosityStandard>{
                                  {"S3", 3.5}, {"Two", 0}, {"NO_NAME", 0}, {"Lonely", 0}}));
}

TEST(Version1Import, MissingCompanionsAreNamedAndWhatWasReadStays) {
    ScriptedDialogs withoutSettings;
    CalibrationData data;
    EXPECT_FALSE(importVersion1Bytes(data, kMain, std::nullopt, kStandards, withoutSettings));
    EXPECT_EQ(withoutSettings.messages,
              std::vector<std::string>{
                  "With Version 1 there are three files for calibration.\nYou are missing "
                  "RHEOSET.DAT\nThis is not fatal, but you will need to reenter the volumes and "
                  "shear rates."});
    EXPECT_EQ(data.cells[0].targetEffluxTime, 0);
    EXPECT_EQ(data.cells[0].rmsPercentDiff, 0);
    EXPECT_EQ(data.cells[0].abPoints.at(0).calculatedViscosity, 0);
    EXPECT_EQ(data.cells[0].constantA, 0.0025);
    EXPECT_EQ(missingFields(data.cells[0]).count, 7);
    EXPECT_EQ(data.standards.size(), 4u);

    ScriptedDialogs withoutStandards;
    EXPECT_FALSE(importVersion1Bytes(data, kMain, kSettings, std::nullopt, withoutStandards));
    EXPECT_EQ(withoutStandards.messages,
              std::vector<std::string>{
                  "With Version 1 there are three files for calibration.\nYou are missing "
                  "RHEOCAL.DAT\nThis is not fatal, but you will need to reenter the standard "
                  "viscosites"});
    EXPECT_EQ(data.cells[0].abPoints.at(0).calculatedViscosity, 8.5);
    EXPECT_TRUE(data.standards.empty());
}

TEST(Version1Import, CompanionsAreFoundBesideTheChosenFileInAnyLetterCase) {
    testing::TempDir dir;
    dir.write("rheoset.dat", kSettings);
    dir.write("RheoCal.Dat", kStandards);
    ScriptedDialogs dialogs;
    CalibrationData data;
    EXPECT_TRUE(loadCalibrationFileAt(data, dir.write("OLD.DAT", kMain), dialogs));
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(data.cells[0].capillaryRadius, 0.075);
    EXPECT_EQ(data.standards.size(), 4u);
}

struct RunLineCase {
    std::string line;
    std::size_t points;
    AbPoint point;
};

class Version1RunLine : public ::testing::TestWithParam<RunLineCase> {};

// A word runs up to the next blank, so a comma needs a blank before it.
TEST_P(Version1RunLine, WordsAreMatchedAsBlankSeparatedWithCommasBetween) {
    ScriptedDialogs dialogs;
    CalibrationData data;
    importVersion1Bytes(data, "v1\r\n" + GetParam().line + "\r\n", std::nullopt, std::nullopt,
                        dialogs);
    ASSERT_EQ(data.cells[0].abPoints.size(), GetParam().points);
    if (GetParam().points == 1) {
        EXPECT_EQ(data.cells[0].abPoints[0], GetParam().point);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lines, Version1RunLine,
    ::testing::Values(RunLineCase{"5 , 18 , 200", 1, {5, 18, 200, 0, 0, 0, true, ""}},
                      RunLineCase{"  5  ,18 ,200", 1, {5, 18, 200, 0, 0, 0, true, ""}},
                      RunLineCase{"5,18,200", 1, {5, 0, 0, 0, 0, 0, true, ""}},
                      RunLineCase{"5, 18, 200", 1, {5, 0, 0, 0, 0, 0, true, ""}},
                      RunLineCase{"5 , 18", 1, {5, 18, 0, 0, 0, 0, true, ""}},
                      RunLineCase{"0 , 18 , 200", 0, {}}, RunLineCase{"0,18,200", 1, {}},
                      RunLineCase{"   ", 0, {}}));

} // namespace
} // namespace rheo
