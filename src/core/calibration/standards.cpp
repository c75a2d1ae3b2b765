#include "core/calibration/standards.hpp"

#include "core/model/field_rules.hpp"
#include "core/model/formulas.hpp"
#include "core/model/row_removal.hpp"
#include "core/text/number_text.hpp"
#include "core/text/words.hpp"

#include <algorithm>
#include <cmath>
#include <utility>

namespace rheo {
namespace {

constexpr const char* kNoName = "No_Name";

} // namespace

void SortStandards(CalibrationData& calibration) {
    // The program has always sorted by selection: while standards are left, walk them from
    // the front and move the last one whose viscosity is <= the smallest seen so far. So
    // equal viscosities come out in the reverse of their order, and a viscosity that is no
    // number (never <= anything) waits until it stands at the front of those left. The same
    // order in O(n log n): sort the numbers stably, reverse each run of equal ones, then let
    // each NaN follow the last of the numbers that stood before it.
    std::vector<ViscosityStandard>& list = calibration.standards;
    std::vector<std::size_t> numbers;
    numbers.reserve(list.size());
    for (std::size_t i = 0; i < list.size(); ++i)
        if (!std::isnan(list[i].viscosity))
            numbers.push_back(i);
    std::stable_sort(numbers.begin(), numbers.end(), [&](std::size_t a, std::size_t b) {
        return list[a].viscosity < list[b].viscosity;
    });
    for (auto run = numbers.begin(); run != numbers.end();) {
        const double viscosity = list[*run].viscosity;
        const auto runEnd = std::find_if(
            run, numbers.end(), [&](std::size_t i) { return list[i].viscosity != viscosity; });
        std::reverse(run, runEnd);
        run = runEnd;
    }

    // A NaN is taken once every standard before it is gone: right after the number of the
    // latest sorted place among those before it (before all numbers when there is none).
    std::vector<std::size_t> sortedPlace(list.size());
    for (std::size_t place = 0; place < numbers.size(); ++place)
        sortedPlace[numbers[place]] = place + 1;
    std::vector<std::vector<std::size_t>> nanAfter(numbers.size() + 1);
    std::size_t latest = 0;
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (std::isnan(list[i].viscosity))
            nanAfter[latest].push_back(i);
        else
            latest = std::max(latest, sortedPlace[i]);
    }

    std::vector<ViscosityStandard> sorted;
    sorted.reserve(list.size());
    for (std::size_t place = 0; place <= numbers.size(); ++place) {
        if (place > 0)
            sorted.push_back(std::move(list[numbers[place - 1]]));
        for (const std::size_t nan : nanAfter[place])
            sorted.push_back(std::move(list[nan]));
    }
    list = std::move(sorted);
}

std::string standardPressureText(const CellCalibration& cell, double viscosity) {
    if (!missingFields(cell).empty())
        return "N/A";
    return formatFixed(
        formulas::targetPressure(cell.constantA, cell.constantB, cell.targetEffluxTime, viscosity),
        2, 1);
}

TargetPressureRow targetPressureRow(const CalibrationData& calibration,
                                    const ViscosityStandard& standard) {
    TargetPressureRow row;
    row.texts[0] = standard.name;
    row.texts[1] = formatFixed(standard.viscosity, 2, 3);
    for (int i = 0; i < kCellCount; ++i)
        row.texts[2 + i] = standardPressureText(calibration.cells[i], standard.viscosity);
    return row;
}

std::vector<TargetPressureRow> BuildTargetPressureRows(CalibrationData& calibration) {
    SortStandards(calibration);
    std::vector<TargetPressureRow> rows;
    rows.reserve(calibration.standards.size());
    for (const ViscosityStandard& standard : calibration.standards)
        rows.push_back(targetPressureRow(calibration, standard));
    return rows;
}

std::string cleanStandardName(const std::string& typed) {
    std::string name = withoutWhiteSpace(typed);
    return name.empty() ? kNoName : name;
}

std::string addStandard(CalibrationData& calibration, const std::string& name, double viscosity) {
    const std::string stored = cleanStandardName(name);
    deleteStandardByName(calibration, stored);
    ViscosityStandard standard;
    standard.name = stored;
    standard.viscosity = viscosity;
    calibration.standards.push_back(standard);
    SortStandards(calibration);
    return stored;
}

void deleteStandards(CalibrationData& calibration, std::vector<size_t> positions) {
    removeRows(calibration.standards, std::move(positions));
}

bool deleteStandardByName(CalibrationData& calibration, const std::string& name) {
    auto& list = calibration.standards;
    for (auto it = list.begin(); it != list.end(); ++it) {
        if (it->name == name) {
            list.erase(it);
            return true;
        }
    }
    return false;
}

void deleteAllStandards(CalibrationData& calibration) {
    calibration.standards.clear();
}

} // namespace rheo
