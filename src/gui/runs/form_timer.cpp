// SPDX-License-Identifier: MIT
#include "gui/runs/form_timer.hpp"

#include "gui/platform/qt_text.hpp"
#include "gui/sound/alarm_sound.hpp"

#include <QAbstractButton>
#include <QApplication>
#include <QTimerEvent>
#include <QWidget>

namespace rheo {

FormTimer::FormTimer(Session& session, AlarmSound& alarm, QAbstractButton& button, QWidget& form)
    : QObject(&form), session_(session), alarmSound_(alarm), button_(button), form_(form) {
    setCaption(QString::fromLatin1(kTimerStartCaption));
    QObject::connect(&button_, &QAbstractButton::clicked, this, &FormTimer::pressButton);
}

void FormTimer::setCaption(const QString& caption) {
    button_.setText(caption);
    button_.setAccessibleName(caption);
}

void FormTimer::pressButton() {
    apply(session_.pressTimerButton());
}

void FormTimer::countdownTick() {
    apply(session_.timer().countdownTick());
}

void FormTimer::alarmTick() {
    apply(session_.timer().alarmTick());
}

void FormTimer::timerEvent(QTimerEvent* event) {
    if (event->timerId() == countdown_.timerId() && countdown_.isActive())
        countdownTick();
    else if (event->timerId() == alarm_.timerId() && alarm_.isActive())
        alarmTick();
    else
        QObject::timerEvent(event);
}

void FormTimer::apply(const TimerUpdate& update) {
    if (update.stopCountdownTimer)
        countdown_.stop();
    if (update.stopAlarmTimer)
        alarm_.stop();
    // The countdown counts ticks, so its ticks should come as evenly as the system can.
    if (update.startCountdownTimer)
        countdown_.start(kCountdownPeriodMs, Qt::PreciseTimer, this);
    if (update.startAlarmTimer)
        alarm_.start(kAlarmPeriodMs, this);
    // Each flash lasts one alarm period, so the flashing ends with the last tick by itself
    // (stopWindowFlashing needs nothing more here).
    if (update.flashWindowOnce)
        QApplication::alert(form_.window(), kAlarmPeriodMs);
    if (update.timerText)
        text_ = toQt(*update.timerText);
    if (update.buttonCaption)
        setCaption(toQt(*update.buttonCaption));
    if (update.showFormValues)
        emit showFormValues();
    if (update.repaintTimerText)
        emit repaintTimerText();
    if (update.beepThenExclamation)
        alarmSound_.beepThenExclamation();
}

} // namespace rheo
