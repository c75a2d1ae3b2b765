// SPDX-License-Identifier: MIT
#include "core/runs/recommendation.hpp"

#include "core/runs/run_calculation.hpp"
#include "core/text/c_format.hpp"
#include "core/text/number_text.hpp"
#include "core/text/program_texts.hpp"

namespace rheo {

RecommendationText RecommendationTexts(const CellCalibration& cell, double estimatedViscosity) {
    RecommendationText texts;
    // The T0 text is shown in every case, also for a cell that is not calibrated.
    texts.targetEffluxTime = formatFixed(cell.targetEffluxTime, 2, 2);

    if (!missingFieldsOf(cell).empty()) {
        texts.recommendedPressure = run_texts::kPressureNotAvailable;
        return texts;
    }
    // No margin here, unlike the suggested re-run pressure of a refused run.
    const double pressure = TargetPressure(cell, estimatedViscosity);
    switch (ClassifyPressure(pressure)) {
    case PressureBand::Normal:
        texts.recommendedPressure = cformat(run_texts::kRecommendedPressure, pressure);
        break;
    case PressureBand::Warning:
        texts.recommendedPressure = cformat(run_texts::kRecommendedPressureWarning, pressure);
        break;
    case PressureBand::OverLimit:
        texts.recommendedPressure = run_texts::kDoNotRun;
        break;
    }
    return texts;
}

} // namespace rheo
