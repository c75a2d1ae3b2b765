// Number fields shown and taken as the program takes them when they are left. (Leaving by
// Tab, and the cell keys that do not leave, are tried on the form and in the dialogs.)
#include "gui/widgets/number_edit.hpp"

#include "support/scripted_dialogs.hpp"

#include <gtest/gtest.h>

#include <clocale>

namespace rheo::testing {
namespace {

// Shown in the shortest form with up to 15 significant digits, under any locale; read with
// "." whatever the locale, blanks around ignored. A refused value is told (the rule's
// message, or that it is no number or no whole number) and the value held before comes back.
TEST(NumberEdit, ShowsValuesShortestAndTakesWhatItsRuleAccepts) {
    const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
    std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    EXPECT_EQ(numberFieldText(18.0), "18");
    EXPECT_EQ(numberFieldText(1.0 / 3.0), "0.333333333333333");
    EXPECT_EQ(numberFieldText(2e-7), "2e-07");
    const std::string effluxMessage(fieldMessage(NumberField::RunEffluxTime));
    const struct {
        const char* typed;
        bool wholeNumber;
        std::optional<double> taken;
        std::string message;
    } cases[] = {
        {" 18.5 ", false, 18.5, ""},
        {"3600.01", false, std::nullopt, effluxMessage},
        {"18,5", false, std::nullopt, kNotANumberMessage},
        {"", false, std::nullopt, kNotANumberMessage},
        {"30", true, 30.0, ""},
        {"2.5", true, std::nullopt, kNotAWholeNumberMessage},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        ScriptedDialogs dialogs;
        NumberEdit field(nullptr, c.wholeNumber);
        field.showValue(7);
        field.setText(c.typed);
        EXPECT_EQ(takeNumberEdit(field,
                                 c.wholeNumber ? NumberField::EquilibriumTimerMinutes
                                               : NumberField::RunEffluxTime,
                                 dialogs),
                  c.taken);
        EXPECT_EQ(field.value(), c.taken.value_or(7));
        EXPECT_EQ(field.text(), c.taken ? QString(c.typed) : QStringLiteral("7"));
        EXPECT_EQ(dialogs.messages,
                  c.message.empty() ? std::vector<std::string>{} : std::vector{c.message});
    }
    std::setlocale(LC_NUMERIC, saved.c_str());
}

} // namespace
} // namespace rheo::testing
