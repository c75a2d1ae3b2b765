// SPDX-License-Identifier: MIT
#include "core/runs/run_checks.hpp"

#include "core/model/field_rules.hpp"

#include <utility>

namespace rheo {

std::vector<std::string> runFieldRefusals(const RunInput& input) {
    std::vector<std::string> refusals;
    for (const auto& [field, value] : {std::pair{NumberField::RunPressure, input.pressure},
                                       std::pair{NumberField::RunEffluxTime, input.effluxTime}}) {
        if (auto message = fieldRefusal(field, value))
            refusals.push_back(std::move(*message));
    }
    return refusals;
}

} // namespace rheo
