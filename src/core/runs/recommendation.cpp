#include "core/runs/recommendation.hpp"

#include "core/runs/run_calculation.hpp"
#include "core/text/c_format.hpp"
#include "core/text/number_text.hpp"

namespace rheo {

RecommendationText RecommendationTexts(const CellCalibration& cell, double estimatedViscosity) {
    RecommendationText texts;
    // The T0 text is shown in every case, also for a cell that is not calibrated.
    texts.targetEffluxTime = formatFixed(cell.targetEffluxTime, 2, 2);

    if (!missingFieldsOf(cell).empty()) {
        texts.recommendedPressure = "               N/A";
        return texts;
    }
    // No margin here, unlike the suggested re-run pressure of a refused run.
    const double pressure = TargetPressure(cell, estimatedViscosity);
    switch (ClassifyPressure(pressure)) {
    case PressureBand::Normal:
        texts.recommendedPressure = cformat("           %2.1f psi", pressure);
        break;
    case PressureBand::Warning:
        texts.recommendedPressure = cformat("%2.1f Warning > 500 psi", pressure);
        break;
    case PressureBand::OverLimit:
        texts.recommendedPressure = "> 600 psi DO NOT RUN";
        break;
    }
    return texts;
}

} // namespace rheo
