// SPDX-License-Identifier: MIT
#include "gui/sound/tone_player.hpp"

#include "gui/sound/tone_samples.hpp"

#include <system_error>
#include <utility>

namespace rheo {

TonePlayer::TonePlayer(std::unique_ptr<SampleOutput> output) : output_(std::move(output)) {}

TonePlayer::~TonePlayer() {
    if (worker_.joinable()) {
        worker_.request_stop();
        worker_.join();
    }
}

bool TonePlayer::play(int frequencyHz, int durationMs, std::function<void()> finished) {
    if (busy_ || !output_ || !output_->available())
        return false;
    // The previous tone is over (not busy): its thread is ending or has ended.
    waitUntilIdle();
    busy_ = true;
    try {
        worker_ = std::jthread([this, frequencyHz, durationMs,
                                finished = std::move(finished)](std::stop_token stop) {
            try {
                output_->play(toneSamples(frequencyHz, durationMs, kSampleRate), kSampleRate, stop);
            } catch (...) {
                // A tone that cannot be made is silence; the alarm goes on without it.
            }
            if (finished)
                finished();
            busy_ = false;
        });
    } catch (const std::system_error&) {
        busy_ = false; // no thread to be had: no tone
        return false;
    }
    return true;
}

void TonePlayer::waitUntilIdle() {
    if (worker_.joinable())
        worker_.join();
}

} // namespace rheo
