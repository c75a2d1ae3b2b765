// The form's number fields, validated when they are left, and the recommendation they feed.
#include "form_fixture.hpp"

#include "core/model/field_rules.hpp"
#include "gui/widgets/number_edit.hpp"

#include <QAbstractButton>
#include <QComboBox>
#include <QTest>

#include <gtest/gtest.h>

namespace rheo::testing {
namespace {

struct Edge {
    const char* field;
    NumberField rule;
    const char* typed;
    bool accepted;
};

// Each field's upper bound is accepted, anything above it, 0 and a negative value are
// refused with the field's message: the previous value comes back and the field keeps the
// focus. Text that is no number is told, and the field shows its value again.
TEST(FormFields, EachRangeEdgeIsAcceptedOrRefusedWhenTheFieldIsLeft) {
    const Edge edges[] = {
        {"Efflux Time (sec)", NumberField::RunEffluxTime, "3600", true},
        {"Efflux Time (sec)", NumberField::RunEffluxTime, "3600.01", false},
        {"Efflux Time (sec)", NumberField::RunEffluxTime, "0", false},
        {"Efflux Time (sec)", NumberField::RunEffluxTime, "-18", false},
        {"Efflux Time (sec)", NumberField::RunEffluxTime, "0.01", true},
        {"Pressure (psi)", NumberField::RunPressure, "600", true},
        {"Pressure (psi)", NumberField::RunPressure, "600.1", false},
        {"Pressure (psi)", NumberField::RunPressure, "0", false},
        {"Pressure (psi)", NumberField::RunPressure, "-200", false},
        {"Estimated Viscosity", NumberField::EstimatedViscosity, "40", true},
        {"Estimated Viscosity", NumberField::EstimatedViscosity, "40.001", false},
        {"Estimated Viscosity", NumberField::EstimatedViscosity, "0", false},
        {"Estimated Viscosity", NumberField::EstimatedViscosity, "-2", false},
    };
    for (const Edge& edge : edges) {
        FormWindow form;
        ASSERT_TRUE(form.show());
        const QString before = form.fieldText(edge.field);
        form.typeAndLeave(edge.field, edge.typed);
        const std::string what = std::string(edge.field) + " " + edge.typed;
        if (edge.accepted) {
            EXPECT_TRUE(form.dialogs.messages.empty()) << what;
            EXPECT_EQ(form.fieldText(edge.field), edge.typed) << what;
            EXPECT_FALSE(form.field(edge.field)->hasFocus()) << what;
        } else {
            EXPECT_EQ(form.dialogs.messages,
                      std::vector<std::string>{std::string(fieldMessage(edge.rule))})
                << what;
            EXPECT_EQ(form.fieldText(edge.field), before) << what;
            EXPECT_TRUE(form.field(edge.field)->hasFocus()) << what;
        }
    }

    FormWindow form;
    ASSERT_TRUE(form.show());
    form.typeAndLeave("Pressure (psi)", "2OO");
    EXPECT_EQ(form.dialogs.messages, std::vector<std::string>{kNotANumberMessage});
    EXPECT_EQ(form.fieldText("Pressure (psi)"), "200");
}

// A refused value never reaches a run. A click that takes the focus from a field whose
// value is refused is lost behind the message: Calculate runs on the next click, at 200.
TEST(FormFields, ARefusedValueNeverReachesARun) {
    FormWindow form;
    ASSERT_TRUE(form.show());
    const QString calculate = "Calculate Viscosity, Shear Rate, and Reynolds Number";
    form.typeInto("Pressure (psi)", "700");
    form.click(calculate);
    EXPECT_EQ(form.dialogs.messages.size(), 1u);
    EXPECT_EQ(form.rowCount(), 0);
    EXPECT_TRUE(form.field("Pressure (psi)")->hasFocus());
    EXPECT_FALSE(qobject_cast<QAbstractButton*>(form.control(calculate))->isDown());

    form.click(calculate);
    ASSERT_EQ(form.rowCount(), 1);
    EXPECT_EQ(form.rowTexts(0)[6], "200.0");
    EXPECT_EQ(form.dialogs.messages.size(), 1u);
}

// The estimated viscosity, when left holding a valid value, gives the recommended pressure
// of the working cell in its band; a refused one leaves the recommendation as it was.
TEST(FormFields, TheEstimatedViscosityGivesTheRecommendationInItsBand) {
    const std::pair<const char*, QString> estimates[] = {
        {"8.5", kNormalBand.arg("200.0")},   {"13", kNormalBand.arg("300.0")},
        {"22", kNormalBand.arg("500.0")},    {"26", "588.9 Warning > 500 psi"},
        {"26.5", "600.0 Warning > 500 psi"}, {"27", "> 600 psi DO NOT RUN"},
        {"41", "> 600 psi DO NOT RUN"}, // refused: the last one stays
    };
    FormWindow form;
    ASSERT_TRUE(form.show());
    for (const auto& [typed, shown] : estimates) {
        form.typeAndLeave("Estimated Viscosity", typed);
        EXPECT_EQ(form.shownBeside("Recommended Pressure"), shown) << typed;
        EXPECT_EQ(form.shownBeside("Target Efflux Time:"), "18.00") << typed;
    }
    EXPECT_EQ(form.fieldText("Estimated Viscosity"), "27");

    // A cell that is not calibrated has no recommendation, and still its T0.
    form.view.findChild<QComboBox*>()->setCurrentIndex(2);
    EXPECT_EQ(form.shownBeside("Recommended Pressure"), "               N/A");
    EXPECT_EQ(form.shownBeside("Target Efflux Time:"), "18.00");
}

// The sample ID is taken when it is left; an accepted run stores it cut to 17 characters
// with commas replaced, and the field shows that the next time the form shows its values.
TEST(FormFields, TheSampleIdIsTakenAndShownAsTheRunStoredIt) {
    FormWindow form;
    ASSERT_TRUE(form.show());
    form.typeAndLeave("Sample ID Name", "SAE 5W-30, batch 12");
    form.click("Calculate Viscosity, Shear Rate, and Reynolds Number");
    ASSERT_EQ(form.rowCount(), 1);
    EXPECT_EQ(form.rowTexts(0)[0], "SAE 5W-30; batch ");
    EXPECT_EQ(form.fieldText("Sample ID Name"), "SAE 5W-30, batch 12");
    form.typeAndLeave("Estimated Viscosity", "3");
    EXPECT_EQ(form.fieldText("Sample ID Name"), "SAE 5W-30; batch ");

    form.typeAndLeave("Sample ID Name", "");
    form.click("Calculate Viscosity, Shear Rate, and Reynolds Number");
    ASSERT_EQ(form.rowCount(), 2);
    EXPECT_EQ(form.rowTexts(1)[0], "NO_ID");
}

} // namespace
} // namespace rheo::testing
