// SPDX-License-Identifier: MIT
#pragma once
// The temperature-equilibrium countdown as a state machine: idle, counting down in tenths
// of a second, then alerting for 30 ticks of 500 ms. It owns no window timer, clock or sound;
// each operation returns a TimerUpdate that tells the window what to do.

#include <cstdint>
#include <optional>
#include <string>

namespace rheo {

inline constexpr int kCountdownTimerId = 1;
inline constexpr int kCountdownPeriodMs = 100;
inline constexpr int kAlarmTimerId = 2;
inline constexpr int kAlarmPeriodMs = 500;
inline constexpr int kAlarmTickCount = 30; // 15 s of alarm
inline constexpr int kAlarmBeepHz = 1000;
inline constexpr int kAlarmBeepMs = 250;
inline constexpr int kShortestTimerMinutes = 1;
inline constexpr int kLongestTimerMinutes = 30;

inline constexpr const char* kTimerStartCaption = "Start Timer For Temperature Equilibrium";
inline constexpr const char* kTimerStopCaption = "Stop Timer For Temperature Equilibrium";
inline constexpr const char* kTimerOffCaption = "Timer Off";

enum class TimerState { Idle, CountingDown, Alerting };

// What the window must do after one operation. The window applies the members in the order
// they are declared: timers first, then the main window's flashing, the texts, the values
// of the form, the repaint and last the sound (the beep blocks the window for 250 ms).
struct TimerUpdate {
    bool stopCountdownTimer = false;          // timer kCountdownTimerId
    bool stopAlarmTimer = false;              // timer kAlarmTimerId
    bool startCountdownTimer = false;         // kCountdownTimerId every kCountdownPeriodMs
    bool startAlarmTimer = false;             // kAlarmTimerId every kAlarmPeriodMs
    bool flashWindowOnce = false;             // toggle the main window's caption flash once
    bool stopWindowFlashing = false;          // return the main window's caption to normal
    std::optional<std::string> timerText;     // the new timer text, when it is set
    std::optional<std::string> buttonCaption; // the new caption of the timer button
    bool showFormValues = false;              // push the form's values into its controls
    bool repaintTimerText = false;            // mark the timer text rectangle for repainting
    bool beepThenExclamation = false;         // kAlarmBeepHz for kAlarmBeepMs, then the exclamation

    // True for a tick that arrived in a state where it means nothing.
    bool isNoOp() const { return *this == TimerUpdate{}; }

    bool operator==(const TimerUpdate&) const = default;
};

class EquilibriumTimer {
public:
    // Starts a countdown when idle, otherwise stops (also during the alarm).
    TimerUpdate pressButton(int minutes);
    // A new countdown of `minutes`, brought into 1..30. Whatever ran before is stopped.
    TimerUpdate start(int minutes);
    // Back to idle from any state; stops both timers whether or not they run.
    TimerUpdate stop();
    // One tick of the countdown timer; a no-op unless counting down.
    TimerUpdate countdownTick();
    // One tick of the alarm timer; a no-op unless alerting.
    TimerUpdate alarmTick();

    TimerState state() const { return state_; }
    std::uint32_t remainingTenths() const { return remaining_; }
    std::int32_t alarmTicksLeft() const { return alarmTicksLeft_; }
    bool blink() const { return blink_; }
    const std::string& timerText() const { return text_; }
    std::string buttonCaption() const;

private:
    TimerState state_ = TimerState::Idle;
    std::uint32_t remaining_ = 0;
    std::int32_t alarmTicksLeft_ = 0;
    bool blink_ = false;
    std::string text_;
};

// "MM:00.0" for the start of a countdown of `minutes` ("0%d:00.0" below 10, else "%d:00.0").
std::string formatTimerStart(int minutes);
// "MM:SS.T" for the tenths of a second left.
std::string formatTimerRemaining(std::uint32_t tenths);

} // namespace rheo
