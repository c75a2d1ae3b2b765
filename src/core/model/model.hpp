// SPDX-License-Identifier: MIT
#pragma once
// The calibration state of the instrument and the record of one sample run.
// Plain records with public members; copying a CalibrationData copies everything.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace rheo {

inline constexpr int kCellCount = 5;

// One run of a standard oil in a cell. Efflux time precedes pressure here and in the file.
struct AbPoint {
    double knownViscosity = 0.0;      // mPa*s
    double effluxTime = 0.0;          // s
    double pressure = 0.0;            // psi
    double calculatedViscosity = 0.0; // mPa*s, from the regressed A and B
    double percentDiff = 0.0;         // %
    double reynoldsNumber = 0.0;
    bool newtonian = true;
    std::string standardName;

    bool operator==(const AbPoint&) const = default;
};

// One weighing of a cell.
struct VolumePoint {
    double tareWeight = 0.0;   // g
    double fullWeight = 0.0;   // g
    double density = 0.0;      // g/ml
    double effluxTimeT0 = 0.0; // s, the T0 this weighing gives
    double volume = 0.0;       // ml, the volume this weighing gives

    bool operator==(const VolumePoint&) const = default;
};

// One row of the standards table.
struct ViscosityStandard {
    std::string name = "NO_NAME";
    double viscosity = 0.0; // mPa*s

    bool operator==(const ViscosityStandard&) const = default;
};

// One capillary cell. Shear rates are held in 1/s and shown in units of 1e6 1/s.
struct CellCalibration {
    std::int32_t cellNumber = 1;
    double capillaryRadius = 0.0; // mm
    double capillaryLength = 0.0; // mm
    double constantA = 0.0;
    double constantB = 0.0;
    double rmsPercentDiff = 0.0;   // %
    double cellVolume = 0.0;       // ml
    double targetEffluxTime = 0.0; // s, T0
    std::vector<VolumePoint> volumePoints;
    std::vector<AbPoint> abPoints;
    double workingShearRate = 0.0; // 1/s
    double minShearRate = 0.0;     // 1/s
    double maxShearRate = 0.0;     // 1/s

    bool operator==(const CellCalibration&) const = default;
};

struct CalibrationData {
    std::array<CellCalibration, kCellCount> cells;
    std::vector<ViscosityStandard> standards;
    std::string companyName;
    std::string serialNumber;
    std::int32_t operatingTemperature = 150; // degrees Celsius
    std::int32_t equilibriumTimerMinutes = 1;

    CalibrationData();
    // Puts everything back to the defaults of a freshly constructed value.
    void reset();

    bool operator==(const CalibrationData&) const = default;
};

// A local calendar date and time. `valid` is false for a date read from a file that is
// no calendar date; such a value is never used for arithmetic.
struct LocalDateTime {
    int year = 1970;
    int month = 1; // 1..12
    int day = 1;   // 1..31
    int hour = 0;  // 0..23
    int minute = 0;
    int second = 0;
    bool valid = true;

    bool operator==(const LocalDateTime&) const = default;
};

// Builds a date-time from its fields and marks it invalid when the fields name no real
// calendar date and time of day.
LocalDateTime makeLocalDateTime(int year, int month, int day, int hour, int minute, int second = 0);

// One accepted sample run.
struct TestResult {
    std::string sampleId = "id";
    std::int32_t cellNumber = 0;
    double viscosity = 0.0; // mPa*s, after the non-Newtonian correction
    double shearRate = 0.0; // units of 1e6 1/s (already scaled)
    double reynoldsNumber = 0.0;
    bool newtonian = true;
    double pressure = 0.0;   // psi
    double effluxTime = 0.0; // s
    LocalDateTime dateTime;

    bool operator==(const TestResult&) const = default;
};

// The names of a cell's ten calibration values, in the order in which the not-calibrated
// message lists them and the calibration file's cell line holds them.
inline constexpr std::array<const char*, 10> kCellValueLabels = {
    "Working Shear Rate",
    "Minimum Allowable Shear Rate",
    "Maximum Allowable Shear Rate",
    "Capillary Radius",
    "Capillary Length",
    "Cal Constant A",
    "Cal Constant B",
    "RMS % Diff",
    "Cell Volume",
    "Target Efflux Time",
};

// The labels of the required calibration values that are exactly zero, in fixed order.
struct MissingFields {
    std::string names; // joined by ", "
    int count = 0;

    bool empty() const { return count == 0; }
};

MissingFields missingFieldsOf(const CellCalibration& cell);

// The message shown when a run is attempted in a cell that is not calibrated.
std::string notCalibratedMessage(const MissingFields& missing);

} // namespace rheo
