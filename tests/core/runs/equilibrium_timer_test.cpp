#include "core/runs/equilibrium_timer.hpp"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace rheo {
namespace {

const std::string kStart = "Start Timer For Temperature Equilibrium";

// Ticks the countdown `count` times and returns the last update.
TimerUpdate tick(EquilibriumTimer& timer, int count) {
    TimerUpdate last;
    while (count-- > 0)
        last = timer.countdownTick();
    return last;
}

// An update that sets the text and the caption, shows the form's values and repaints.
TimerUpdate shown(const char* text, const std::string& caption) {
    TimerUpdate update;
    update.timerText = text;
    update.buttonCaption = caption;
    update.showFormValues = update.repaintTimerText = true;
    return update;
}

TEST(EquilibriumTimer, CountsDownTheDurationBroughtIntoOneToThirtyMinutesThenAlerts) {
    EquilibriumTimer timer;
    TimerUpdate started = shown("01:00.0", "Stop Timer For Temperature Equilibrium");
    started.startCountdownTimer = true;
    EXPECT_EQ(timer.pressButton(1), started);
    // Durations outside 1..30 (from a file written elsewhere) go to the nearest bound.
    const std::pair<int, const char*> starts[] = {
        {5, "05:00.0"}, {10, "10:00.0"}, {30, "30:00.0"}, {0, "01:00.0"}, {100000, "30:00.0"}};
    for (auto [minutes, text] : starts) {
        EXPECT_EQ(timer.start(minutes).timerText, text) << minutes;
        EXPECT_EQ(formatTimerRemaining(timer.remainingTenths()), text) << minutes;
    }
    EXPECT_EQ(formatTimerRemaining(105), "00:10.5"); // ten seconds and over

    // A countdown in tenths of a second, then the alarm.
    timer.start(1);
    TimerUpdate counted;
    counted.timerText = "00:59.9";
    counted.repaintTimerText = true;
    EXPECT_EQ(timer.countdownTick(), counted);
    counted.timerText = "00:00.1";
    EXPECT_EQ(tick(timer, 598), counted);
    TimerUpdate alarm = shown("", "Timer Off");
    alarm.stopCountdownTimer = alarm.startAlarmTimer = true;
    EXPECT_EQ(timer.countdownTick(), alarm);

    // Thirty alarm ticks flash and beep, "00:00.0" blinking from the second; the last ends it.
    TimerUpdate blinking;
    blinking.flashWindowOnce = blinking.repaintTimerText = blinking.beepThenExclamation = true;
    for (int n = 1; n < 30; ++n) {
        blinking.timerText = n % 2 == 0 ? "00:00.0" : "";
        EXPECT_EQ(timer.alarmTick(), blinking) << n;
    }
    TimerUpdate ended = shown("", kStart);
    ended.stopCountdownTimer = ended.stopAlarmTimer = ended.stopWindowFlashing = true;
    ended.flashWindowOnce = ended.beepThenExclamation = true;
    EXPECT_EQ(timer.alarmTick(), ended);
    EXPECT_EQ(timer.state(), TimerState::Idle);
}

TEST(EquilibriumTimer, ButtonEndsCountdownOrAlarmAtOnceAndStrayTicksAreHarmless) {
    EquilibriumTimer timer;
    timer.pressButton(1);
    tick(timer, 10);
    EXPECT_TRUE(timer.alarmTick().isNoOp());
    TimerUpdate stopped = shown("", kStart);
    stopped.stopCountdownTimer = stopped.stopAlarmTimer = true;
    EXPECT_EQ(timer.pressButton(1), stopped);
    EXPECT_TRUE(timer.countdownTick().isNoOp()); // queued before the stop

    // A countdown tick queued before the alarm started neither counts nor underflows.
    timer.pressButton(1);
    tick(timer, 600);
    EXPECT_TRUE(timer.countdownTick().isNoOp());
    timer.alarmTick();
    stopped.stopWindowFlashing = true;
    EXPECT_EQ(timer.pressButton(1), stopped); // at once, without a beep
    EXPECT_EQ(timer.state(), TimerState::Idle);

    // Starting directly during the alarm ends the alarm as well.
    timer.start(1);
    tick(timer, 600);
    const TimerUpdate update = timer.start(2);
    EXPECT_TRUE(update.stopAlarmTimer && update.stopWindowFlashing && update.startCountdownTimer);
}

} // namespace
} // namespace rheo
