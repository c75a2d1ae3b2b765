// SPDX-License-Identifier: MIT
#include "gui/sound/alarm_sound.hpp"

#include "core/runs/equilibrium_timer.hpp"

#include "gui/sound/alsa_output.hpp"

#include <QApplication>

#include <utility>

namespace rheo {

SystemAlarmSound::SystemAlarmSound()
    : SystemAlarmSound(std::make_unique<AlsaOutput>(), [] { QApplication::beep(); }) {}

SystemAlarmSound::SystemAlarmSound(std::unique_ptr<SampleOutput> output,
                                   std::function<void()> exclamation)
    : exclamation_(std::move(exclamation)), player_(std::move(output)) {}

void SystemAlarmSound::beepThenExclamation() {
    const bool toneStarted = player_.play(kAlarmBeepHz, kAlarmBeepMs, [this] {
        QMetaObject::invokeMethod(
            &receiver_,
            [this] {
                if (exclamation_)
                    exclamation_();
            },
            Qt::QueuedConnection);
    });
    // No tone (no sound, or the last one still sounding): the exclamation at once.
    if (!toneStarted && exclamation_)
        exclamation_();
}

} // namespace rheo
