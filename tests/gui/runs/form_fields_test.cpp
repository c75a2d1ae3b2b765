// The form's fields, taken when they are left, and the recommendation and runs they feed.
#include "form_fixture.hpp"

#include "core/model/field_rules.hpp"
#include "gui/widgets/number_edit.hpp"

#include <QAbstractButton>

#include <gtest/gtest.h>

namespace rheo::testing {
namespace {

// Each field takes its highest value when it is left. A value above it, 0, a negative value
// or text that is no number is refused with the field's message (or that it is no number):
// the previous value comes back and the field keeps the focus.
TEST(FormFields, EachFieldTakesItsRangeWhenLeft) {
    const std::tuple<QString, NumberField, const char*, const char*> edges[] = {
        {"Efflux Time (sec)", NumberField::RunEffluxTime, "3600", "3600.01"},
        {"Efflux Time (sec)", NumberField::RunEffluxTime, "0.01", "0"},
        {kPressure, NumberField::RunPressure, "600", "-200"},
        {kPressure, NumberField::RunPressure, "600", "2OO"},
        {"Estimated Viscosity", NumberField::EstimatedViscosity, "40", "40.001"},
    };
    for (const auto& [name, rule, accepted, refused] : edges) {
        SCOPED_TRACE(name.toStdString() + " " + refused);
        FormWindow form;
        ASSERT_TRUE(form.show());
        form.typeAndLeave(name, accepted);
        EXPECT_EQ(form.field(name)->text(), accepted);
        EXPECT_FALSE(form.field(name)->hasFocus());
        form.typeAndLeave(name, refused);
        const bool number = std::string(refused) != "2OO";
        EXPECT_EQ(form.dialogs.messages,
                  Texts{std::string(number ? fieldMessage(rule) : kNotANumberMessage)});
        EXPECT_EQ(form.field(name)->text(), accepted);
        EXPECT_TRUE(form.field(name)->hasFocus());
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
