// SPDX-License-Identifier: MIT
#pragma once
// A history that keeps its records in memory, and can be told to refuse them as a locked,
// read-only or full database would.

#include "core/seams/history.hpp"

#include <vector>

namespace rheo::testing {

class RecordingHistory : public History {
public:
    bool recordCalibration(const CalibrationRecord& record) override {
        if (failing)
            return false;
        calibrations.push_back(record);
        return true;
    }
    bool recordRun(const RunRecord& record) override {
        if (failing)
            return false;
        runs.push_back(record);
        return true;
    }
    bool forEach(const HistoryQuery&, const std::function<void(const HistoryEntry&)>&) override {
        return true;
    }
    CellCheckState checkState(int) override { return {}; }

    bool failing = false;
    std::vector<CalibrationRecord> calibrations;
    std::vector<RunRecord> runs;
};

} // namespace rheo::testing
