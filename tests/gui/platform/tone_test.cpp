// The alarm's tone: its samples, the worker that plays it without holding the window, the
// dropping of a tone asked for while one sounds, and the exclamation after it.

#include "gui/platform/alarm_sound.hpp"
#include "gui/platform/alsa_output.hpp"
#include "gui/platform/tone_samples.hpp"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <algorithm>
#include <condition_variable>
#include <cstdlib>
#include <mutex>
#include <ostream>
#include <string>

namespace rheo {
namespace {

struct ToneCase {
    int frequencyHz, durationMs, sampleRate;
    std::size_t samples;
};

void PrintTo(const ToneCase& c, std::ostream* out) {
    *out << c.frequencyHz << " Hz, " << c.durationMs << " ms at " << c.sampleRate << " Hz";
}

class ToneSamples : public ::testing::TestWithParam<ToneCase> {};

int signChanges(const std::vector<std::int16_t>& samples) {
    int changes = 0;
    int previous = 0;
    for (std::int16_t s : samples) {
        if (s == 0)
            continue;
        const int sign = s > 0 ? 1 : -1;
        changes += previous != 0 && sign != previous;
        previous = sign;
    }
    return changes;
}

TEST_P(ToneSamples, SineOfTheFrequencyFadedInAndOutNeverClipping) {
    const ToneCase& c = GetParam();
    const std::vector<std::int16_t> samples =
        toneSamples(c.frequencyHz, c.durationMs, c.sampleRate);
    ASSERT_EQ(samples.size(), c.samples);
    // Two zero crossings per period, give or take the ends.
    const double periods = c.frequencyHz * c.durationMs / 1000.0;
    EXPECT_NEAR(signChanges(samples), 2 * periods, 2);

    const auto [low, high] = std::minmax_element(samples.begin(), samples.end());
    EXPECT_LE(std::max(-*low, static_cast<int>(*high)), kToneAmplitude);
    EXPECT_GE(std::max(-*low, static_cast<int>(*high)), kToneAmplitude * 98 / 100);
    EXPECT_LT(kToneAmplitude, 32767 * 6 / 10); // a comfortable share of full scale

    // Starts and ends at silence and rises over the fade instead of jumping.
    EXPECT_LE(std::abs(samples.front()), kToneAmplitude / 100);
    EXPECT_LE(std::abs(samples.back()), kToneAmplitude / 100);
    const std::size_t oneMs = static_cast<std::size_t>(c.sampleRate / 1000);
    for (std::size_t i = 0; i < oneMs; ++i) {
        EXPECT_LT(std::abs(samples[i]), kToneAmplitude / 5) << i;
        EXPECT_LT(std::abs(samples[samples.size() - 1 - i]), kToneAmplitude / 5) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Tones, ToneSamples,
                         ::testing::Values(ToneCase{1000, 250, 48000, 12000},
                                           ToneCase{1000, 250, 44100, 11025},
                                           ToneCase{440, 100, 8000, 800},
                                           ToneCase{3000, 40, 48000, 1920}));

TEST(ToneSamplesLength, TruncatedToWholeSamplesAndEmptyWithoutDurationOrRate) {
    EXPECT_EQ(toneSamples(1000, 1, 44100).size(), 44u); // 44.1
    EXPECT_TRUE(toneSamples(1000, 0, 48000).empty());
    EXPECT_TRUE(toneSamples(1000, -5, 48000).empty());
    EXPECT_TRUE(toneSamples(1000, 250, 0).empty());
    // A tone shorter than its two fades still rises and falls within its length.
    const std::vector<std::int16_t> blip = toneSamples(1000, 4, 48000);
    EXPECT_EQ(blip.size(), 192u);
    EXPECT_EQ(blip.front(), 0);
    EXPECT_LE(std::abs(blip.back()), kToneAmplitude / 100);
}

// What reached the "device", in order, shared by the fakes below.
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
    RecordingOutput(Log& log, bool available, bool holdUntilReleased)
        : log_(log), available_(available), held_(holdUntilReleased) {}

    bool available() override { return available_; }
    void play(const std::vector<std::int16_t>& samples, int sampleRate,
              std::stop_token stop) override {
        std::unique_lock lock(mutex_);
        released_.wait(lock, stop, [this] { return !held_; });
        log_.add("tone " + std::to_string(samples.size()) + " at " + std::to_string(sampleRate) +
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

TEST(TonePlayer, PlaysOnAWorkerAndDropsWhatIsAskedWhileATonePlays) {
    Log log;
    auto owned = std::make_unique<RecordingOutput>(log, true, true);
    RecordingOutput& output = *owned;
    TonePlayer player(std::move(owned));
    // play() returns while the device still holds the tone.
    EXPECT_TRUE(player.play(1000, 250, [&] { log.add("finished"); }));
    EXPECT_FALSE(player.play(1000, 250, [&] { log.add("dropped one finished"); }));
    EXPECT_EQ(log.read(), "");
    output.release();
    player.waitUntilIdle();
    EXPECT_EQ(log.read(), "tone 12000 at 48000, finished");
    EXPECT_TRUE(player.play(500, 10));
    player.waitUntilIdle();
    EXPECT_EQ(log.read(), "tone 12000 at 48000, finished, tone 480 at 48000");
}

TEST(TonePlayer, ClosingCutsAToneShortInsteadOfWaiting) {
    Log log;
    {
        TonePlayer player(std::make_unique<RecordingOutput>(log, true, true));
        EXPECT_TRUE(player.play(1000, 250));
    } // the held tone would never end by itself
    EXPECT_EQ(log.read(), "tone 12000 at 48000 cut short");
}

TEST(TonePlayer, WithoutSoundNothingIsStartedAndNothingThrows) {
    Log log;
    TonePlayer silent(std::make_unique<RecordingOutput>(log, false, false));
    EXPECT_FALSE(silent.play(1000, 250, [&] { log.add("finished"); }));
    silent.waitUntilIdle();
    EXPECT_EQ(log.read(), "");

    TonePlayer noLibrary(std::make_unique<AlsaOutput>("libasound-missing.so.0"));
    EXPECT_NO_THROW(EXPECT_FALSE(noLibrary.play(1000, 250)));
}

TEST(AlsaOutput, DevicesThatAreMissingOrSilentReturnWithoutAnError) {
    // The null device takes every sample; a device that does not exist takes none. Machines
    // without a sound card (CI) have no "default" device either: the same path.
    for (const char* device : {"null", "rheo-no-such-device"}) {
        bool finished = false;
        TonePlayer player(std::make_unique<AlsaOutput>("libasound.so.2", device));
        EXPECT_NO_THROW(player.play(1000, 250, [&] { finished = true; })) << device;
        player.waitUntilIdle();
        if (AlsaOutput("libasound.so.2").available()) {
            EXPECT_TRUE(finished) << device;
        }
    }
}

TEST(SystemAlarmSound, ExclamationFollowsTheToneOnTheWindowsThread) {
    Log log;
    auto owned = std::make_unique<RecordingOutput>(log, true, false);
    SystemAlarmSound alarm(std::move(owned), [&] { log.add("exclamation"); });
    alarm.beepThenExclamation();
    alarm.waitUntilToneIsOver();
    EXPECT_EQ(log.read(), "tone 12000 at 48000"); // the exclamation waits for the event loop
    QCoreApplication::processEvents();
    EXPECT_EQ(log.read(), "tone 12000 at 48000, exclamation");

    // No sound: the exclamation alone, at once.
    Log quiet;
    SystemAlarmSound silent(std::make_unique<RecordingOutput>(quiet, false, false),
                            [&] { quiet.add("exclamation"); });
    silent.beepThenExclamation();
    EXPECT_EQ(quiet.read(), "exclamation");
}

} // namespace
} // namespace rheo
