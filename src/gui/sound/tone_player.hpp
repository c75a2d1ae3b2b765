// SPDX-License-Identifier: MIT
#pragma once
// Plays a tone on a worker thread, so the window never waits for it. Where there is no
// sound at all the tone is silent: no message, no delay, no error.

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <stop_token>
#include <thread>
#include <vector>

namespace rheo {

// Where the samples go: the sound device in the program, a recording in the tests.
class SampleOutput {
public:
    virtual ~SampleOutput() = default;
    // Whether sound can be tried at all (false when the sound library is missing).
    virtual bool available() = 0;
    // Plays mono 16-bit samples on the worker thread and returns when they have been heard,
    // when `stop` is requested, or at once when no device takes them.
    virtual void play(const std::vector<std::int16_t>& samples, int sampleRate,
                      std::stop_token stop) = 0;
};

class TonePlayer {
public:
    static constexpr int kSampleRate = 48000;

    explicit TonePlayer(std::unique_ptr<SampleOutput> output);
    // Cuts a tone that is still sounding short and waits for the worker.
    ~TonePlayer();
    TonePlayer(const TonePlayer&) = delete;
    TonePlayer& operator=(const TonePlayer&) = delete;

    // Starts the tone and returns at once. Returns false, and does nothing, when there is no
    // sound or a tone is still playing (that request is dropped). Otherwise `finished` runs
    // on the worker thread once the tone is over, whether a device sounded it or not.
    bool play(int frequencyHz, int durationMs, std::function<void()> finished = {});
    // Waits until the tone under way, if any, is over.
    void waitUntilIdle();

private:
    std::unique_ptr<SampleOutput> output_;
    std::atomic<bool> busy_{false};
    std::jthread worker_; // last: stopped and joined before the output goes
};

} // namespace rheo
