// Whole lines and rows as the program writes them, against the same lines made by snprintf
// with the program's printf formats: the files, the results list, the reports and the
// standards table must not change by a byte.
#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include <locale.h>

#include "core/calibration/standards.hpp"
#include "core/files/calibration_file.hpp"
#include "core/files/file_messages.hpp"
#include "core/files/results_file.hpp"
#include "core/model/formulas.hpp"
#include "core/model/units.hpp"
#include "core/runs/run_calculation.hpp"

namespace rheo {
namespace {

// snprintf in the "C" locale: this test program runs under a locale with a decimal comma.
template <typename... Values> std::string printed(const char* format, Values... values) {
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    const locale_t previous = uselocale(cLocale);
    char text[4096];
    std::snprintf(text, sizeof text, format, values...);
    uselocale(previous);
    return text;
}

// The lines of a file's text, each with its line end, so that a difference names its line.
std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size() - 1) + 1;
        lines.push_back(text.substr(start, end - start));
        start = end;
    }
    return lines;
}

// Numbers a laboratory meets, halfway cases of every written precision, and extremes.
class Values {
public:
    explicit Values(unsigned seed) : random_(seed) {}

    double next() {
        switch (random_() % 6) {
        case 0:
            return std::uniform_real_distribution<double>(-100.0, 5000.0)(random_);
        case 1: // a value halfway at some precision, or beside it
        {
            const double halfway = std::ldexp(static_cast<double>((random_() % 200000) | 1),
                                              -static_cast<int>(2 + random_() % 8));
            const int side = static_cast<int>(random_() % 3);
            return side == 0 ? halfway : std::nextafter(halfway, side == 1 ? 0.0 : 1e9);
        }
        case 2:
            return std::round(std::uniform_real_distribution<double>(-1e5, 1e5)(random_)) / 1000;
        case 3:
            return random_() % 2 ? -0.0 : -1e-9;
        case 4:
            return std::ldexp(1.0, static_cast<int>(random_() % 120) - 60);
        default:
            return std::uniform_real_distribution<double>(0.0, 40.0)(random_);
        }
    }
    int whole(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

private:
    std::mt19937 random_;
};

TEST(PrintfTexts, ResultsFileRowsAndListRows) {
    Values v(1);
    std::vector<TestResult> results;
    for (int i = 0; i < 20000; ++i)
        results.push_back({"S" + std::to_string(i), v.whole(-3, 12), v.next(), v.next(), v.next(),
                           v.whole(0, 1) == 1, v.next(), v.next(),
                           makeLocalDateTime(v.whole(1, 9999), v.whole(1, 12), v.whole(1, 28),
                                             v.whole(0, 23), v.whole(0, 59))});
    std::vector<std::string> expected = {std::string(file_texts::kResultsHeader) + "\r\n"};
    for (const TestResult& r : results) {
        const LocalDateTime& t = r.dateTime;
        expected.push_back(printed("%s,%d,%2.3f,%2.2f,%2.1f,%d,%2.1f,%2.2f,%d/%d/%d %d:%d\r\n",
                                   r.sampleId.c_str(), r.cellNumber, r.viscosity, r.shearRate,
                                   r.reynoldsNumber, r.newtonian ? 1 : 0, r.pressure, r.effluxTime,
                                   t.month, t.day, t.year, t.hour, t.minute));
        const auto row = FormatResultRow(r);
        const auto two = [](int value) { return printed(value < 10 ? "0%d" : "%d", value); };
        const std::array<std::string, 9> listed = {
            r.sampleId,
            printed("%d", r.cellNumber),
            printed("%2.3f", r.viscosity),
            printed("%2.3f", r.shearRate),
            printed("%2.1f", r.reynoldsNumber),
            r.newtonian ? "Yes" : "No",
            printed("%2.1f", r.pressure),
            printed("%4.2f", r.effluxTime),
            printed("%s/%s/%d %s:%s", two(t.month).c_str(), two(t.day).c_str(), t.year,
                    two(t.hour).c_str(), two(t.minute).c_str())};
        ASSERT_EQ(row, listed);
    }
    EXPECT_EQ(linesOf(resultsFileText(results)), expected);
}

// A cell's numbers in the order of its line in the file.
std::array<double*, 10> numbersOf(CellCalibration& c) {
    return {&c.workingShearRate, &c.minShearRate,    &c.maxShearRate, &c.capillaryRadius,
            &c.capillaryLength,  &c.constantA,       &c.constantB,    &c.rmsPercentDiff,
            &c.cellVolume,       &c.targetEffluxTime};
}

TEST(PrintfTexts, CalibrationFileLinesAndStandardsRows) {
    Values v(2);
    CalibrationData data;
    data.companyName = "Lab";
    data.operatingTemperature = v.whole(-200, 400);
    for (CellCalibration& cell : data.cells) {
        for (double* field : numbersOf(cell))
            *field = v.next();
        for (int i = 0; i < 1500; ++i) {
            cell.abPoints.push_back({v.next(), v.next(), v.next(), v.next(), v.next(), v.next(),
                                     v.whole(0, 1) == 1, "Oil" + std::to_string(i)});
            cell.volumePoints.push_back({v.next(), v.next(), v.next(), v.next(), v.next()});
        }
    }
    for (int i = 0; i < 3000; ++i)
        data.standards.push_back({"S" + std::to_string(i), v.next()});

    std::vector<std::string> expected =
        linesOf(printed("RHEO Version 2\r\nLab\r\n\r\n%d\r\n%d\r\n", data.operatingTemperature,
                        data.equilibriumTimerMinutes));
    for (const CellCalibration& c : data.cells) {
        expected.push_back(printed(
            "%2.8f %2.8f %2.8f %2.8f %2.8f %2.8f %2.8f %2.8f %2.8f %2.8f\r\n",
            shearRateInDisplayUnits(c.workingShearRate), shearRateInDisplayUnits(c.minShearRate),
            shearRateInDisplayUnits(c.maxShearRate), c.capillaryRadius, c.capillaryLength,
            c.constantA, c.constantB, c.rmsPercentDiff, c.cellVolume, c.targetEffluxTime));
        for (const AbPoint& p : c.abPoints)
            expected.push_back(printed("AB %2.8f %2.8f %2.8f %2.8f %2.8f %2.8f %d %s\r\n",
                                       p.knownViscosity, p.effluxTime, p.pressure,
                                       p.calculatedViscosity, p.percentDiff, p.reynoldsNumber,
                                       p.newtonian ? 1 : 0, p.standardName.c_str()));
        for (const VolumePoint& p : c.volumePoints)
            expected.push_back(printed("VOL %2.8f %2.8f %2.8f %2.8f %2.8f\r\n", p.tareWeight,
                                       p.fullWeight, p.density, p.effluxTimeT0, p.volume));
    }
    for (const ViscosityStandard& s : data.standards)
        expected.push_back(printed("CAL %s %2.4f\r\n", s.name.c_str(), s.viscosity));
    EXPECT_EQ(linesOf(calibrationFileText(data)), expected);

    // The standards table: "%2.3f" of the viscosity and "%2.1f" of each target pressure.
    for (CellCalibration& cell : data.cells)
        for (double* field : numbersOf(cell))
            *field = 0.001 + std::abs(v.next()); // every value given: calibrated
    data.cells[2].rmsPercentDiff = 0.0;          // not calibrated: "N/A"
    const std::vector<TargetPressureRow> rows = BuildTargetPressureRows(data);
    ASSERT_EQ(rows.size(), data.standards.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const ViscosityStandard& s = data.standards[i];
        TargetPressureRow row{{s.name, printed("%2.3f", s.viscosity)}};
        for (int c = 0; c < kCellCount; ++c) {
            const CellCalibration& cell = data.cells[static_cast<std::size_t>(c)];
            row.texts[2 + c] =
                c == 2 ? "N/A"
                       : printed("%2.1f",
                                 formulas::targetPressure(cell.constantA, cell.constantB,
                                                          cell.targetEffluxTime, s.viscosity));
        }
        ASSERT_EQ(rows[i].texts, row.texts);
    }
}

} // namespace
} // namespace rheo
