// Number fields taken as the program takes them when they are left, and the keys that
// switch cells inside a window.
#include "gui/widgets/cell_switch_keys.hpp"
#include "gui/widgets/number_edit.hpp"

#include "support/scripted_dialogs.hpp"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <clocale>

namespace rheo::testing {
namespace {

// Shown in the shortest form with up to 15 significant digits, under any locale.
TEST(NumberEdit, ShowsValuesShortestInTheCLocale) {
    const char* before = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = before != nullptr ? before : "C";
    std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    EXPECT_EQ(numberFieldText(18.0), "18");
    EXPECT_EQ(numberFieldText(0.15), "0.15");
    EXPECT_EQ(numberFieldText(1.0 / 3.0), "0.333333333333333");
    EXPECT_EQ(numberFieldText(2e-7), "2e-07");
    std::setlocale(LC_NUMERIC, saved.c_str());
}

// The edges of a rule, text that is no number, and a whole-number field: a refused value
// is told and the value held before comes back; an accepted one is held as typed.
TEST(NumberEdit, TakingAFieldRefusesWhatItsRuleRefuses) {
    struct Case {
        const char* typed;
        bool wholeNumber;
        NumberField rule;
        std::optional<double> taken;
        const char* message;
    };
    const std::string effluxMessage(fieldMessage(NumberField::RunEffluxTime));
    const std::string timerMessage(fieldMessage(NumberField::EquilibriumTimerMinutes));
    const Case cases[] = {
        {"3600", false, NumberField::RunEffluxTime, 3600.0, nullptr},
        {" 18.0 ", false, NumberField::RunEffluxTime, 18.0, nullptr},
        {"3600.01", false, NumberField::RunEffluxTime, std::nullopt, effluxMessage.c_str()},
        {"0", false, NumberField::RunEffluxTime, std::nullopt, effluxMessage.c_str()},
        {"-5", false, NumberField::RunEffluxTime, std::nullopt, effluxMessage.c_str()},
        {"18,5", false, NumberField::RunEffluxTime, std::nullopt, kNotANumberMessage},
        {"", false, NumberField::RunEffluxTime, std::nullopt, kNotANumberMessage},
        {"30", true, NumberField::EquilibriumTimerMinutes, 30.0, nullptr},
        {"31", true, NumberField::EquilibriumTimerMinutes, std::nullopt, timerMessage.c_str()},
        {"2.5", true, NumberField::EquilibriumTimerMinutes, std::nullopt, kNotAWholeNumberMessage},
    };
    for (const Case& c : cases) {
        ScriptedDialogs dialogs;
        NumberEdit field(nullptr, c.wholeNumber);
        field.showValue(7);
        field.setText(QString::fromUtf8(c.typed));
        EXPECT_EQ(takeNumberEdit(field, c.rule, dialogs), c.taken) << c.typed;
        EXPECT_EQ(field.value(), c.taken.value_or(7)) << c.typed;
        EXPECT_EQ(field.text(), c.taken ? QString::fromUtf8(c.typed) : QStringLiteral("7"));
        EXPECT_EQ(dialogs.messages,
                  c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{})
            << c.typed;
    }
}

// Leaving a field by Tab says so; Ctrl+Tab and Ctrl+Shift+Tab inside the window switch
// cells without moving the focus, and keys typed outside it are left alone.
TEST(CellSwitchKeys, SwitchCellsFromAnyFieldWithoutMovingTheFocus) {
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* first = new NumberEdit(&window);
    auto* second = new QLineEdit(&window);
    layout->addWidget(first);
    layout->addWidget(second);
    CellSwitchKeys keys(&window);
    QSignalSpy next(&keys, &CellSwitchKeys::nextCell);
    QSignalSpy previous(&keys, &CellSwitchKeys::previousCell);
    QSignalSpy left(first, &NumberEdit::focusLeft);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    first->setFocus();

    QTest::keyClick(first, Qt::Key_Tab, Qt::ControlModifier);
    QTest::keyClick(first, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(next.count(), 1);
    EXPECT_EQ(previous.count(), 1);
    EXPECT_TRUE(first->hasFocus());
    EXPECT_EQ(left.count(), 0);

    QLineEdit outside;
    QTest::keyClick(&outside, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(next.count(), 1);

    QTest::keyClick(first, Qt::Key_Tab);
    EXPECT_TRUE(second->hasFocus());
    EXPECT_EQ(left.count(), 1);
}

} // namespace
} // namespace rheo::testing
