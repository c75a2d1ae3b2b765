// SPDX-License-Identifier: MIT
#include "core/runs/equilibrium_timer.hpp"

#include "core/text/c_format.hpp"

#include <algorithm>

namespace rheo {
namespace {

constexpr std::uint32_t kTenthsPerMinute = 600;
constexpr const char* kAlarmBlinkText = "00:00.0";

} // namespace

std::string formatTimerStart(int minutes) {
    return cformat(minutes < 10 ? "0%d:00.0" : "%d:00.0", minutes);
}

std::string formatTimerRemaining(std::uint32_t tenths) {
    const int minutes = static_cast<int>(tenths / kTenthsPerMinute);
    const int withinMinute = static_cast<int>(tenths % kTenthsPerMinute);
    const int seconds = withinMinute / 10;
    const int tenth = withinMinute % 10;
    return cformat(minutes < 10 ? "0%d" : "%d", minutes) + ":" +
           cformat(seconds < 10 ? "0%d.%d" : "%d.%d", seconds, tenth);
}

std::string EquilibriumTimer::buttonCaption() const {
    switch (state_) {
    case TimerState::CountingDown:
        return kTimerStopCaption;
    case TimerState::Alerting:
        return kTimerOffCaption;
    case TimerState::Idle:
        break;
    }
    return kTimerStartCaption;
}

TimerUpdate EquilibriumTimer::pressButton(int minutes) {
    if (state_ == TimerState::Idle)
        return start(minutes);
    return stop();
}

TimerUpdate EquilibriumTimer::start(int minutes) {
    TimerUpdate update;
    // Only reached from idle through the button; called directly it ends what ran before.
    update.stopCountdownTimer = state_ == TimerState::CountingDown;
    update.stopAlarmTimer = state_ == TimerState::Alerting;
    update.stopWindowFlashing = state_ == TimerState::Alerting;

    // A duration from a calibration file written elsewhere may lie outside the accepted
    // range; 0 or less would count down from the largest unsigned value.
    const int duration = std::clamp(minutes, kShortestTimerMinutes, kLongestTimerMinutes);
    text_ = formatTimerStart(duration);
    remaining_ = static_cast<std::uint32_t>(duration) * kTenthsPerMinute;
    alarmTicksLeft_ = 0;
    blink_ = false;
    state_ = TimerState::CountingDown;

    update.startCountdownTimer = true;
    update.timerText = text_;
    update.buttonCaption = kTimerStopCaption;
    update.showFormValues = true;
    update.repaintTimerText = true;
    return update;
}

TimerUpdate EquilibriumTimer::stop() {
    TimerUpdate update;
    update.stopWindowFlashing = state_ == TimerState::Alerting;
    text_.clear();
    remaining_ = 0;
    alarmTicksLeft_ = 0;
    blink_ = false;
    state_ = TimerState::Idle;

    update.stopCountdownTimer = true;
    update.stopAlarmTimer = true;
    update.timerText = text_;
    update.buttonCaption = kTimerStartCaption;
    update.showFormValues = true;
    update.repaintTimerText = true;
    return update;
}

TimerUpdate EquilibriumTimer::countdownTick() {
    // The window's timers are asynchronous: a tick queued before a stop may still arrive.
    if (state_ != TimerState::CountingDown)
        return {};

    TimerUpdate update;
    if (remaining_ > 0)
        --remaining_;
    if (remaining_ == 0) {
        text_.clear();
        alarmTicksLeft_ = kAlarmTickCount;
        blink_ = true;
        state_ = TimerState::Alerting;
        update.stopCountdownTimer = true;
        update.startAlarmTimer = true;
        update.buttonCaption = kTimerOffCaption;
        update.showFormValues = true;
    } else {
        text_ = formatTimerRemaining(remaining_);
    }
    update.timerText = text_;
    update.repaintTimerText = true;
    return update;
}

TimerUpdate EquilibriumTimer::alarmTick() {
    if (state_ != TimerState::Alerting)
        return {};

    TimerUpdate update;
    blink_ = !blink_;
    update.flashWindowOnce = true;
    text_ = blink_ ? kAlarmBlinkText : "";
    if (--alarmTicksLeft_ <= 0) {
        text_.clear();
        remaining_ = 0;
        alarmTicksLeft_ = 0;
        blink_ = false;
        state_ = TimerState::Idle;
        update.stopAlarmTimer = true;
        update.stopWindowFlashing = true;
        update.stopCountdownTimer = true;
        update.buttonCaption = kTimerStartCaption;
        update.showFormValues = true;
    }
    update.timerText = text_;
    update.repaintTimerText = true;
    // Every alarm tick sounds, the last one included.
    update.beepThenExclamation = true;
    return update;
}

} // namespace rheo
