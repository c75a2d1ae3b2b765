// SPDX-License-Identifier: MIT
#include "core/model/formulas.hpp"

#include <cmath>

namespace rheo::formulas {

double nonNewtonianCorrection(double eta, double effluxTime, double targetEffluxTime) {
    return eta * std::pow(effluxTime / targetEffluxTime, -0.1);
}

} // namespace rheo::formulas
