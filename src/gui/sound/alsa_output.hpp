// SPDX-License-Identifier: MIT
#pragma once
// Samples to the sound card through ALSA. The library is loaded when the first tone is asked
// for, so the program runs where it is not installed; a missing library or device is silence.

#include "gui/sound/tone_player.hpp"

#include <memory>
#include <string>

namespace rheo {

class AlsaOutput : public SampleOutput {
public:
    explicit AlsaOutput(std::string libraryName = "libasound.so.2",
                        std::string deviceName = "default");
    ~AlsaOutput() override;

    bool available() override;
    void play(const std::vector<std::int16_t>& samples, int sampleRate,
              std::stop_token stop) override;

private:
    struct Functions;

    std::string libraryName_;
    std::string deviceName_;
    bool loadTried_ = false;
    std::unique_ptr<Functions> functions_; // null while not loaded or missing
};

} // namespace rheo
