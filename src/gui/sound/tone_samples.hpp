// SPDX-License-Identifier: MIT
#pragma once
// The samples of a plain tone: a sine with a short raised-cosine fade in and out, so that it
// starts and stops without a click. Standard C++ only.

#include <cstdint>
#include <vector>

namespace rheo {

// Peak amplitude of a tone: well below full scale, so it never clips and is not harsh.
inline constexpr std::int16_t kToneAmplitude = 12000;
// Length of each fade.
inline constexpr int kToneFadeMs = 5;

// Mono 16-bit samples of a sine of `frequencyHz`: exactly sampleRate * durationMs / 1000 of
// them (truncated), none for a duration or rate that is not positive.
std::vector<std::int16_t> toneSamples(int frequencyHz, int durationMs, int sampleRate);

} // namespace rheo
