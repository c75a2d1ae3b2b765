// SPDX-License-Identifier: MIT
#include "gui/sound/tone_samples.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace rheo {

std::vector<std::int16_t> toneSamples(int frequencyHz, int durationMs, int sampleRate) {
    if (durationMs <= 0 || sampleRate <= 0)
        return {};
    const auto count =
        static_cast<std::size_t>(static_cast<std::int64_t>(sampleRate) * durationMs / 1000);
    std::vector<std::int16_t> samples(count);
    // A fade of at most half the tone each way, so short tones still rise and fall.
    const std::size_t fade = std::min<std::size_t>(
        static_cast<std::size_t>(static_cast<std::int64_t>(sampleRate) * kToneFadeMs / 1000),
        count / 2);
    const double step = 2 * std::numbers::pi * frequencyHz / sampleRate;
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t fromEdge = std::min(i, count - 1 - i);
        const double gain =
            fromEdge < fade ? 0.5 * (1 - std::cos(std::numbers::pi * static_cast<double>(fromEdge) /
                                                  static_cast<double>(fade)))
                            : 1.0;
        // The phase from the sample number, not a running sum, so it does not drift.
        const double value = kToneAmplitude * gain * std::sin(step * static_cast<double>(i));
        samples[i] = static_cast<std::int16_t>(std::lround(value));
    }
    return samples;
}

} // namespace rheo
