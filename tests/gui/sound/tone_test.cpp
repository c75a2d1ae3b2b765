// SPDX-License-Identifier: MIT
// The alarm's tone: its samples, the worker that plays it without holding the window, the
// dropping of a tone asked for while one sounds, and the exclamation after it.

#include "gui/sound/alarm_sound.hpp"
#include "gui/sound/alsa_output.hpp"
#include "gui/sound/tone_samples.hpp"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <algorithm>
#include <condition_variable>
#include <cstdlib>
#include <mutex>
#include <string>

namespace rheo {
namespace {

// The alarm's 250 ms at 1000 Hz, sampled at 48 kHz as the player sounds it: a sine of the
// frequency (two zero crossings a period), up to the amplitude and never beyond, faded in
// and out from silence.
TEST(ToneSamples, SineOfTheFrequencyFadedInAndOutNeverClipping) {
    const std::vector<std::int16_t> samples = toneSamples(1000, 250, TonePlayer::kSampleRate);
    ASSERT_EQ(samples.size(), 12000u);
    int crossings = 0;
    for (std::size_t i = 1; i < samples.size(); ++i)
        crossings += (samples[i - 1] < 0) != (samples[i] < 0);
    EXPECT_NEAR(crossings, 500, 2);
    const auto [low, high] = std::minmax_element(samples.begin(), samples.end());
    EXPECT_LE(std::max(-*low, int(*high)), kToneAmplitude);
    EXPECT_GE(std::max(-*low, int(*high)), kToneAmplitude * 98 / 100);
    EXPECT_LT(kToneAmplitude, 32767 * 6 / 10); // a comfortable share of full scale
    EXPECT_LE(std::abs(samples.front()) + std::abs(samples.back()), kToneAmplitude / 100);
    for (std::size_t i = 0; i < 48; ++i) // the first millisecond
        EXPECT_LT(std::abs(samples[i]), kToneAmplitude / 5) << i;
}

// What reached the "device", in order.
struct Log {
    std::mutex mutex;
    std::string text;
    void add(const std::string& entry) {
        const std::lock_guard lock(mutex);
        text += text.empty() ? entry : ", " + entry;
    }
    std::string read() {
        const std::lock_guard lock(mutex);
        return text;
    }
};

// Records the samples; holds them, like a device that is slow to play, until released.
class RecordingOutput : public SampleOutput {
public:
    RecordingOutput(Log& log, bool available, bool held)
        : log_(log), available_(available), held_(held) {}
    bool available() override { return available_; }
    void play(const std::vector<std::int16_t>& samples, int rate, std::stop_token stop) override {
        std::unique_lock lock(mutex_);
        released_.wait(lock, stop, [this] { return !held_; });
        log_.add("tone " + std::to_string(samples.size()) + " at " + std::to_string(rate) +
                 (stop.stop_requested() ? " cut short" : ""));
    }
    void release() {
        {
            const std::lock_guard lock(mutex_);
            held_ = false;
        }
        released_.notify_all();
    }

private:
    Log& log_;
    bool available_;
    std::mutex mutex_;
    std::condition_variable_any released_;
    bool held_;
};

// play() returns while the device still holds the tone; a tone asked for meanwhile is
// dropped; closing the player cuts a held tone short instead of waiting for it.
TEST(TonePlayer, PlaysOnAWorkerDropsWhatIsAskedMeanwhileAndIsCutShortOnClosing) {
    Log log;
    auto owned = std::make_unique<RecordingOutput>(log, true, true);
    RecordingOutput& output = *owned;
    {
        TonePlayer player(std::move(owned));
        EXPECT_TRUE(player.play(1000, 250, [&] { log.add("finished"); }));
        EXPECT_FALSE(player.play(1000, 250, [&] { log.add("dropped one finished"); }));
        EXPECT_EQ(log.read(), "");
        output.release();
        player.waitUntilIdle();
        EXPECT_TRUE(player.play(500, 10));
        player.waitUntilIdle();
    }
    EXPECT_EQ(log.read(), "tone 12000 at 48000, finished, tone 480 at 48000");
    Log closing;
    {
        TonePlayer player(std::make_unique<RecordingOutput>(closing, true, true));
        EXPECT_TRUE(player.play(1000, 250));
    }
    EXPECT_EQ(closing.read(), "tone 12000 at 48000 cut short");
}

// Without a sound device or library nothing is started and nothing throws; the alarm's
// exclamation follows the tone on the window's thread, or comes alone at once.
TEST(SystemAlarmSound, ExclamationFollowsTheToneOrComesAloneWithoutSound) {
    TonePlayer noLibrary(std::make_unique<AlsaOutput>("libasound-missing.so.0"));
    EXPECT_NO_THROW(EXPECT_FALSE(noLibrary.play(1000, 250)));
    TonePlayer noDevice(std::make_unique<AlsaOutput>("libasound.so.2", "rheo-no-such-device"));
    EXPECT_NO_THROW(noDevice.play(1000, 250));
    noDevice.waitUntilIdle();

    Log log;
    SystemAlarmSound alarm(std::make_unique<RecordingOutput>(log, true, false),
                           [&] { log.add("exclamation"); });
    alarm.beepThenExclamation();
    alarm.waitUntilToneIsOver();
    EXPECT_EQ(log.read(), "tone 12000 at 48000"); // the exclamation waits for the event loop
    QCoreApplication::processEvents();
    EXPECT_EQ(log.read(), "tone 12000 at 48000, exclamation");
    Log quiet;
    SystemAlarmSound mute(std::make_unique<RecordingOutput>(quiet, false, false),
                          [&] { quiet.add("exclamation"); });
    mute.beepThenExclamation();
    EXPECT_EQ(quiet.read(), "exclamation");
}

} // namespace
} // namespace rheo
