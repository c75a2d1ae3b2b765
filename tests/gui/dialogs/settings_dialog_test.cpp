// The general settings: what the dialog shows and writes.
#include "gui/dialogs/settings_dialog.hpp"

#include "gui/widgets/number_edit.hpp"

#include "dialog_bench.hpp"

#include <gtest/gtest.h>

namespace rheo::testing {
namespace {

// The settings shown as the calibration holds them (its bytes in Windows-1252), and what is
// typed written into it when a field is left.
TEST(SettingsDialog, ShowsAndWritesTheSettings) {
    CalibrationData data;
    data.companyName = "Lab \xC4rzte";
    data.serialNumber = "SN-7";
    data.operatingTemperature = 100;
    data.equilibriumTimerMinutes = 10;
    Bench bench(data);
    SettingsDialog dialog(bench.session, bench.help);
    ASSERT_TRUE(showActive(dialog));
    EXPECT_EQ(dialog.windowTitle(), "General Settings");
    EXPECT_EQ(dialog.companyNameField()->text(), QString::fromUtf8("Lab Ärzte"));
    EXPECT_EQ(dialog.serialNumberField()->text(), "SN-7");
    EXPECT_EQ(dialog.operatingTemperatureField()->text(), "100");
    EXPECT_EQ(dialog.timerMinutesField()->text(), "10");

    typeAndLeave(*dialog.companyNameField(), QString::fromUtf8("Prüflabor"));
    typeAndLeave(*dialog.serialNumberField(), "SN-8");
    typeAndLeave(*dialog.operatingTemperatureField(), "40");
    typeAndLeave(*dialog.timerMinutesField(), "30");
    const CalibrationData& written = bench.session.calibration();
    EXPECT_EQ(written.companyName, "Pr\xFC"
                                   "flabor");
    EXPECT_EQ(written.serialNumber, "SN-8");
    EXPECT_EQ(written.operatingTemperature, 40);
    EXPECT_EQ(written.equilibriumTimerMinutes, 30);
}

} // namespace
} // namespace rheo::testing
