// SPDX-License-Identifier: MIT
#pragma once
// The recommended pressure for an estimated viscosity and the T0 text of the form.

#include "core/model/model.hpp"

#include <string>

namespace rheo {

struct RecommendationText {
    std::string recommendedPressure;
    std::string targetEffluxTime;
};

RecommendationText RecommendationTexts(const CellCalibration& cell, double estimatedViscosity);

} // namespace rheo
