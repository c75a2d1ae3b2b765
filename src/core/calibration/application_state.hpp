#pragma once
// What the running program holds beside the calibration: the change flags, the selected
// cells, its directory and the printed rows of the standards table. The window owns one;
// rheo-cli builds one per command.

#include "core/calibration/standards.hpp"
#include "core/model/model.hpp"

#include <cstdint>
#include <string>
#include <vector>

namespace rheo {

struct ApplicationState {
    CalibrationData calibration;
    bool calibrationChanged = false;
    bool testDataChanged = false;
    std::int32_t currentCell = 0;     // index 0..4 of the form's working cell
    std::int32_t calibrationCell = 1; // index 0..4 of the cell shown in a calibration dialog
    std::string appDirectory;
    std::vector<TargetPressureRow> targetPressureRows;
    std::int32_t reportLayoutValue = 17; // printed row height, 1/100 inch
};

} // namespace rheo
