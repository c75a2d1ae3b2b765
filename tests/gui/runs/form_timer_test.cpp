// The temperature-equilibrium timer on the form: its button, the countdown driven by the
// form's timer events, the alarm's 30 ticks, and the countdown's painting.
#include "form_fixture.hpp"

#include "gui/runs/form_timer.hpp"

#include <QAbstractButton>
#include <QApplication>
#include <QPaintEvent>
#include <QTimerEvent>

#include <gtest/gtest.h>

namespace rheo::testing {
namespace {

const QString kStart = QStringLiteral("Start Timer For Temperature Equilibrium");
const QString kStop = QStringLiteral("Stop Timer For Temperature Equilibrium");
const QString kOff = QStringLiteral("Timer Off");

CalibrationData timerOf(int minutes) {
    CalibrationData data = exampleCalibration();
    data.equilibriumTimerMinutes = minutes;
    return data;
}

class TimerOnForm {
public:
    explicit TimerOnForm(int minutes) : form(timerOf(minutes)) {
        button = qobject_cast<QAbstractButton*>(form.control(kStart));
        timer = form.view.findChild<FormTimer*>();
    }

    void press() { form.click(button->accessibleName()); }
    QString caption() const { return button->text(); }
    QString text() const { return form.view.timerText(); }

    // One tick of the countdown, as the form's 100 ms timer delivers it; false when that
    // timer does not run.
    bool countdownTick() { return tick(timer->countdownTimerId()); }
    // One tick of the alarm's 500 ms timer.
    bool alarmTick() { return tick(timer->alarmTimerId()); }

    FormWindow form;
    QAbstractButton* button = nullptr;
    FormTimer* timer = nullptr;

private:
    bool tick(int id) {
        if (id == 0)
            return false;
        QTimerEvent event(id);
        QApplication::sendEvent(timer, &event);
        return true;
    }
};

// One minute counted down in tenths, then 30 alarm ticks with a sound each and the
// "00:00.0" blinking from the second tick on, then back to the start.
TEST(FormTimer, CountsDownAMinuteThenAlarmsForThirtyTicks) {
    TimerOnForm t(1);
    ASSERT_TRUE(t.form.show());
    EXPECT_EQ(t.caption(), kStart);
    EXPECT_FALSE(t.countdownTick());

    t.press();
    EXPECT_EQ(t.caption(), kStop);
    EXPECT_EQ(t.button->accessibleName(), kStop);
    EXPECT_EQ(t.text(), "01:00.0");
    ASSERT_TRUE(t.countdownTick());
    EXPECT_EQ(t.text(), "00:59.9");
    for (int tick = 2; tick <= 599; ++tick)
        ASSERT_TRUE(t.countdownTick());
    EXPECT_EQ(t.text(), "00:00.1");
    EXPECT_FALSE(t.alarmTick());

    ASSERT_TRUE(t.countdownTick());
    EXPECT_EQ(t.caption(), kOff);
    EXPECT_EQ(t.text(), "");
    EXPECT_FALSE(t.countdownTick());
    EXPECT_EQ(t.form.alarm.ticks, 0);

    std::vector<QString> shown;
    while (t.alarmTick())
        shown.push_back(t.text());
    ASSERT_EQ(shown.size(), 30u);
    EXPECT_EQ(t.form.alarm.ticks, 30);
    for (std::size_t tick = 0; tick + 1 < shown.size(); ++tick)
        EXPECT_EQ(shown[tick], tick % 2 == 1 ? "00:00.0" : "") << tick;
    EXPECT_EQ(shown.back(), "");
    EXPECT_EQ(t.caption(), kStart);
    EXPECT_FALSE(t.countdownTick());
}

// The button stops a countdown and ends an alarm at once: no more ticks, no more sound.
TEST(FormTimer, TheButtonStopsTheCountdownAndTheAlarm) {
    TimerOnForm t(1);
    ASSERT_TRUE(t.form.show());
    t.press();
    t.countdownTick();
    t.press();
    EXPECT_EQ(t.caption(), kStart);
    EXPECT_EQ(t.text(), "");
    EXPECT_FALSE(t.countdownTick());

    t.press();
    for (int tick = 0; tick < 600; ++tick)
        t.countdownTick();
    t.alarmTick();
    t.alarmTick();
    t.alarmTick();
    t.press();
    EXPECT_EQ(t.caption(), kStart);
    EXPECT_EQ(t.text(), "");
    EXPECT_FALSE(t.alarmTick());
    t.timer->alarmTick(); // a tick that was already on its way
    EXPECT_EQ(t.form.alarm.ticks, 3);
}

// A countdown starts at the minutes configured when it starts.
TEST(FormTimer, StartsAtTheConfiguredMinutes) {
    TimerOnForm t(30);
    t.timer->pressButton();
    EXPECT_EQ(t.text(), "30:00.0");
}

// Counts the dark pixels of the form inside a rectangle.
int inkIn(QWidget& form, const QRect& rect) {
    const QImage image = form.grab(rect).toImage();
    int ink = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ink += qGray(image.pixel(x, y)) < 96 ? 1 : 0;
    return ink;
}

// Records the areas the form repaints.
class PaintedAreas : public QObject {
public:
    explicit PaintedAreas(QWidget& form) { form.installEventFilter(this); }
    std::vector<QRect> areas;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            areas.push_back(static_cast<QPaintEvent*>(event)->rect());
        return false;
    }
};

// The countdown is drawn in large dark type in its place; each tick repaints its rectangle
// only, never the picture.
TEST(FormTimer, EachTickRepaintsOnlyTheCountdown) {
    TimerOnForm t(1);
    ASSERT_TRUE(t.form.show());
    const QRect countdown = t.form.view.timerTextRect();
    EXPECT_EQ(inkIn(t.form.view, countdown), 0);
    t.press();
    QApplication::processEvents();
    const int ink = inkIn(t.form.view, countdown);
    EXPECT_GT(ink, 200); // twenty-point bold digits

    PaintedAreas painted(t.form.view);
    for (int tick = 0; tick < 5; ++tick) {
        t.countdownTick();
        QApplication::processEvents();
    }
    ASSERT_FALSE(painted.areas.empty());
    for (const QRect& area : painted.areas) {
        EXPECT_TRUE(countdown.contains(area));
        EXPECT_FALSE(area.intersects(t.form.view.pictureLayout().pictureRect()));
    }
}

} // namespace
} // namespace rheo::testing
