// The menu commands and the start-up load around the calibration and results files: their
// dialogs, extension checks and messages, and what the data holds afterwards.
#include <gtest/gtest.h>

#include "core/files/calibration_file.hpp"
#include "core/files/results_file.hpp"
#include "failing_file.hpp"
#include "support/scripted_dialogs.hpp"
#include "support/temp_dir.hpp"

namespace rheo {
namespace {

using testing::ScriptedDialogs;
using testing::TempDir;

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
            if (command % 2 == 1 && name.rfind("missing", 0) != 0)
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
                    "\nCreating the file failed: No such file or directory.\nThe previous file "
                    "was kept unchanged.");
}

TEST(FileCommands, SaveReplacesTheFileLoadResetsAndLoadedResultsGoInFrontInFileOrder) {
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

    std::vector<TestResult> saved = parseResultsText("h\nF1\nF2\nF3\n"),
                            list = parseResultsText("h\nE1\nE2\n");
    dialogs.willChoose(dir.file("r.csv"));
    dialogs.willChoose(dir.file("r.csv"));
    EXPECT_TRUE(saveResultsFile(saved, dialogs) && loadResultsFile(list, dialogs));
    EXPECT_EQ(list, parseResultsText("h\nF1\nF2\nF3\nE1\nE2\n"));
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
