#include "core/files/calibration_file.hpp"

#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "core/files/file_messages.hpp"
#include "support/scripted_dialogs.hpp"
#include "support/temp_dir.hpp"

namespace rheo {
namespace {

using testing::ScriptedDialogs;
using testing::TempDir;

const std::string kEmptyCellLine = "0.00000000 0.00000000 0.00000000 0.00000000 0.00000000 "
                                   "0.00000000 0.00000000 0.00000000 0.00000000 0.00000000\r\n";
const std::string kHeader = "RHEO Version 2\r\nACME Lab\r\nSN-7\r\n140\r\n5\r\n";

CalibrationData exampleCalibration() {
    CalibrationData data;
    data.companyName = "ACME Lab";
    data.serialNumber = "SN-7";
    data.operatingTemperature = 140;
    data.equilibriumTimerMinutes = 5;
    CellCalibration& cell = data.cells[0];
    cell.workingShearRate = 1.4e6;
    cell.minShearRate = 1.2e6;
    cell.maxShearRate = 1.6e6;
    cell.capillaryRadius = 0.075;
    cell.capillaryLength = 15;
    cell.constantA = 0.0025;
    cell.constantB = -9;
    cell.rmsPercentDiff = 0.5;
    cell.cellVolume = 6;
    cell.targetEffluxTime = 18;
    cell.abPoints.push_back({5.5, 18.2, 200, 5.6, 1.8181818, 250.5, false, "Oil-A"});
    cell.volumePoints.push_back({10, 16.5, 1.0833, 18.1, 6});
    data.standards.push_back({"S3", 3.1234567});
    return data;
}

const std::string kExampleText =
    kHeader +
    "1.40000000 1.20000000 1.60000000 0.07500000 15.00000000 0.00250000 -9.00000000 "
    "0.50000000 6.00000000 18.00000000\r\n"
    "AB 5.50000000 18.20000000 200.00000000 5.60000000 1.81818180 250.50000000 0 Oil-A\r\n"
    "VOL 10.00000000 16.50000000 1.08330000 18.10000000 6.00000000\r\n" +
    kEmptyCellLine + kEmptyCellLine + kEmptyCellLine + kEmptyCellLine + "CAL S3 3.1235\r\n";

CalibrationData parsed(const std::string& text) {
    CalibrationData data;
    parseCalibrationText(data, text);
    return data;
}

TEST(CalibrationFileWriter, WritesEveryLineWithItsFormatAndCrLf) {
    EXPECT_EQ(calibrationFileText(exampleCalibration()), kExampleText);
    // Nothing but the header and five cell lines for an empty calibration.
    EXPECT_EQ(calibrationFileText(CalibrationData{}),
              "RHEO Version 2\r\n\r\n\r\n150\r\n1\r\n" + kEmptyCellLine + kEmptyCellLine +
                  kEmptyCellLine + kEmptyCellLine + kEmptyCellLine);
}

TEST(CalibrationFileWriter, UsesADecimalPointUnderAGermanLocale) {
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr) << "scripts/setup-debian.sh";
    const std::string text = calibrationFileText(exampleCalibration());
    const CalibrationData back = parsed(text);
    std::setlocale(LC_ALL, previous.c_str());
    EXPECT_EQ(text, kExampleText);
    EXPECT_EQ(back.cells[0].constantA, 0.0025);
    EXPECT_EQ(back.standards.at(0).viscosity, 3.1235);
}

TEST(CalibrationFileReader, RoundTripKeepsEveryFieldToTheWrittenPrecision) {
    const CalibrationData back = parsed(kExampleText);
    const CellCalibration& cell = back.cells[0];
    EXPECT_EQ(back.companyName, "ACME Lab");
    EXPECT_EQ(back.serialNumber, "SN-7");
    EXPECT_EQ(back.operatingTemperature, 140);
    EXPECT_EQ(back.equilibriumTimerMinutes, 5);
    EXPECT_DOUBLE_EQ(cell.workingShearRate, 1.4e6);
    EXPECT_DOUBLE_EQ(cell.minShearRate, 1.2e6);
    EXPECT_DOUBLE_EQ(cell.maxShearRate, 1.6e6);
    EXPECT_EQ(cell.constantB, -9);
    EXPECT_EQ(cell.targetEffluxTime, 18);
    ASSERT_EQ(cell.abPoints.size(), 1u);
    EXPECT_EQ(cell.abPoints[0], (AbPoint{5.5, 18.2, 200, 5.6, 1.8181818, 250.5, false, "Oil-A"}));
    EXPECT_EQ(cell.volumePoints.at(0), (VolumePoint{10, 16.5, 1.0833, 18.1, 6}));
    EXPECT_EQ(back.standards, (std::vector<ViscosityStandard>{{"S3", 3.1235}}));
    for (int i = 0; i < kCellCount; ++i)
        EXPECT_EQ(back.cells[i].cellNumber, i + 1);
    // Reading what was written and writing it again changes nothing.
    EXPECT_EQ(calibrationFileText(back), kExampleText);
    // LF alone is read like CR LF.
    std::string lfOnly;
    for (const char c : kExampleText)
        if (c != '\r')
            lfOnly.push_back(c);
    EXPECT_EQ(parsed(lfOnly), back);
}

// Body lines after a header; the reader sees no header line as special.
std::string withBody(const std::string& body) {
    return kHeader + body;
}

TEST(CalibrationFileReader, ClassifiesBodyLinesByTheirFirstWord) {
    const CalibrationData data = parsed(withBody("AB 1 2 3 4 5 6 1 Early\r\n"
                                                 "VOL 1 2 3 4 5\r\n"
                                                 "CAL CABLE 7.5\r\n"
                                                 "1 2 3 4 5 6 7 8 9 10\r\n"
                                                 "AB 1 2 3 4 5 6 1 ABACUS\r\n"
                                                 "CAL VOLT 2\r\n"
                                                 "   \r\n"
                                                 "\r\n"
                                                 "2 0 0 0 0 0 0 0 0 0\r\n"
                                                 "3\r\n4\r\n5\r\n"
                                                 "6 6 6 6 6 6 6 6 6 6\r\n"
                                                 "AB 9 9 9 9 9 9 1 Fifth\r\n"));
    // AB and VOL before the first cell line have no cell and are ignored.
    EXPECT_TRUE(data.cells[0].volumePoints.empty());
    ASSERT_EQ(data.cells[0].abPoints.size(), 1u);
    EXPECT_EQ(data.cells[0].abPoints[0].standardName, "ABACUS");
    EXPECT_EQ(data.cells[0].workingShearRate, 1e6);
    EXPECT_EQ(data.cells[0].targetEffluxTime, 10);
    // Blank lines are no cell lines; the sixth cell line is ignored.
    EXPECT_EQ(data.cells[1].workingShearRate, 2e6);
    EXPECT_EQ(data.cells[4].workingShearRate, 5e6);
    EXPECT_EQ(data.cells[4].capillaryRadius, 0);
    // An AB line after the sixth cell line still belongs to cell 5.
    ASSERT_EQ(data.cells[4].abPoints.size(), 1u);
    EXPECT_EQ(data.cells[4].abPoints[0].standardName, "Fifth");
    // A standard whose name holds a keyword stays a standard.
    EXPECT_EQ(data.standards, (std::vector<ViscosityStandard>{{"CABLE", 7.5}, {"VOLT", 2}}));
}

struct AbNameCase {
    std::string tail; // what follows the six numbers
    std::string name;
    bool newtonian;
};

class AbLineWords : public ::testing::TestWithParam<AbNameCase> {};

TEST_P(AbLineWords, NameAndNewtonianFollowTheWordRules) {
    const CalibrationData data =
        parsed(withBody(kEmptyCellLine + "AB 1 2 3 4 5 6" + GetParam().tail + "\r\n"));
    ASSERT_EQ(data.cells[0].abPoints.size(), 1u);
    EXPECT_EQ(data.cells[0].abPoints[0].standardName, GetParam().name);
    EXPECT_EQ(data.cells[0].abPoints[0].newtonian, GetParam().newtonian);
}

INSTANTIATE_TEST_SUITE_P(
    Names, AbLineWords,
    ::testing::Values(AbNameCase{" 1 Oil", "Oil", true}, AbNameCase{" 0 Two Words", "Two", false},
                      AbNameCase{" 1 ", "", true}, AbNameCase{" 1 1", "", true},
                      AbNameCase{" 1 \xCCOi\xCCl", "Oil", true},
                      AbNameCase{" 1 \xCC"
                                 "1\xCC",
                                 "", true},
                      AbNameCase{" 2 X", "X", false}, AbNameCase{"", "", true}));

TEST(CalibrationFileReader, ShortLinesLeaveMissingFieldsAtTheirDefaults) {
    const CalibrationData data = parsed(withBody("1.5 0 0 0.1\r\nAB 5\r\nVOL 7\r\nCAL\r\n"));
    const CellCalibration& cell = data.cells[0];
    EXPECT_EQ(cell.workingShearRate, 1.5e6);
    EXPECT_EQ(cell.capillaryRadius, 0.1);
    EXPECT_EQ(cell.capillaryLength, 0);
    EXPECT_EQ(cell.abPoints.at(0), (AbPoint{5, 0, 0, 0, 0, 0, true, ""}));
    EXPECT_EQ(cell.volumePoints.at(0), (VolumePoint{7, 0, 0, 0, 0}));
    EXPECT_EQ(data.standards.at(0), (ViscosityStandard{"NO_NAME", 0}));
    // A file that stops inside the header keeps what it had.
    const CalibrationData truncated = parsed("RHEO Version 2\r\nLab\r\n");
    EXPECT_EQ(truncated.companyName, "Lab");
    EXPECT_EQ(truncated.operatingTemperature, 150);
}

// ---- The commands behind the menu and the start-up ----

TEST(CalibrationFileCommands, DialogsCarryTheirTitlesNamesAndFilters) {
    ScriptedDialogs dialogs;
    CalibrationData data;
    EXPECT_FALSE(saveCalibrationFile(data, dialogs));
    EXPECT_FALSE(loadCalibrationFile(data, dialogs));
    ASSERT_EQ(dialogs.saveRequests.size(), 1u);
    ASSERT_EQ(dialogs.openRequests.size(), 1u);
    for (const FileDialogRequest& request : {dialogs.saveRequests[0], dialogs.openRequests[0]}) {
        EXPECT_EQ(request.defaultName, "RHEO.dat");
        EXPECT_EQ(request.defaultExtension, ".dat");
        EXPECT_EQ(request.filter, "Calibration Data File (*.dat)|*.dat");
        EXPECT_TRUE(request.confirmOverwrite);
    }
    EXPECT_EQ(dialogs.saveRequests[0].title, "Save Current Calibration Settings");
    EXPECT_EQ(dialogs.openRequests[0].title, "Select RHEO Calibration File");
    EXPECT_TRUE(dialogs.messages.empty()); // cancel is silent
}

TEST(CalibrationFileCommands, SaveWritesOnlyFilesEndingInLowerCaseDat) {
    TempDir dir;
    for (const char* name : {"RHEO.DAT", "RHEO.Dat", "RHEO.txt", "RHEO"}) {
        ScriptedDialogs dialogs;
        dialogs.willChoose(dir.file(name));
        EXPECT_FALSE(saveCalibrationFile(exampleCalibration(), dialogs)) << name;
        EXPECT_EQ(dialogs.messages, std::vector<std::string>{"Please Use .dat  File Extension."});
        EXPECT_FALSE(std::filesystem::exists(dir.file(name))) << name;
    }
    ScriptedDialogs dialogs;
    dialogs.willChoose(dir.write("RHEO.dat", "old contents"));
    EXPECT_TRUE(saveCalibrationFile(exampleCalibration(), dialogs));
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(TempDir::read(dir.file("RHEO.dat")), kExampleText);
}

TEST(CalibrationFileCommands, LoadChecksTheExtensionAndTheFileBeforeTouchingTheData) {
    TempDir dir;
    const CalibrationData before = exampleCalibration();
    for (const char* name : {"RHEO.Dat", "RHEO.dAT", "RHEO.csv", "RHEO", "missing.dat"}) {
        const bool exists = std::string(name) != "missing.dat";
        const std::string path = exists ? dir.write(name, kExampleText) : dir.file(name);
        ScriptedDialogs dialogs;
        dialogs.willChoose(path);
        CalibrationData data = before;
        EXPECT_FALSE(loadCalibrationFile(data, dialogs)) << name;
        EXPECT_EQ(data, before) << name;
        EXPECT_EQ(dialogs.messages,
                  std::vector<std::string>{exists ? file_texts::kSelectValidCalibrationFile
                                                  : file_texts::kFileDidNotExist});
    }
    for (const char* name : {"a.dat", "b.DAT"}) {
        ScriptedDialogs dialogs;
        dialogs.willChoose(dir.write(name, "RHEO Version 2\r\nNew\r\n"));
        CalibrationData data = before;
        EXPECT_TRUE(loadCalibrationFile(data, dialogs)) << name;
        EXPECT_TRUE(dialogs.messages.empty());
        CalibrationData expected; // reset before reading
        expected.companyName = "New";
        EXPECT_EQ(data, expected) << name;
    }
}

TEST(CalibrationFileCommands, AnyOtherFirstLineGoesToTheOlderFormatImport) {
    TempDir dir;
    ScriptedDialogs dialogs;
    dialogs.willChoose(dir.write("RHEO.dat", "RHEO Version 2 \r\n5 , 18 , 200\r\n"));
    CalibrationData data = exampleCalibration();
    EXPECT_FALSE(loadCalibrationFile(data, dialogs)); // no companion files beside it
    EXPECT_EQ(dialogs.messages, (std::vector<std::string>{file_texts::kMissingVersion1Settings,
                                                          file_texts::kMissingVersion1Standards}));
    EXPECT_EQ(data.companyName, "");
    EXPECT_EQ(data.cells[0].abPoints, (std::vector<AbPoint>{{5, 18, 200, 0, 0, 0, true, ""}}));
}

TEST(CalibrationFileCommands, AutoLoadAppendsTheNameAndFindsItInAnyCase) {
    TempDir dir;
    const std::string prefix = dir.path().string() + "/";
    ScriptedDialogs dialogs;
    CalibrationData data;
    data.standards.push_back({"Kept", 1}); // no reset at start-up
    EXPECT_FALSE(autoLoadCalibration(data, prefix, dialogs));
    EXPECT_EQ(dialogs.messages,
              std::vector<std::string>{"The auto load of calibration data failed.\nLoad "
                                       "calibration data or recalibrate."});

    // The first line is not compared; the save dialog's "RHEO.dat" is found.
    dir.write("RHEO.dat",
              "anything\r\nLab\r\nSN\r\n100\r\n3\r\n1 1 1 1 1 1 1 1 1 1\r\nCAL S 2\r\n");
    ASSERT_EQ(autoLoadPath(prefix), prefix + "RHEO.dat");
    EXPECT_TRUE(autoLoadCalibration(data, prefix, dialogs));
    EXPECT_EQ(data.companyName, "Lab");
    EXPECT_EQ(data.equilibriumTimerMinutes, 3);
    EXPECT_EQ(data.standards, (std::vector<ViscosityStandard>{{"Kept", 1}, {"S", 2}}));

    // The exact name wins, and no separator is put between directory and name.
    dir.write("RHEO.DAT", "x\r\nExact\r\n");
    dir.write("appRHEO.DAT", "x\r\nGlued\r\n");
    EXPECT_EQ(autoLoadPath(prefix), prefix + "RHEO.DAT");
    EXPECT_TRUE(autoLoadCalibration(data, prefix + "app", dialogs));
    EXPECT_EQ(data.companyName, "Glued");
    EXPECT_EQ(dialogs.messages.size(), 1u);
}

} // namespace
} // namespace rheo
