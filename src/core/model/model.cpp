// SPDX-License-Identifier: MIT
#include "core/model/model.hpp"

#include "core/text/program_texts.hpp"

#include <iterator>

namespace rheo {

CalibrationData::CalibrationData() {
    reset();
}

void CalibrationData::reset() {
    for (int i = 0; i < kCellCount; ++i) {
        cells[i] = CellCalibration{};
        cells[i].cellNumber = i + 1;
    }
    standards.clear();
    companyName.clear();
    serialNumber.clear();
    operatingTemperature = 150;
    equilibriumTimerMinutes = 1;
}

LocalDateTime makeLocalDateTime(int year, int month, int day, int hour, int minute, int second) {
    LocalDateTime t{year, month, day, hour, minute, second, true};
    static const int kDaysInMonth[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    const bool monthOk = month >= 1 && month <= 12;
    const int days = monthOk ? kDaysInMonth[month - 1] + ((month == 2 && leap) ? 1 : 0) : 0;
    t.valid = year >= 1 && year <= 9999 && monthOk && day >= 1 && day <= days && hour >= 0 &&
              hour <= 23 && minute >= 0 && minute <= 59 && second >= 0 && second <= 59;
    return t;
}

MissingFields missingFieldsOf(const CellCalibration& cell) {
    const double values[] = {cell.workingShearRate, cell.minShearRate,    cell.maxShearRate,
                             cell.capillaryRadius,  cell.capillaryLength, cell.constantA,
                             cell.constantB,        cell.rmsPercentDiff,  cell.cellVolume,
                             cell.targetEffluxTime};
    static_assert(std::size(values) == kCellValueLabels.size());
    MissingFields missing;
    for (std::size_t i = 0; i < kCellValueLabels.size(); ++i) {
        if (values[i] != 0.0)
            continue;
        if (missing.count > 0)
            missing.names += ", ";
        missing.names += kCellValueLabels[i];
        ++missing.count;
    }
    return missing;
}

std::string notCalibratedMessage(const MissingFields& missing) {
    if (missing.count <= 1)
        return std::string(run_texts::kNotCalibrated) + run_texts::kOneValueMissing +
               missing.names + run_texts::kIsMissing;
    return run_texts::kNotCalibrated + missing.names + run_texts::kAreMissing;
}

} // namespace rheo
