#include "core/calibration/standards.hpp"

#include "core/model/field_rules.hpp"
#include "core/model/formulas.hpp"
#include "core/model/row_removal.hpp"
#include "core/text/c_format.hpp"
#include "core/text/words.hpp"

#include <utility>

namespace rheo {
namespace {

constexpr const char* kNoName = "No_Name";

} // namespace

void SortStandards(CalibrationData& calibration) {
    std::vector<ViscosityStandard>& list = calibration.standards;
    std::vector<ViscosityStandard> sorted;
    sorted.reserve(list.size());
    while (!list.empty()) {
        // The last standard holding the smallest viscosity: "<=" lets a later equal one
        // take over, which is why equal viscosities swap their order at every sort.
        std::size_t candidate = 0;
        double smallest = list.front().viscosity;
        for (std::size_t i = 0; i < list.size(); ++i) {
            if (list[i].viscosity <= smallest) {
                smallest = list[i].viscosity;
                candidate = i;
            }
        }
        sorted.push_back(std::move(list[candidate]));
        list.erase(list.begin() + static_cast<std::ptrdiff_t>(candidate));
    }
    list = std::move(sorted);
}

std::string standardPressureText(const CellCalibration& cell, double viscosity) {
    if (!missingFields(cell).empty())
        return "N/A";
    return cformat("%2.1f", formulas::targetPressure(cell.constantA, cell.constantB,
                                                     cell.targetEffluxTime, viscosity));
}

TargetPressureRow targetPressureRow(const CalibrationData& calibration,
                                    const ViscosityStandard& standard) {
    TargetPressureRow row;
    row.texts[0] = standard.name;
    row.texts[1] = cformat("%2.3f", standard.viscosity);
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
