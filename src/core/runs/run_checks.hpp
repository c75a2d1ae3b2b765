// SPDX-License-Identifier: MIT
#pragma once
// The form's own checks of a sample run's pressure and efflux time, which the window makes
// when a field is left and rheo-cli makes before it computes a run.

#include "core/runs/run_calculation.hpp"

#include <string>
#include <vector>

namespace rheo {

// The messages of the field checks that refuse the run's pressure or efflux time, in that
// order; empty when both are accepted. A refused value never reaches the calculation.
std::vector<std::string> runFieldRefusals(const RunInput& input);

} // namespace rheo
