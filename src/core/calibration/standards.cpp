// SPDX-License-Identifier: MIT
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
    if (!missingFieldsOf(cell).empty())
        return "N/A";
    return formatFixed(formulas::targetPressureOf(cell.constantA, cell.constantB,
                                                  cell.targetEffluxTime, viscosity),
                       2, 1);
}

namespace {

template <int Cell> std::string pressureInCell(const StandardRow& row) {
    return standardPressureText(row.calibration.cells[Cell], row.standard.viscosity);
}

} // namespace

const ColumnTable<StandardRow, kStandardColumnCount>& standardColumns() {
    // rheo-cli gathers the five pressures, which share their name, in one array.
    static constexpr auto columns = std::to_array<Column<StandardRow>>({
        {"Standard Name",
         0.98,
         "name",
         JsonKind::Text,
         [](const StandardRow& row) { return row.standard.name; },
         {0, 70, "Standard Name"}},
        {"Viscosity (mPa*s)",
         0.82,
         "viscosity",
         JsonKind::Number,
         [](const StandardRow& row) { return formatFixed(row.standard.viscosity, 2, 3); },
         {1, 170, "Viscosity", "mPa*s"}},
        {"Cell #1 (psi)",
         1.1,
         "pressures",
         JsonKind::Number,
         pressureInCell<0>,
         {2, 270, "Cell 1", "psi"}},
        {"Cell #2 (psi)",
         1.1,
         "pressures",
         JsonKind::Number,
         pressureInCell<1>,
         {3, 370, "Cell 2", "psi"}},
        {"Cell #3 (psi)",
         1.1,
         "pressures",
         JsonKind::Number,
         pressureInCell<2>,
         {4, 470, "Cell 3", "psi"}},
        {"Cell #4 (psi)",
         1.1,
         "pressures",
         JsonKind::Number,
         pressureInCell<3>,
         {5, 570, "Cell 4", "psi"}},
        {"Cell #5 (psi)",
         1.1,
         "pressures",
         JsonKind::Number,
         pressureInCell<4>,
         {6, 670, "Cell 5", "psi"}},
    });
    static_assert(columns.size() == kStandardColumnCount);
    return columns;
}

TargetPressureRow targetPressureRowOf(const CalibrationData& calibration,
                                      const ViscosityStandard& standard) {
    return {rowTextsOf(standardColumns(), StandardRow{calibration, standard})};
}

std::vector<TargetPressureRow> BuildTargetPressureRows(CalibrationData& calibration) {
    SortStandards(calibration);
    std::vector<TargetPressureRow> rows;
    rows.reserve(calibration.standards.size());
    for (const ViscosityStandard& standard : calibration.standards)
        rows.push_back(targetPressureRowOf(calibration, standard));
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
