// What the program writes it reads back: texts up to the length a line can carry, saves that
// would write a longer line, and random valid calibrations and results written and read.
#include <gtest/gtest.h>

#include <random>

#include "core/calibration/standards.hpp"
#include "core/files/calibration_file.hpp"
#include "core/files/calibration_lines.hpp"
#include "core/files/results_file.hpp"
#include "core/files/safe_file_writer.hpp"
#include "core/model/field_rules.hpp"
#include "core/model/units.hpp"
#include "core/runs/run_calculation.hpp"
#include "core/text/c_format.hpp"
#include "support/scripted_dialogs.hpp"
#include "support/temp_dir.hpp"

namespace rheo {
namespace {

using testing::ScriptedDialogs;
using testing::TempDir;

CalibrationData parsed(const std::string& text) {
    CalibrationData data;
    parseCalibrationText(data, text);
    return data;
}

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
    const auto overlong = [](std::string record, std::string field, int length) {
        return record + ": the " + field + " makes its line " + std::to_string(length) +
               " characters long; this line of the file holds at most 126";
    };
    std::vector<std::pair<CalibrationData, std::string>> calibrations(5);
    calibrations[0].first.companyName = std::string(150, 'c');
    calibrations[0].second = overlong("General Settings", "Company Name", 150);
    calibrations[1].first.cells[0].targetEffluxTime = 1e100;
    calibrations[1].second = overlong("Cell 1", "Target Efflux Time", 209);
    calibrations[2].first.cells[1].abPoints.resize(2);
    calibrations[2].first.cells[1].abPoints[1].calculatedViscosity = -1e90;
    calibrations[2].second = overlong("Cell 2, A/B point 2", "Calculated Viscosity", 161);
    calibrations[3].first.cells[4].volumePoints.resize(1);
    calibrations[3].first.cells[4].volumePoints[0].volume = 1e80;
    calibrations[3].second = overlong("Cell 5, weighing 1", "Volume", 138);
    calibrations[4].first.standards = {{"A", 1}, {"B", 1e120}};
    calibrations[4].second = overlong("Standard 2", "Viscosity", 131);
    TempDir dir;
    const std::string target = dir.write("RHEO.dat", "previous");
    for (const auto& [data, reason] : calibrations) {
        ScriptedDialogs dialogs;
        EXPECT_FALSE(saveCalibrationFileAt(data, target, dialogs));
        EXPECT_EQ(dialogs.messages, std::vector<std::string>{saveFailedMessage(target, reason)});
    }
    // A results row made long by a value read from another program's file.
    std::vector<TestResult> results = parseResultsText("h\nA,1\nB,2,1,1,1,1,1e308,1\n");
    ScriptedDialogs dialogs;
    const std::string resultsTarget = dir.write("results.csv", "previous");
    EXPECT_FALSE(saveResultsFileAt(results, resultsTarget, dialogs));
    EXPECT_EQ(dialogs.messages, std::vector<std::string>{saveFailedMessage(
                                    resultsTarget, overlong("Run 2 (B)", "Pressure (psi)", 347))});
    EXPECT_EQ(TempDir::read(target) + TempDir::read(resultsTarget), "previousprevious");
}

// ---- Random valid calibrations and results round trip ----

class Random {
public:
    explicit Random(unsigned seed) : engine_(seed) {}
    double number(double low, double high) {
        return std::uniform_real_distribution<double>(low, high)(engine_);
    }
    int whole(int low, int high) { return std::uniform_int_distribution<int>(low, high)(engine_); }
    bool coin() { return whole(0, 1) == 1; }
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

private:
    std::mt19937 engine_;
};

// A value as it reads back from the text its format writes.
double written(const char* format, double value) {
    return cAtof(cformat(format, value));
}

CellCalibration randomCell(Random& r, int number) {
    CellCalibration cell;
    cell.cellNumber = number;
    for (double* shearRate : {&cell.workingShearRate, &cell.minShearRate, &cell.maxShearRate})
        *shearRate = shearRateFromDisplayUnits(r.number(0, 2));
    cell.capillaryRadius = r.number(0, 0.5);
    cell.capillaryLength = r.number(0, 100);
    cell.constantA = r.number(-1, 1);
    cell.constantB = r.number(-100, 100);
    cell.rmsPercentDiff = r.number(0, 100);
    cell.cellVolume = r.number(0, 20);
    cell.targetEffluxTime = r.number(0, 3600);
    for (int i = r.whole(0, 6); i > 0; --i) {
        const std::string name = cleanAbStandardName(r.text(40));
        cell.abPoints.push_back({r.number(0, 40), r.number(0, 3600), r.number(0, 600),
                                 r.number(-1e4, 1e4), r.number(-1e4, 1e4), r.number(0, 1e4),
                                 r.coin(), name == "1" ? "" : name});
    }
    for (int i = r.whole(0, 6); i > 0; --i)
        cell.volumePoints.push_back({r.number(0, 100), r.number(0, 100), r.number(0.01, 10),
                                     r.number(0, 3600), r.number(0, 1e4)});
    return cell;
}

CalibrationData randomCalibration(Random& r) {
    CalibrationData data;
    data.companyName = r.text(longestFileText(FileText::CompanyName));
    data.serialNumber = r.text(longestFileText(FileText::SerialNumber));
    data.operatingTemperature = r.whole(40, 150);
    data.equilibriumTimerMinutes = r.whole(1, 30);
    for (int c = 0; c < kCellCount; ++c)
        data.cells[static_cast<std::size_t>(c)] = randomCell(r, c + 1);
    for (int i = r.whole(0, 8); i > 0; --i)
        data.standards.push_back(
            {cleanStandardName(r.text(longestFileText(FileText::StandardName))),
             r.number(1e-4, 40)});
    return data;
}

// The calibration as the file holds it: 8 decimals (shear rates in units of 1e6 1/s),
// standard viscosities with 4.
CalibrationData atWrittenPrecision(CalibrationData data) {
    for (CellCalibration& cell : data.cells) {
        for (double* shearRate : {&cell.workingShearRate, &cell.minShearRate, &cell.maxShearRate})
            *shearRate =
                shearRateFromDisplayUnits(written("%2.8f", shearRateInDisplayUnits(*shearRate)));
        for (double* value :
             {&cell.capillaryRadius, &cell.capillaryLength, &cell.constantA, &cell.constantB,
              &cell.rmsPercentDiff, &cell.cellVolume, &cell.targetEffluxTime})
            *value = written("%2.8f", *value);
        for (AbPoint& p : cell.abPoints)
            for (double* value : {&p.knownViscosity, &p.effluxTime, &p.pressure,
                                  &p.calculatedViscosity, &p.percentDiff, &p.reynoldsNumber})
                *value = written("%2.8f", *value);
        for (VolumePoint& p : cell.volumePoints)
            for (double* value :
                 {&p.tareWeight, &p.fullWeight, &p.density, &p.effluxTimeT0, &p.volume})
                *value = written("%2.8f", *value);
    }
    for (ViscosityStandard& standard : data.standards)
        standard.viscosity = written("%2.4f", standard.viscosity);
    return data;
}

TEST(LineLength, RandomValidCalibrationsReadBackAtTheWrittenPrecision) {
    Random r(20240515);
    for (int round = 0; round < 300; ++round) {
        const CalibrationData data = randomCalibration(r);
        const FileLines lines = calibrationFileLines(data);
        ASSERT_EQ(lines.overlong(), std::nullopt) << round;
        ASSERT_EQ(parsed(lines.text()), atWrittenPrecision(data)) << round;
    }
}

TEST(LineLength, RandomValidResultsReadBackAtTheWrittenPrecision) {
    Random r(7);
    for (int round = 0; round < 100; ++round) {
        std::vector<TestResult> results, expected;
        for (int i = r.whole(0, 20); i > 0; --i) {
            TestResult result{sampleIdForResult(r.text(25)),
                              r.whole(1, 5),
                              r.number(0, 1e4),
                              r.number(0, 2),
                              r.number(0, 1e4),
                              r.coin(),
                              r.number(0, 600),
                              r.number(0, 3600),
                              makeLocalDateTime(r.whole(1970, 2100), r.whole(1, 12), r.whole(1, 28),
                                                r.whole(0, 23), r.whole(0, 59), r.whole(0, 59))};
            results.push_back(result);
            // Three decimals of viscosity, two of shear rate and efflux time, one of Reynolds
            // number and pressure; the time to the minute.
            for (const auto& [value, format] : {std::pair{&result.viscosity, "%2.3f"},
                                                {&result.shearRate, "%2.2f"},
                                                {&result.reynoldsNumber, "%2.1f"},
                                                {&result.pressure, "%2.1f"},
                                                {&result.effluxTime, "%2.2f"}})
                *value = written(format, *value);
            result.dateTime.second = 0;
            expected.push_back(result);
        }
        const FileLines lines = resultsFileLines(results);
        ASSERT_EQ(lines.overlong(), std::nullopt) << round;
        ASSERT_EQ(parseResultsText(lines.text()), expected) << round;
    }
}

} // namespace
} // namespace rheo
