// SPDX-License-Identifier: MIT
#pragma once
// The window side of the temperature-equilibrium timer: the button, the two window timers
// (the countdown every 100 ms, the alarm every 500 ms), the main window's flashing and the
// alarm's sound. The session's EquilibriumTimer decides; this applies each of its updates
// in the order the update lists them.

#include "core/runs/equilibrium_timer.hpp"
#include "core/session/session.hpp"

#include <QBasicTimer>
#include <QObject>
#include <QString>

class QAbstractButton;
class QWidget;

namespace rheo {

class AlarmSound;

class FormTimer : public QObject {
    Q_OBJECT

public:
    // `button` shows the timer's caption; `form` is the window whose main window flashes.
    FormTimer(Session& session, AlarmSound& alarm, QAbstractButton& button, QWidget& form);

    // The countdown as the form draws it: "05:00.0", "04:59.9", ..., empty when idle.
    const QString& text() const { return text_; }
    // The id of the running countdown or alarm timer, 0 when it does not run.
    int countdownTimerId() const { return countdown_.timerId(); }
    int alarmTimerId() const { return alarm_.timerId(); }

public slots:
    // The button: start when idle, otherwise stop (also during the alarm).
    void pressButton();
    void countdownTick();
    void alarmTick();

signals:
    // Show the form's values in its controls.
    void showFormValues();
    // The countdown's text changed: repaint its rectangle.
    void repaintTimerText();

protected:
    void timerEvent(QTimerEvent* event) override;

private:
    void apply(const TimerUpdate& update);
    // The button's caption is also what a screen reader calls it.
    void setCaption(const QString& caption);

    Session& session_;
    AlarmSound& alarmSound_;
    QAbstractButton& button_;
    QWidget& form_;
    QBasicTimer countdown_;
    QBasicTimer alarm_;
    QString text_;
};

} // namespace rheo
