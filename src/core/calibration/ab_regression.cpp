// SPDX-License-Identifier: MIT
#include "core/calibration/ab_regression.hpp"

#include "core/model/formulas.hpp"
#include "core/model/row_removal.hpp"
#include "core/text/program_texts.hpp"

#include <cmath>
#include <utility>

namespace rheo {
namespace {

void clearConstants(CellCalibration& cell) {
    cell.constantA = 0.0;
    cell.constantB = 0.0;
    cell.rmsPercentDiff = 0.0;
}

// The first refusal the run meets, in the order the operator is told about them.
std::optional<std::string_view> refusalOf(const CellCalibration& cell, double knownViscosity,
                                          double pressure, double effluxTime) {
    // Negated comparisons refuse NaN too; an infinite known viscosity or efflux time would
    // turn the fit into NaN.
    if (!(knownViscosity > 0) || !(effluxTime > 0) || !(pressure > 0) || !(pressure <= 600) ||
        !std::isfinite(knownViscosity) || !std::isfinite(effluxTime))
        return calibration_texts::kAbRangeRejection;
    const double t0 = cell.targetEffluxTime;
    if (cell.capillaryRadius == 0 || cell.cellVolume * 1000 == 0 || t0 == 0)
        return calibration_texts::kAbCellDataRejection;
    const double deviation = ((effluxTime - t0) / t0) * 100;
    if (deviation > 20)
        return calibration_texts::kAbTooSlowRejection;
    if (deviation < -20)
        return calibration_texts::kAbTooFastRejection;
    return std::nullopt;
}

// Per-point values from the fitted constants.
void recomputePoint(const CellCalibration& cell, AbPoint& point) {
    const double p = point.pressure;
    const double t = point.effluxTime;
    double eta = formulas::viscosity(cell.constantA, cell.constantB, p, t);
    if (!point.newtonian)
        eta = formulas::nonNewtonianCorrection(eta, t, cell.targetEffluxTime);
    double reynolds = 0.0;
    if (eta > 0) {
        reynolds = formulas::reynoldsNumber(cell.cellVolume, cell.capillaryRadius, t, eta);
        // Negative, or not a number when the cell has no radius: stored as 0.
        if (!(reynolds >= 0))
            reynolds = 0.0;
    } else {
        eta = 0.0; // zero, negative or not a number
    }
    point.calculatedViscosity = eta;
    point.reynoldsNumber = reynolds;
    point.percentDiff = ((eta - point.knownViscosity) * 100) / point.knownViscosity;
}

} // namespace

const PointList<AbPoint> kAbPoints{&CellCalibration::abPoints, RecomputeAb,
                                   kAbFewestPointsWithoutNotice};

RegressionPoint regressionPointOf(const AbPoint& point) {
    // P*T once, so that x and y share the same rounding.
    const double pt = point.pressure * point.effluxTime;
    return {1 / (pt * point.effluxTime), point.knownViscosity / pt};
}

void RecomputeAb(CellCalibration& cell) {
    std::vector<AbPoint>& points = cell.abPoints;
    if (points.size() < kAbFewestPointsForFit) {
        clearConstants(cell);
        return;
    }
    double sx = 0, sy = 0, sxx = 0, sxy = 0;
    for (const AbPoint& point : points) {
        const auto [x, y] = regressionPointOf(point);
        sx += x;
        sy += y;
        sxx += x * x;
        sxy += x * y;
    }
    const double n = static_cast<double>(points.size());
    const double d = n * sxx - sx * sx;
    double a = 0.0;
    double b = 0.0;
    if (d != 0) {
        const double slope = (n * sxy - sy * sx) / d;
        a = sy / n - slope * (sx / n);
        b = -slope;
    }
    cell.constantA = a;
    cell.constantB = b;

    double squares = 0.0;
    for (AbPoint& point : points) {
        recomputePoint(cell, point);
        squares += point.percentDiff * point.percentDiff;
    }
    cell.rmsPercentDiff = std::sqrt(squares / n);
}

PointOutcome AddAbPoint(CellCalibration& cell, double knownViscosity, double pressure,
                        double effluxTime, bool newtonian, const std::string& standardName) {
    if (const auto refusal = refusalOf(cell, knownViscosity, pressure, effluxTime))
        return PointOutcome::refused(*refusal);
    return kAbPoints.add(cell, {.knownViscosity = knownViscosity,
                                .effluxTime = effluxTime,
                                .pressure = pressure,
                                .newtonian = newtonian,
                                .standardName = standardName});
}

PointOutcome RemoveAbPoints(CellCalibration& cell, std::vector<std::size_t> positions) {
    return kAbPoints.remove(cell, std::move(positions));
}

void ClearAbPoints(CellCalibration& cell) {
    cell.abPoints.clear();
    clearConstants(cell);
}

} // namespace rheo
