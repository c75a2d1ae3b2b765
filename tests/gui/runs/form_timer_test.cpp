// SPDX-License-Identifier: MIT
// The temperature-equilibrium timer on the form: its button, the countdown driven by the
// form's timer events, the alarm's 30 ticks, and the countdown's painting.
#include "form_fixture.hpp"

#include "gui/runs/form_timer.hpp"

#include <QAbstractButton>
#include <QPaintEvent>
#include <QTimerEvent>

namespace rheo::testing {
namespace {

class TimerOnForm : public ::testing::Test, public QObject {
protected:
    void SetUp() override { ASSERT_TRUE(form.show()); }
    void press() { click(*button); }
    // The button's caption (also its name for a screen reader) and the countdown's text.
    std::string shown() const {
        EXPECT_EQ(button->accessibleName(), button->text());
        return (button->text() + " " + form.view.timerText()).toStdString();
    }
    // One tick of the countdown's 100 ms timer, or of the alarm's 500 ms timer, as the form
    // receives it; false when that timer does not run.
    bool countdownTick() { return tick(timer->countdownTimerId()); }
    bool alarmTick() { return tick(timer->alarmTimerId()); }
    // Records the areas the form repaints.
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            painted.push_back(static_cast<QPaintEvent*>(event)->rect());
        return false;
    }

    FormWindow form;
    QAbstractButton* button = qobject_cast<QAbstractButton*>(named(form.view, kStartTimer));
    FormTimer* timer = form.view.findChild<FormTimer*>();
    std::vector<QRect> painted;

private:
    bool tick(int id) {
        QTimerEvent event(id);
        return id != 0 && QApplication::sendEvent(timer, &event);
    }
};

// The button starts the configured minute and stops it; countdown ticks show the time left,
// then 30 alarm ticks sound and blink (their pattern is the core's) and the form returns to
// the start. The button ends an alarm at once: no more ticks, no more sound.
TEST_F(TimerOnForm, CountsDownThenAlarmsForThirtyTicksUnlessStopped) {
    const std::string stopped = kStartTimer.toStdString() + " ";
    EXPECT_FALSE(countdownTick());
    press();
    EXPECT_EQ(shown(), "Stop Timer For Temperature Equilibrium 01:00.0");
    press();
    EXPECT_EQ(shown(), stopped);
    EXPECT_FALSE(countdownTick());

    press();
    for (int tick = 1; tick <= 599; ++tick)
        ASSERT_TRUE(countdownTick());
    EXPECT_EQ(shown(), "Stop Timer For Temperature Equilibrium 00:00.1");
    EXPECT_FALSE(alarmTick());
    ASSERT_TRUE(countdownTick());
    EXPECT_EQ(shown(), "Timer Off ");
    while (alarmTick()) { // the blinking is the core's
    }
    EXPECT_EQ(form.alarm.ticks, 30);
    EXPECT_EQ(shown(), stopped);

    press();
    while (countdownTick()) {
    }
    alarmTick();
    alarmTick();
    press();
    EXPECT_EQ(shown(), stopped);
    EXPECT_FALSE(alarmTick());
    timer->alarmTick(); // a tick that was already on its way
    EXPECT_EQ(form.alarm.ticks, 32);
}

// The countdown is drawn in large type in its place, in the palette's text colour (light on
// a dark face); each tick repaints its rectangle only, never the picture.
TEST_F(TimerOnForm, EachTickRepaintsOnlyTheCountdown) {
    QPalette dark = form.view.palette();
    dark.setColor(QPalette::Window, QColor(32, 32, 32));
    dark.setColor(QPalette::WindowText, Qt::white);
    form.view.setPalette(dark);
    const QRect countdown = form.view.timerTextRect();
    const auto ink = [&] {
        const QImage image = form.view.grab(countdown).toImage();
        int light = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                light += qGray(image.pixel(x, y)) > 160 ? 1 : 0;
        return light;
    };
    EXPECT_EQ(ink(), 0);
    press();
    QApplication::processEvents();
    EXPECT_GT(ink(), 200); // twenty-point bold digits
    form.view.installEventFilter(this);
    for (int tick = 0; tick < 5; ++tick) {
        countdownTick();
        QApplication::processEvents();
    }
    ASSERT_FALSE(painted.empty());
    for (const QRect& area : painted) {
        EXPECT_TRUE(countdown.contains(area));
        EXPECT_FALSE(area.intersects(form.view.pictureLayout().pictureRect()));
    }
}

} // namespace
} // namespace rheo::testing
