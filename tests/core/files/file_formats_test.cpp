// SPDX-License-Identifier: MIT
// The bytes of the calibration and results files and the rules by which they are read, the
// import of the older three-file calibration set, and the menu commands and the start-up
// load around the files: their dialogs, extension checks and messages, and what the data
// holds afterwards.
#include "core/files/version1_import.hpp"
#include "core/text/c_format.hpp"
#include "failing_file.hpp"
#include "file_test_support.hpp"
#include "support/scripted_dialogs.hpp"
#include "support/temp_dir.hpp"

#include <gtest/gtest.h>

#include <clocale>
#include <tuple>

namespace rheo {
namespace {

using namespace std::string_literals;
using testing::parsed;
using testing::ScriptedDialogs;
using testing::TempDir;

// Every test of this program runs under a locale whose decimal separator is a comma: the
// files still use ".". System error texts stay in English for the message checks.
class GermanLocale : public ::testing::Environment {
    void SetUp() override {
        ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr) << "scripts/setup-debian.sh";
        std::setlocale(LC_MESSAGES, "C");
    }
};
[[maybe_unused]] const auto* kLocale = ::testing::AddGlobalTestEnvironment(new GermanLocale);

const std::string kHeader = "RHEO Version 2\r\nACME Lab\r\nSN-7\r\n140\r\n5\r\n";

TEST(CalibrationFile, WritesExactBytesAndReadsLfOnlyLinesAlike) {
    CalibrationData data;
    std::tie(data.companyName, data.serialNumber, data.operatingTemperature,
             data.equilibriumTimerMinutes) = std::make_tuple("ACME Lab", "SN-7", 140, 5);
    // clang-format off
    data.cells[0] = {1, 0.075, 15, 0.0025, -9, 0.5, 6, 18, {{10, 16.5, 1.0833, 18.1, 6}},
                     {{5.5, 18.2, 200, 5.6, 1.8181818, 250.5, false, "Oil-A"}}, 1.4e6, 1.2e6, 1.6e6};
    // clang-format on
    data.standards.push_back({"S3", 3.1234567});
    const std::string text = calibrationFileText(data);
    const std::string zeros = "0.00000000 0.00000000 0.00000000 0.00000000 0.00000000 "
                              "0.00000000 0.00000000 0.00000000 0.00000000 0.00000000\r\n";
    const std::string expected =
        kHeader +
        "1.40000000 1.20000000 1.60000000 0.07500000 15.00000000 0.00250000 -9.00000000 "
        "0.50000000 6.00000000 18.00000000\r\n"
        "AB 5.50000000 18.20000000 200.00000000 5.60000000 1.81818180 250.50000000 0 Oil-A\r\n"
        "VOL 10.00000000 16.50000000 1.08330000 18.10000000 6.00000000\r\n" +
        zeros + zeros + zeros + zeros + "CAL S3 3.1235\r\n";
    EXPECT_EQ(text, expected); // (what is written reads back: the random round trips)
    std::string lfOnly = text;
    std::erase(lfOnly, '\r');
    EXPECT_EQ(parsed(lfOnly), parsed(text));
}

TEST(CalibrationFile, BodyLinesAreToldApartByTheirFirstWordAndAbsentFieldsKeepTheirDefaults) {
    const CalibrationData data =
        parsed(kHeader + "AB 1 2 3 4 5 6 1 Early\r\nVOL 1 2 3 4 5\r\nCAL CABLE 7.5\r\n"
                         "1 2 3 4 5 6 7 8 9 10\r\nAB 1 2 3 4 5 6 1 ABACUS\r\nCAL VOLT 2\r\n"
                         " \t \r\n\r\n2 0 0 0.1\r\nAB 5\r\nVOL 7\r\nCAL\r\n3\r\n4\r\n5\r\n"
                         "6 6 6 6 6 6 6 6 6 6\r\nAB 9 9 9 9 9 9 1 Fifth\r\n");
    // AB and VOL before the first cell line have no cell and are ignored; blank lines are no
    // cell lines; the sixth cell line is ignored, so an AB line after it belongs to cell 5.
    EXPECT_TRUE(data.cells[0].volumePoints.empty());
    EXPECT_EQ(data.cells[0].abPoints.at(0).standardName + data.cells[4].abPoints.at(0).standardName,
              "ABACUSFifth");
    EXPECT_EQ(std::vector<double>({data.cells[0].targetEffluxTime, data.cells[1].workingShearRate,
                                   data.cells[1].capillaryRadius, data.cells[1].capillaryLength,
                                   data.cells[4].workingShearRate}),
              std::vector<double>({10, 2e6, 0.1, 0, 5e6}));
    EXPECT_EQ(data.cells[1].abPoints, (std::vector<AbPoint>{{5, 0, 0, 0, 0, 0, true, ""}}));
    EXPECT_EQ(data.cells[1].volumePoints, (std::vector<VolumePoint>{{7, 0, 0, 0, 0}}));
    // A standard whose name starts like a keyword stays a standard.
    EXPECT_EQ(data.standards,
              (std::vector<ViscosityStandard>{{"CABLE", 7.5}, {"VOLT", 2}, {"NO_NAME", 0}}));
    EXPECT_EQ(parsed("RHEO Version 2\r\nLab\r\n").operatingTemperature, 150);
}

TEST(CalibrationFile, AbNameIsTheNinthWordWithoutCcBytesAndOneMeansNoName) {
    const CalibrationData data = parsed(
        kHeader + "0\r\nAB 1 2 3 4 5 6 1 Oil\r\nAB 1 2 3 4 5 6 0 Two Words\r\n"
                  "AB 1 2 3 4 5 6 1 1\r\nAB 1 2 3 4 5 6 1 \xCCOi\xCCl\r\nAB 1 2 3 4 5 6 1 \xCC"
                  "1\xCC\r\nAB 1 2 3 4 5 6 2 X\r\nAB 1 2 3 4 5 6\r\n");
    std::vector<std::string> words;
    for (const AbPoint& point : data.cells[0].abPoints)
        words.push_back(point.standardName + (point.newtonian ? "+" : "-"));
    EXPECT_EQ(words, (std::vector<std::string>{"Oil+", "Two-", "+", "Oil+", "+", "X-", "+"}));
}

TestResult run(std::string id, int cell, LocalDateTime at = makeLocalDateTime(2014, 7, 4, 9, 5)) {
    return TestResult{std::move(id), cell, 8.5, 1.00561, 266.2985, false, 200, 18.004, at};
}

// The rows in their formats (read back by the join's random rows taken as written).
TEST(ResultsFile, WritesHeaderAndRowsWithTheirFormats) {
    std::vector<TestResult> results{
        run("Sample-1", 2), run("", 3),
        run("ABCDEFGHIJKLMNOPQRSTUVWXY", 1, makeLocalDateTime(2024, 12, 31, 23, 59))};
    results[2].newtonian = true;
    const std::string text = resultsFileText(results);
    EXPECT_EQ(text, "Sample Id Name,Cell Number,Viscosity (mPa*s),Shear Rate (1x10e6 1/sec),"
                    "Reynolds Number,Newtonian,Pressure (psi),Efflux Time(sec),Date Time\r\n"
                    "Sample-1,2,8.500,1.01,266.3,0,200.0,18.00,7/4/2014 9:5\r\n"
                    "NO_ID,3,8.500,1.01,266.3,0,200.0,18.00,7/4/2014 9:5\r\n"
                    "ABCDEFGHIJKLMNOPQ,1,8.500,1.01,266.3,1,200.0,18.00,12/31/2024 23:59\r\n");
    // The empty identifier is now held as written; a long one keeps all its characters.
    EXPECT_EQ(results[1].sampleId + " " + results[2].sampleId, "NO_ID ABCDEFGHIJKLMNOPQRSTUVWXY");
}

TEST(ResultsFile, RowsSplitLikeStrtokWithAbsentFieldsAsZeroInReadsOf127BytesAfterA255ByteHeader) {
    const auto rows =
        parseResultsText(std::string(300, 'h') + "\n" + std::string(130, 'x') +
                         ",1\nShort,3,1.5,0x10,12,1\n\r\n \t \n,,,\nGaps,,4,,2.5\n"
                         "TwentyCharactersLong1,7,nan,inf,1e999,1,5,6,2/30/2023 25:61\n"
                         "Odd,0,1,1,1,0,1,1,12/5\nC\0D,3,1,1,1,1,1,1,13/1/2020 1:1\n"s);
    // The header's last 45 bytes and the row's last 3 come as rows of their own. Empty, blank
    // and field-less lines give no row; adjacent commas are one separator; the identifier
    // holds 19 characters; undefined and hexadecimal numbers read as 0; a cell outside 1 to 5
    // and an impossible date are kept as read and the date is marked invalid.
    const LocalDateTime none{0, 0, 0, 0, 0, 0, false};
    const std::string h19(19, 'h'), x19(19, 'x');
    EXPECT_EQ(rows,
              (std::vector<TestResult>{
                  {h19, 0, 0, 0, 0, false, 0, 0, none},
                  {x19, 0, 0, 0, 0, false, 0, 0, none},
                  {"xxx", 1, 0, 0, 0, false, 0, 0, none},
                  {"Short", 3, 1.5, 0, 12, true, 0, 0, none},
                  {"Gaps", 4, 2.5, 0, 0, false, 0, 0, none},
                  {"TwentyCharactersLon", 7, 0, 0, 0, true, 5, 6, {2023, 2, 30, 25, 61, 0, false}},
                  {"Odd", 0, 1, 1, 1, false, 1, 1, {0, 12, 5, 0, 0, 0, false}},
                  {"C\0D"s, 3, 1, 1, 1, true, 1, 1, {2020, 13, 1, 1, 1, 0, false}}}));
}

// (The reading rules of line ends themselves are checked with the line reader.)
TEST(ResultsFile, ALoneCrEndsARowLikeCrLfAndLfWhileTheCalibrationFileKeepsItInItsLine) {
    const std::string crLf = "header\r\nA,1,2.5\r\nB,2,3,4,5,1,6,7,8/9/2020 1:2\r\n";
    const std::vector<TestResult> rows = parseResultsText(crLf);
    ASSERT_EQ(rows.size(), 2u);
    for (const char* lineEnd : {"\n", "\r", "\r\r\n"}) {
        std::string text;
        for (const char c : crLf)
            text += c == '\n' ? "" : c == '\r' ? lineEnd : std::string(1, c);
        EXPECT_EQ(parseResultsText(text), rows) << ::testing::PrintToString(text);
    }
    EXPECT_EQ(parsed("RHEO Version 2\r\nLab\rNorth\r\nSN\r\n").companyName, "Lab\rNorth");
}

// ---- The older three-file calibration set ----

std::string lines(std::vector<std::string> texts, std::size_t count = 0) {
    texts.resize(std::max(count, texts.size()), "0 , 0 , 0"); // empty run slots
    std::string out;
    for (const auto& text : texts)
        out += text + "\r\n";
    return out;
}

// Per cell 16 run lines and a constants line (A, B, volume).
const std::string kMain = lines({"Version 1"}) + lines({"5 , 18 , 200", "0 , 1 , 1"}, 16) +
                          lines({"0.0025 , 9 , 6"}) + lines({}, 16) + lines({"0.003 , -2 , 6"}) +
                          lines({"4 , 20 , 100"}, 16) + lines({"0.003 , -2 , 6"}) +
                          lines({"3 , 0 , 50", "0.0 , 10 , 10"}, 16) + lines({"0.001 , 1 , 5"});
// Cells 1 to 3 share a geometry; cell 4 has radius 0; cell 5 is left out.
const std::string kSettings = lines(
    {"Settings", "1.4", "1.6", "1.2", "0.075", "15", "0.075", "15", "0.075", "15", "0", "12"});
const std::string kStandards = lines({"\"S3\",3.5", "Two Words 7", "", "Lonely"});

TEST(Version1Import, ReadsRunsAndConstantsAndDerivesWhatVersion1DidNotStore) {
    ScriptedDialogs dialogs;
    CalibrationData data;
    data.companyName = "reset first";
    EXPECT_TRUE(importVersion1Bytes(data, kMain, kSettings, kStandards, dialogs));
    EXPECT_TRUE(dialogs.messages.empty() && data.companyName.empty()); // reset first
    for (const CellCalibration& c : data.cells)
        EXPECT_EQ(std::tie(c.workingShearRate, c.maxShearRate, c.minShearRate, c.rmsPercentDiff),
                  std::make_tuple(1400000.0, 1600000.0, 1200000.0, 1e-8));
    EXPECT_EQ(data.cells[0].capillaryLength, 15);
    // Per cell T0, then calculated viscosity, Reynolds number and % difference of each run.
    // Divisions by zero store 0: radius 0, efflux time 0, known viscosity 0, volume 0.
    std::string derived;
    for (const CellCalibration& cell : data.cells) {
        derived += cformat("%2.4f", cell.targetEffluxTime);
        for (const AbPoint& p : cell.abPoints)
            derived += cformat(" %2.4f %2.4f %2.4f", p.calculatedViscosity, p.reynoldsNumber,
                               p.percentDiff);
        derived += "|";
    }
    EXPECT_EQ(derived, "12.9345 8.5000 266.2985 70.0000|12.9345|12.9345 6.1000 333.9645 52.5000|"
                       "0.0000 0.0000 0.0000 -100.0000 0.0000 0.0000 0.0000|0.0000|");
    EXPECT_EQ(data.standards, (std::vector<ViscosityStandard>{
                                  {"S3", 3.5}, {"Two", 0}, {"NO_NAME", 0}, {"Lonely", 0}}));
}

TEST(Version1Import, CompanionsAreFoundInAnyLetterCaseAndMissingOnesAreNamed) {
    // tests/data/version1 holds RHEO.DAT, rheoset.dat and RHEOCAL.DAT.
    ScriptedDialogs dialogs;
    CalibrationData data;
    EXPECT_TRUE(loadCalibrationFileAt(data, testing::testDataFile("version1/RHEO.DAT"), dialogs));
    EXPECT_EQ(data.standards, (std::vector<ViscosityStandard>{{"S3", 3.5}, {"S10", 10.25}}));
    EXPECT_FALSE(importVersion1Bytes(data, kMain, std::nullopt, kStandards, dialogs));
    // What was read stays: the runs and standards, nothing derived.
    EXPECT_EQ(missingFieldsOf(data.cells[0]).count, 7);
    EXPECT_EQ(data.cells[0].abPoints.at(0).calculatedViscosity, 0);
    EXPECT_EQ(data.standards.size(), 4u);
    EXPECT_FALSE(importVersion1Bytes(data, kMain, kSettings, std::nullopt, dialogs));
    EXPECT_EQ(data.cells[0].abPoints.at(0).calculatedViscosity, 8.5);
    EXPECT_TRUE(data.standards.empty());
    EXPECT_EQ(dialogs.messages,
              (std::vector<std::string>{
                  "With Version 1 there are three files for calibration.\nYou are missing "
                  "RHEOSET.DAT\nThis is not fatal, but you will need to reenter the volumes and "
                  "shear rates.",
                  "With Version 1 there are three files for calibration.\nYou are missing "
                  "RHEOCAL.DAT\nThis is not fatal, but you will need to reenter the standard "
                  "viscosites"}));
}

TEST(Version1Import, RunWordsAreBlankSeparatedWithStandAloneCommasBetween) {
    ScriptedDialogs dialogs;
    CalibrationData data;
    importVersion1Bytes(data,
                        lines({"v1", "5 , 18 , 200", "  5  ,18 ,200", "5,18,200", "5, 18, 200",
                               "5 , 18", "0 , 18 , 200", "0,18,200", "   "}),
                        std::nullopt, std::nullopt, dialogs);
    // Only the word "0" marks an empty slot; matching stops at a comma glued to a word.
    std::string runs; // known viscosity, efflux time, pressure
    for (const AbPoint& p : data.cells[0].abPoints)
        runs += cformat("%g %g %g|", p.knownViscosity, p.effluxTime, p.pressure);
    EXPECT_EQ(runs, "5 18 200|5 18 200|5 0 0|5 0 0|5 18 0|0 0 0|");
}

enum Command { kSaveCalibration, kLoadCalibration, kSaveResults, kLoadResults };

bool perform(Command c, CalibrationData& data, std::vector<TestResult>& results, UserDialogs& d) {
    return c == kSaveCalibration   ? saveCalibrationFile(data, d)
           : c == kLoadCalibration ? loadCalibrationFile(data, d)
           : c == kSaveResults     ? saveResultsFile(results, d)
                                   : loadResultsFile(results, d);
}

TEST(FileCommands, DialogsCarryTheirTitlesNamesAndFiltersAndCancelIsSilent) {
    ScriptedDialogs dialogs;
    CalibrationData data;
    std::vector<TestResult> results;
    std::string shown;
    for (const Command c : {kSaveCalibration, kLoadCalibration, kSaveResults, kLoadResults}) {
        EXPECT_FALSE(perform(c, data, results, dialogs));
        const auto& r = (c % 2 == 0 ? dialogs.saveRequests : dialogs.openRequests).at(c / 2);
        shown += r.title + "|" + r.defaultName + "|" + r.defaultExtension + "|" + r.filter +
                 (r.confirmOverwrite ? "|ask\n" : "\n");
    }
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(shown, "Save Current Calibration Settings|RHEO.dat|.dat|Calibration Data File (*.dat)"
                     "|*.dat|ask\nSelect RHEO Calibration File|RHEO.dat|.dat|Calibration Data File "
                     "(*.dat)|*.dat|ask\nSave Current Calculated Results|RHEO_Results.csv|.csv|"
                     "Calculated Results File (*.csv)|*.csv|ask\nSelect Calculated Results File|"
                     "RHEO_Results.csv|.csv|Calculated Results File (*.csv)|*.csv|ask\n");
}

TEST(FileCommands, RefusedNamesMissingFilesAndFailedSavesAreToldAndChangeNothing) {
    TempDir dir;
    CalibrationData before;
    before.companyName = "Kept";
    const std::vector<TestResult> resultsBefore(2);
    // Each name chosen gets exactly the message; nothing is saved, loaded or reset.
    const auto refuses = [&](Command command, std::vector<std::string> names,
                             const std::string& message) {
        for (const std::string& name : names) {
            SCOPED_TRACE(name);
            if (command % 2 == 1 && name.rfind("missing", 0) != 0 &&
                !std::filesystem::exists(dir.file(name)))
                dir.write(name, "RHEO Version 2\r\nNew,1\r\n");
            ScriptedDialogs dialogs;
            dialogs.willChoose(dir.file(name));
            CalibrationData data = before;
            std::vector<TestResult> results = resultsBefore;
            EXPECT_FALSE(perform(command, data, results, dialogs));
            EXPECT_EQ(dialogs.messages, std::vector<std::string>{message});
            EXPECT_TRUE(data == before && results == resultsBefore);
            EXPECT_TRUE(command % 2 == 1 || !std::filesystem::exists(dir.file(name)));
        }
    };
    refuses(kSaveCalibration, {"s.DAT", "s.Dat", "s.txt", "s"}, "Please Use .dat  File Extension.");
    refuses(kLoadCalibration, {"l.Dat", "l.dAT", "l.csv", "l"},
            "Please Select a valid Calibration Data File.  '*.dat'");
    refuses(kSaveResults, {"s.CSV", "s.Csv", "s.dat", "s"}, "Please Use .csv File Extension.");
    refuses(kLoadResults, {"l.CSV", "l.Csv", "l.txt", "l"},
            "Please Select a valid Calculated Results File.  '*.csv'");
    const std::string missing =
        "The specified file did not exist at that location.\nPlease choose a different file.";
    refuses(kLoadCalibration, {"missing.dat"}, missing);
    refuses(kLoadResults, {"missing.csv"}, missing);
    for (const std::string name : {"none/a.dat", "none/a.csv"})
        refuses(name.back() == 't' ? kSaveCalibration : kSaveResults, {name},
                "The file could not be saved:\n" + dir.file(name) +
                    "\nCreating the file failed: No such file or directory."); // none before
    // A sparse file of a terabyte is not read at all: it could not be held.
    std::filesystem::resize_file(dir.write("huge.csv", ""), std::uintmax_t{1} << 40);
    refuses(kLoadResults, {"huge.csv"},
            "The file could not be read:\n" + dir.file("huge.csv") +
                "\nIt is too large to be held in memory.\nNothing was loaded from it.");
}

// (Loaded results going in front in file order: the join's comparison with loading all.)
TEST(FileCommands, SaveReplacesTheFileAndLoadResets) {
    TempDir dir;
    ScriptedDialogs dialogs;
    CalibrationData data;
    data.standards.push_back({"Old", 1});
    dialogs.willChoose(dir.write("RHEO.dat", "old contents"));
    EXPECT_TRUE(saveCalibrationFile(data, dialogs));
    EXPECT_EQ(TempDir::read(dir.file("RHEO.dat")), calibrationFileText(data));
    for (const char* name : {"a.dat", "b.DAT"}) {
        dialogs.willChoose(dir.write(name, "RHEO Version 2\r\nNew\r\n"));
        CalibrationData loaded = data;
        EXPECT_TRUE(loadCalibrationFile(loaded, dialogs));
        EXPECT_TRUE(loaded.companyName == "New" && loaded.standards.empty()) << name; // reset
    }
    // Any other first line, even with a blank added, goes to the older-format import.
    dialogs.willChoose(dir.write("old.dat", "RHEO Version 2 \r\n5 , 18 , 200\r\n"));
    EXPECT_FALSE(loadCalibrationFile(data, dialogs)); // no companion files beside it
    EXPECT_TRUE(data.standards.empty() && dialogs.messages.size() == 2);
    EXPECT_EQ(data.cells[0].abPoints, (std::vector<AbPoint>{{5, 18, 200, 0, 0, 0, true, ""}}));
}

TEST(FileCommands, AReadFailingPartWayIsToldAndTakesNothingFromTheFile) {
    CalibrationData before;
    before.companyName = "Kept";
    const std::vector<TestResult> resultsBefore = parseResultsText("h\nKept,1\n");
    // A current calibration file, an older-format one and a results file, each failing after
    // its first lines: what was read before the failure is not taken either.
    const std::string fails[] = {"RHEO Version 2\r\nNew\r\nSN\r\n",
                                 "RHEO Version 1\r\n5 , 18 , 200\r\n", "header\r\nNew,2,1.5\r\n"};
    for (const std::string& bytes : fails) {
        SCOPED_TRACE(bytes);
        ScriptedDialogs dialogs;
        CalibrationData data = before;
        std::vector<TestResult> results = resultsBefore;
        const std::string path = bytes[0] == 'h' ? "/lab/r.csv" : "/lab/RHEO.dat";
        const InputFile file = testing::fileFailingAfter(bytes);
        EXPECT_FALSE(bytes[0] == 'h'
                         ? loadResultsFromOpenFile(results, path, file.get(), dialogs)
                         : loadCalibrationFromOpenFile(data, path, file.get(), dialogs));
        EXPECT_TRUE(data == before && results == resultsBefore);
        EXPECT_EQ(dialogs.messages.back(), "The file could not be read:\n" + path +
                                               "\nReading failed: Input/output error.\nNothing "
                                               "was loaded from it.");
    }
}

TEST(FileCommands, AutoLoadFindsTheFileAndDoesNotReset) {
    TempDir dir;
    const std::string prefix = dir.path().string() + "/";
    ScriptedDialogs dialogs;
    CalibrationData data;
    data.standards.push_back({"Kept", 1});
    EXPECT_FALSE(autoLoadCalibration(data, prefix, dialogs));
    // The first line is not compared; the save dialog's "RHEO.dat" is found.
    dir.write("RHEO.dat", "anything\r\nLab\r\nSN\r\n100\r\n3\r\nCAL S 2\r\n");
    EXPECT_TRUE(autoLoadCalibration(data, prefix, dialogs));
    EXPECT_EQ(data.equilibriumTimerMinutes, 3);
    EXPECT_EQ(data.standards, (std::vector<ViscosityStandard>{{"Kept", 1}, {"S", 2}}));
    EXPECT_EQ(dialogs.messages,
              std::vector<std::string>{"The auto load of calibration data failed.\nLoad "
                                       "calibration data or recalibrate."});
}

} // namespace
} // namespace rheo
