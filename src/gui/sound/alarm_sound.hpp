// SPDX-License-Identifier: MIT
#pragma once
// The sound of one tick of the temperature-equilibrium alarm: a 1000 Hz tone of 250 ms,
// then the system's exclamation sound. Behind an interface, so the form's tests can count
// the ticks with a fake.

#include "gui/sound/tone_player.hpp"

#include <QObject>

#include <functional>
#include <memory>

namespace rheo {

class AlarmSound {
public:
    virtual ~AlarmSound() = default;
    // Returns at once; the window goes on while the tone sounds.
    virtual void beepThenExclamation() = 0;
};

class SystemAlarmSound : public AlarmSound {
public:
    // The sound card through ALSA and QApplication::beep().
    SystemAlarmSound();
    // `exclamation` runs on the thread that made this object.
    SystemAlarmSound(std::unique_ptr<SampleOutput> output, std::function<void()> exclamation);

    void beepThenExclamation() override;
    // Waits until the tone under way, if any, is over (its exclamation then waits in the
    // event queue).
    void waitUntilToneIsOver() { player_.waitUntilIdle(); }

private:
    std::function<void()> exclamation_;
    // Carries the exclamation from the tone's worker back to this thread; a pending one is
    // dropped with it.
    QObject receiver_;
    TonePlayer player_; // last: the worker ends before the receiver goes
};

} // namespace rheo
