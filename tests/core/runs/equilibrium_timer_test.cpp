#include "core/runs/equilibrium_timer.hpp"

#include <gtest/gtest.h>

#include <string>

namespace rheo {
namespace {

const char* const kStart = "Start Timer For Temperature Equilibrium";

// Ticks the countdown `count` times and returns the last update.
TimerUpdate tickCountdown(EquilibriumTimer& timer, int count) {
    TimerUpdate last;
    for (int i = 0; i < count; ++i)
        last = timer.countdownTick();
    return last;
}

void expectIdle(const EquilibriumTimer& timer) {
    EXPECT_EQ(timer.state(), TimerState::Idle);
    EXPECT_EQ(timer.timerText(), "");
    EXPECT_EQ(timer.buttonCaption(), kStart);
    EXPECT_EQ(timer.remainingTenths(), 0u);
    EXPECT_EQ(timer.alarmTicksLeft(), 0);
    EXPECT_FALSE(timer.blink());
}

TEST(EquilibriumTimer, StartShowsTheDurationAndStartsTheCountdownTimer) {
    EquilibriumTimer timer;
    expectIdle(timer);
    TimerUpdate expected;
    expected.startCountdownTimer = true;
    expected.timerText = "01:00.0";
    expected.buttonCaption = "Stop Timer For Temperature Equilibrium";
    expected.showFormValues = true;
    expected.repaintTimerText = true;
    EXPECT_EQ(timer.pressButton(1), expected);
    EXPECT_EQ(timer.remainingTenths(), 600u);

    // Durations outside 1..30 (from a file written elsewhere) go to the nearest bound.
    for (auto [minutes, text] : {std::pair{5, "05:00.0"},
                                 {10, "10:00.0"},
                                 {30, "30:00.0"},
                                 {0, "01:00.0"},
                                 {-5, "01:00.0"},
                                 {100000, "30:00.0"}}) {
        EquilibriumTimer other;
        EXPECT_EQ(other.start(minutes).timerText, text) << minutes;
        EXPECT_EQ(other.remainingTenths() % 600, 0u);
        EXPECT_EQ(formatTimerRemaining(other.remainingTenths()), text);
    }
}

TEST(EquilibriumTimer, CountdownTextsInMinutesSecondsAndTenths) {
    EXPECT_EQ(formatTimerRemaining(2999), "04:59.9");
    EXPECT_EQ(formatTimerRemaining(105), "00:10.5");
    EXPECT_EQ(formatTimerRemaining(17999), "29:59.9");

    EquilibriumTimer timer;
    timer.start(1);
    const TimerUpdate update = timer.countdownTick();
    EXPECT_EQ(update.timerText, "00:59.9");
    EXPECT_TRUE(update.repaintTimerText);
    EXPECT_FALSE(update.showFormValues || update.buttonCaption);
    EXPECT_EQ(tickCountdown(timer, 598).timerText, "00:00.1");

    timer.start(5);
    EXPECT_EQ(timer.countdownTick().timerText, "04:59.9");
    EXPECT_EQ(timer.remainingTenths(), 2999u);
}

TEST(EquilibriumTimer, TheLastCountdownTickStartsTheAlarm) {
    EquilibriumTimer timer;
    timer.start(1);
    EXPECT_EQ(tickCountdown(timer, 599).buttonCaption, std::nullopt);
    TimerUpdate expected;
    expected.stopCountdownTimer = true;
    expected.startAlarmTimer = true;
    expected.timerText = "";
    expected.buttonCaption = "Timer Off";
    expected.showFormValues = true;
    expected.repaintTimerText = true;
    EXPECT_EQ(timer.countdownTick(), expected);
    EXPECT_EQ(timer.state(), TimerState::Alerting);
    EXPECT_EQ(timer.alarmTicksLeft(), 30);
    EXPECT_TRUE(timer.blink());
}

TEST(EquilibriumTimer, AlarmBlinksAndBeepsThirtyTimesThenGoesIdle) {
    EquilibriumTimer timer;
    timer.start(1);
    tickCountdown(timer, 600);
    int beeps = 0;
    for (int tick = 1; tick <= 30; ++tick) {
        const TimerUpdate update = timer.alarmTick();
        beeps += update.beepThenExclamation ? 1 : 0;
        EXPECT_TRUE(update.flashWindowOnce && update.repaintTimerText) << tick;
        const bool last = tick == 30;
        EXPECT_EQ(update.timerText, tick % 2 == 0 && !last ? "00:00.0" : "") << tick;
        EXPECT_EQ(update.stopAlarmTimer, last) << tick;
        EXPECT_EQ(update.stopWindowFlashing, last) << tick;
        EXPECT_EQ(update.buttonCaption, last ? std::optional<std::string>(kStart) : std::nullopt);
        EXPECT_EQ(timer.alarmTicksLeft(), 30 - tick);
    }
    EXPECT_EQ(beeps, 30);
    expectIdle(timer);
}

TEST(EquilibriumTimer, ButtonStopsTheCountdownOrTheAlarmAtOnce) {
    EquilibriumTimer timer;
    timer.pressButton(1);
    tickCountdown(timer, 10);
    TimerUpdate update = timer.pressButton(1);
    EXPECT_TRUE(update.stopCountdownTimer && update.stopAlarmTimer && update.showFormValues);
    EXPECT_EQ(update.timerText, "");
    EXPECT_EQ(update.buttonCaption, kStart);
    expectIdle(timer);

    timer.pressButton(1);
    tickCountdown(timer, 600);
    timer.alarmTick();
    update = timer.pressButton(1);
    EXPECT_TRUE(update.stopAlarmTimer && update.stopWindowFlashing);
    EXPECT_FALSE(update.beepThenExclamation);
    expectIdle(timer);

    // Starting directly during the alarm ends the alarm as well.
    timer.start(1);
    tickCountdown(timer, 600);
    update = timer.start(2);
    EXPECT_TRUE(update.stopAlarmTimer && update.stopWindowFlashing && update.startCountdownTimer);
    EXPECT_EQ(timer.alarmTicksLeft(), 0);
    EXPECT_EQ(timer.remainingTenths(), 1200u);
}

TEST(EquilibriumTimer, TicksInTheWrongStateAreHarmless) {
    EquilibriumTimer timer;
    EXPECT_TRUE(timer.countdownTick().isNoOp());
    EXPECT_TRUE(timer.alarmTick().isNoOp());
    timer.start(1);
    timer.stop();
    EXPECT_TRUE(timer.countdownTick().isNoOp());
    expectIdle(timer);

    // A countdown tick queued before the alarm started neither counts nor underflows.
    timer.start(1);
    tickCountdown(timer, 600);
    EXPECT_TRUE(timer.countdownTick().isNoOp());
    EXPECT_EQ(timer.remainingTenths(), 0u);
    EXPECT_EQ(timer.alarmTicksLeft(), 30);

    timer.start(1);
    EXPECT_TRUE(timer.alarmTick().isNoOp());
    EXPECT_EQ(timer.remainingTenths(), 600u);
}

} // namespace
} // namespace rheo
