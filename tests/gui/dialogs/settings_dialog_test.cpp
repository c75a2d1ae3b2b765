// The general settings: what the dialog shows, the ranges of its two number fields, and
// when the calibration counts as changed.
#include "gui/dialogs/settings_dialog.hpp"

#include "dialog_fixture.hpp"
#include "gui/widgets/number_edit.hpp"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace rheo::testing {
namespace {

CalibrationData settings() {
    CalibrationData data;
    data.companyName = "Lab \xC4rzte"; // a Windows-1252 byte beyond ASCII
    data.serialNumber = "SN-7";
    data.operatingTemperature = 100;
    data.equilibriumTimerMinutes = 10;
    return data;
}

// The four fields under their labels and units, named for screen readers by their labels,
// visited by Tab top to bottom and then the three buttons.
TEST(SettingsDialog, ShowsTheSettingsUnderTheirLabels) {
    DialogBench bench(settings());
    SettingsDialog dialog(bench.session, bench.help);
    ASSERT_TRUE(openDialog(dialog));
    EXPECT_EQ(dialog.windowTitle(), "General Settings");
    EXPECT_EQ(dialog.companyNameField()->text(), QString::fromUtf8("Lab Ärzte"));
    EXPECT_EQ(dialog.serialNumberField()->text(), "SN-7");
    EXPECT_EQ(dialog.operatingTemperatureField()->text(), "100");
    EXPECT_EQ(dialog.timerMinutesField()->text(), "10");
    EXPECT_EQ(labelTexts(dialog),
              (std::vector<QString>{":", "Company Name :", "Minutes", "Operating Temperature :",
                                    "Serial Number :", "Temperature Equilibrium Timer Duration",
                                    QString::fromUtf8("°C")}));
    EXPECT_EQ(dialog.companyNameField()->accessibleName(), "Company Name");
    EXPECT_EQ(dialog.timerMinutesField()->accessibleName(),
              "Temperature Equilibrium Timer Duration");
    EXPECT_EQ(dialog.operatingTemperatureField()->accessibleDescription(), QString::fromUtf8("°C"));

    const std::vector<QWidget*> expected = {
        dialog.companyNameField(),  dialog.serialNumberField(), dialog.operatingTemperatureField(),
        dialog.timerMinutesField(), dialog.okButton(),          dialog.cancelButton(),
        dialog.helpButton(),        dialog.companyNameField()};
    EXPECT_EQ(tabChain(dialog.companyNameField(), 7), expected);
    EXPECT_TRUE(bench.dialogs.messages.empty());
    EXPECT_FALSE(dialog.edit().changed());
}

// 40 to 150 degrees and 1 to 30 minutes, whole numbers: a value outside is told, the value
// held before comes back and the field keeps the focus.
TEST(SettingsDialog, NumberFieldsTakeOnlyTheirRange) {
    const std::string temperatureMessage(fieldMessage(NumberField::OperatingTemperature));
    const std::string timerMessage(fieldMessage(NumberField::EquilibriumTimerMinutes));
    const struct {
        bool temperature;
        const char* typed;
        int stored;
        std::string message; // empty when accepted
    } cases[] = {
        {true, "40", 40, ""},
        {true, "150", 150, ""},
        {true, "39", 100, temperatureMessage},
        {true, "151", 100, temperatureMessage},
        {false, "1", 1, ""},
        {false, "30", 30, ""},
        {false, "0", 10, timerMessage},
        {false, "31", 10, timerMessage},
        {false, "2.5", 10, kNotAWholeNumberMessage},
    };
    for (const auto& c : cases) {
        DialogBench bench(settings());
        SettingsDialog dialog(bench.session, bench.help);
        ASSERT_TRUE(openDialog(dialog));
        NumberEdit* field =
            c.temperature ? dialog.operatingTemperatureField() : dialog.timerMinutesField();
        typeAndLeave(field, QString::fromLatin1(c.typed));
        const CalibrationData& data = bench.session.calibration();
        EXPECT_EQ(c.temperature ? data.operatingTemperature : data.equilibriumTimerMinutes,
                  c.stored)
            << c.typed;
        EXPECT_EQ(field->text(), QString::number(c.stored)) << c.typed;
        const bool accepted = c.message.empty();
        EXPECT_EQ(bench.dialogs.messages,
                  accepted ? std::vector<std::string>{} : std::vector<std::string>{c.message})
            << c.typed;
        if (c.message == temperatureMessage || c.message == timerMessage) {
            EXPECT_TRUE(field->hasFocus()) << c.typed;
        }
        EXPECT_EQ(dialog.edit().changed(), accepted) << c.typed;
    }
}

// OK after a change raises the calibration's change flag; Cancel after the same change puts
// the name back and leaves the flag as it was; leaving fields unchanged is no change.
TEST(SettingsDialog, OkAfterAChangeMarksTheCalibrationChangedCancelRestores) {
    {
        DialogBench bench(settings());
        SettingsDialog dialog(bench.session, bench.help);
        ASSERT_TRUE(openDialog(dialog));
        typeAndLeave(dialog.companyNameField(), QString::fromUtf8("Prüflabor"));
        EXPECT_EQ(bench.session.calibration().companyName, "Pr\xFC"
                                                           "flabor");
        QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_TRUE(bench.session.calibrationChanged());
    }
    {
        DialogBench bench(settings());
        SettingsDialog dialog(bench.session, bench.help);
        ASSERT_TRUE(openDialog(dialog));
        typeAndLeave(dialog.companyNameField(), "Other Lab");
        QTest::mouseClick(dialog.cancelButton(), Qt::LeftButton);
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
        EXPECT_EQ(bench.session.calibration(), settings());
        EXPECT_FALSE(bench.session.calibrationChanged());
    }
    {
        DialogBench bench(settings());
        SettingsDialog dialog(bench.session, bench.help);
        ASSERT_TRUE(openDialog(dialog));
        // Every field left as it was, one retyped with the same text.
        tabChain(dialog.companyNameField(), 4);
        typeAndLeave(dialog.serialNumberField(), "SN-7");
        typeAndLeave(dialog.operatingTemperatureField(), "100");
        EXPECT_FALSE(dialog.edit().changed());
        QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
        EXPECT_FALSE(bench.session.calibrationChanged());
        EXPECT_EQ(bench.session.calibration(), settings());
    }
}

// Escape closes the dialog with what was typed but not yet left untaken: nothing is
// written into the calibration afterwards and nothing is told.
TEST(SettingsDialog, EscapeLeavesWhatWasTypedUntaken) {
    for (const bool inTemperature : {false, true}) {
        DialogBench bench(settings());
        SettingsDialog dialog(bench.session, bench.help);
        ASSERT_TRUE(openDialog(dialog));
        typeAndLeave(dialog.serialNumberField(), "SN-8");
        QLineEdit* field = inTemperature
                               ? static_cast<QLineEdit*>(dialog.operatingTemperatureField())
                               : dialog.companyNameField();
        typeInto(field, inTemperature ? "151" : "New Lab");
        QTest::keyClick(field, Qt::Key_Escape);
        QApplication::processEvents();
        EXPECT_FALSE(dialog.isVisible());
        const CalibrationData& data = bench.session.calibration();
        EXPECT_EQ(data.companyName, settings().companyName);
        EXPECT_EQ(data.serialNumber, "SN-7");
        EXPECT_EQ(data.operatingTemperature, 100);
        EXPECT_TRUE(bench.dialogs.messages.empty());
    }
}

} // namespace
} // namespace rheo::testing
