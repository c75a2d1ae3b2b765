// The form's fields, taken when they are left, and the recommendation and runs they feed.
#include "form_fixture.hpp"

#include "core/model/field_rules.hpp"
#include "gui/widgets/number_edit.hpp"

#include <QAbstractButton>

#include <gtest/gtest.h>

namespace rheo::testing {
namespace {

// Each field's upper bound is accepted, anything above it, 0 and a negative value are
// refused with the field's message: the previous value comes back and the field keeps the
// focus. Text that is no number is told the same way: its value again, and the focus.
TEST(FormFields, EachRangeEdgeIsAcceptedOrRefusedWhenTheFieldIsLeft) {
    const QString efflux = "Efflux Time (sec)", estimate = "Estimated Viscosity";
    const std::tuple<QString, NumberField, const char*, bool> edges[] = {
        {efflux, NumberField::RunEffluxTime, "3600", true},
        {efflux, NumberField::RunEffluxTime, "3600.01", false},
        {efflux, NumberField::RunEffluxTime, "0", false},
        {efflux, NumberField::RunEffluxTime, "-18", false},
        {kPressure, NumberField::RunPressure, "600", true},
        {kPressure, NumberField::RunPressure, "600.1", false},
        {kPressure, NumberField::RunPressure, "0", false},
        {kPressure, NumberField::RunPressure, "-200", false},
        {estimate, NumberField::EstimatedViscosity, "40", true},
        {estimate, NumberField::EstimatedViscosity, "40.001", false},
        {estimate, NumberField::EstimatedViscosity, "0", false},
        {estimate, NumberField::EstimatedViscosity, "-2", false},
        {kPressure, NumberField::RunPressure, "2OO", false},
    };
    for (const auto& [name, rule, typed, accepted] : edges) {
        SCOPED_TRACE(name.toStdString() + " " + typed);
        FormWindow form;
        ASSERT_TRUE(form.show());
        const QString before = form.field(name)->text();
        form.typeAndLeave(name, typed);
        const bool number = std::string(typed) != "2OO";
        const std::string told(number ? fieldMessage(rule) : kNotANumberMessage);
        EXPECT_EQ(form.dialogs.messages, accepted ? Texts{} : Texts{told});
        EXPECT_EQ(form.field(name)->text(), accepted ? QString(typed) : before);
        EXPECT_EQ(form.field(name)->hasFocus(), !accepted);
    }
}

// A click on Calculate that takes the focus from a field holding 700 psi is lost behind the
// message: no run; the next click runs at 200. An accepted run stores the sample ID cut to
// 17 characters with commas replaced, and the field shows that the next time the form shows
// its values. The estimate gives the recommendation; a refused one leaves it; a cell that
// is not calibrated has none.
TEST(FormFields, ARefusedValueNeverReachesARunAndTheFormShowsWhatWasTaken) {
    FormWindow form;
    ASSERT_TRUE(form.show());
    form.typeAndLeave("Sample ID Name", "SAE 5W-30, batch 12");
    form.typeInto(kPressure, "700");
    form.click(kCalculate);
    EXPECT_EQ(form.dialogs.messages.size(), 1u);
    EXPECT_TRUE(form.sampleIds().empty());
    EXPECT_TRUE(form.field(kPressure)->hasFocus());
    EXPECT_FALSE(qobject_cast<QAbstractButton*>(named(form.view, kCalculate))->isDown());

    form.click(kCalculate);
    EXPECT_EQ(form.sampleIds(), std::vector<QString>{"SAE 5W-30; batch "});
    form.typeAndLeave("Estimated Viscosity", "8.5");
    EXPECT_EQ(form.shown(), "cell 1: SAE 5W-30; batch |200|18|8.5|Yes -> 200.0 psi, T0 18.00");
    form.typeAndLeave("Estimated Viscosity", "41");
    EXPECT_EQ(form.shown(), "cell 1: SAE 5W-30; batch |200|18|8.5|Yes -> 200.0 psi, T0 18.00");
    form.pickCell(3);
    EXPECT_EQ(form.shown(), "cell 3: SAE 5W-30; batch |200|18|8.5|Yes -> N/A, T0 18.00");
}

} // namespace
} // namespace rheo::testing
