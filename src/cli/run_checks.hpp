#pragma once
// The form's own checks of a sample run, shared by run and batch.

#include "core/runs/run_calculation.hpp"

#include <string>
#include <vector>

namespace rheo::cli {

// The messages of the form's field checks that refuse the run's pressure or efflux time,
// in that order; empty when both are accepted. A refused value never reaches the calculation.
std::vector<std::string> runFieldRefusals(const RunInput& input);

} // namespace rheo::cli
