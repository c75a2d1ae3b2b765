// SPDX-License-Identifier: MIT
// A sample run: its row texts digit for digit, its refusals with the suggested pressure, the
// recommended pressure by band; and the temperature-equilibrium timer's countdown and alarm.
#include "core/model/formulas.hpp"
#include "core/runs/equilibrium_timer.hpp"
#include "core/runs/recommendation.hpp"
#include "core/runs/run_calculation.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>

namespace rheo {
namespace {

// The cell of the worked examples: A = 0.0025, B = 9, T0 = 18 s, V = 6 ml, r = 0.075 mm and
// the shear-rate window 1.000 to 1.200 (x 1e6 1/s), unless a case changes one of them.
CellCalibration cell(double lo = 1.0e6, double hi = 1.2e6, double b = 9, double t0 = 18,
                     double r = 0.075) {
    // Radius, length, A, B, RMS % diff, volume, T0, weighings, standards, shear rates.
    return {1, r, 15, 0.0025, b, 0.5, 6, t0, {}, {}, 1.1e6, lo, hi};
}

struct RunCase {
    CellCalibration cell;
    double pressure, effluxTime;
    bool newtonian;
    std::string expected;
};

// A run in the second cell (index 1) on 5 March 2014 at 09:07.
RunOutcome compute(const RunCase& run) {
    return ComputeRun(run.cell, 1,
                      RunInput{"OIL,BATCH 7, LOT 123", run.pressure, run.effluxTime, run.newtonian},
                      makeLocalDateTime(2014, 3, 5, 9, 7));
}

const double kShearRateAt18s = formulas::shearRate(6, 0.075, 18); // 1/s

TEST(RunCalculation, AcceptedRunsGiveTheirRowTextsDigitForDigit) {
    const RunCase runs[] = {
        {cell(), 200, 18, true, "8.500|1.006|266.3|Yes|200.0|18.00"},
        {cell(0.9e6), 200, 20, false, "9.450|0.905|215.6|No|200.0|20.00"},
        {cell(0.9e6), 200, 20, true, "9.550|0.905|213.3|Yes|200.0|20.00"},
        // Both window bounds are inclusive.
        {cell(kShearRateAt18s), 200, 18, true, "8.500|1.006|266.3|Yes|200.0|18.00"},
        {cell(0.5e6, kShearRateAt18s), 200, 18, true, "8.500|1.006|266.3|Yes|200.0|18.00"},
        // A viscosity or Reynolds number below zero, or no number, is stored as 0.
        {cell(1.0e6, 1.2e6, 1000), 200, 18, true, "0.000|1.006|0.0|Yes|200.0|18.00"},
        {cell(-1.2e6, -1.0e6, 9, 18, -0.075), 200, 18, true, "8.500|-1.006|0.0|Yes|200.0|18.00"},
        {cell(1.0e6, 1.2e6, 9, -18), 200, 18, false, "0.000|1.006|0.0|No|200.0|18.00"},
    };
    for (const RunCase& run : runs) {
        const RunOutcome outcome = compute(run);
        ASSERT_TRUE(std::holds_alternative<RunAccepted>(outcome)) << refusalMessage(outcome);
        std::string row;
        for (const std::string& text : FormatResultRow(std::get<RunAccepted>(outcome).result))
            row += text + "|";
        EXPECT_EQ(row, "OIL;BATCH 7; LOT |2|" + run.expected + "|03/05/2014 09:07|");
    }
    // The ID keeps no line break (commas and the cut to 17 are above); "NO_ID" when blank.
    const std::pair<const char*, const char*> ids[] = {
        {"", "NO_ID"}, {" ", "NO_ID"}, {"\r", "NO_ID"}, {"  ", "  "}, {"a\r\nb", "a  b"}};
    for (auto [typed, stored] : ids)
        EXPECT_EQ(sampleIdForResult(typed), stored) << typed;
    EXPECT_EQ(formatDisplayDateTime(makeLocalDateTime(2009, 10, 12, 10, 59)), "10/12/2009 10:59");
    EXPECT_EQ(formatDisplayDateTime(makeLocalDateTime(2014, 2, 30, 9, 7)), "invalid date");
}

TEST(RunCalculation, RefusedRunsSayWhyAndSuggestTheUncorrectedPressureByBand) {
    const std::string window = "1.000 and ShearRateMax 1.200.\n";
    const RunCase runs[] = {
        {cell(1.01e6), 200, 18, true,
         "1.010 and ShearRateMax 1.200.\nRun the sample again at 201.50 psi."},
        {cell(1.0e6, 1.2e6, 9, 18, std::nan("")), 200, 18, true,
         window + "Run the sample again at 201.50 psi."},
        // Not Newtonian at 30 s: the suggestion ignores the correction factor of 0.95.
        {cell(), 200, 30, false, window + "Run the sample again at 340.31 psi."},
        {cell(), 340, 30, true,
         window + "Run the sample again at 575.39 psi.\nWarning: pressures above 500 psi are "
                  "not recommended"},
        {cell(), 400, 30, true,
         window + "To fall within the min and max shear rate you would have to run at a pressure "
                  "higher than 600 psi, which is the max operating pressure."},
    };
    for (const RunCase& run : runs)
        EXPECT_EQ(refusalMessage(compute(run)),
                  "Sample Run did not fall within\nShearRateMin " + run.expected);

    // A cell that is not calibrated is refused before any arithmetic, naming what is missing.
    const CellCalibration noT0 = cell(1.0e6, 1.2e6, 9, 0);
    EXPECT_EQ(refusalMessage(compute({noT0, 200, 18, true, ""})),
              notCalibratedMessage(missingFieldsOf(noT0)));
}

// The recommended pressure has no margin; each band includes its upper bound and a pressure
// that is no number is over the limit.
TEST(PressureBands, RecommendedPressureTextAndNotAvailableForAnUncalibratedCell) {
    const std::pair<double, const char*> estimates[] = {
        {8.5, "           200.0 psi"},           {22.0, "           500.0 psi"},
        {22.0000045, "500.0 Warning > 500 psi"}, {26.0, "588.9 Warning > 500 psi"},
        {26.5, "600.0 Warning > 500 psi"},       {26.5000045, "> 600 psi DO NOT RUN"},
        {27.0, "> 600 psi DO NOT RUN"},          {std::nan(""), "> 600 psi DO NOT RUN"}};
    for (auto [viscosity, text] : estimates) {
        const RecommendationText texts = RecommendationTexts(cell(), viscosity);
        EXPECT_EQ(texts.recommendedPressure, text) << viscosity;
        EXPECT_EQ(texts.targetEffluxTime, "18.00");
    }
    const RecommendationText texts = RecommendationTexts(cell(1.0e6, 1.2e6, 0, 17.456), 8.5);
    EXPECT_EQ(texts.recommendedPressure, "               N/A");
    EXPECT_EQ(texts.targetEffluxTime, "17.46");
}

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
