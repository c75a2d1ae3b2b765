// SPDX-License-Identifier: MIT
// Number fields shown and taken as the program takes them when they are left. (Leaving by
// Tab, and the cell keys that do not leave, are tried on the form and in the dialogs.)
#include "gui/platform/qt_text.hpp"
#include "gui/widgets/number_edit.hpp"

#include "support/scripted_dialogs.hpp"

#include <QLineEdit>
#include <gtest/gtest.h>

#include <clocale>

namespace rheo::testing {
namespace {

// Shown in the shortest form with up to 15 significant digits, under any locale; read with
// "." whatever the locale, blanks around ignored; what is no number is told so and the value
// held before comes back. (Each field's rule, and the whole numbers of the settings, are
// tried in the form and the dialogs.)
TEST(NumberEdit, ShowsValuesShortestAndReadsThemInAnyLocale) {
    const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
    std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    EXPECT_EQ(numberFieldText(18.0), "18");
    EXPECT_EQ(numberFieldText(1.0 / 3.0), "0.333333333333333");
    EXPECT_EQ(numberFieldText(2e-7), "2e-07");
    for (const auto& [typed, taken] :
         {std::pair<const char*, std::optional<double>>{" 18.5 ", 18.5},
          {"18,5", std::nullopt},
          {"", std::nullopt}}) {
        SCOPED_TRACE(typed);
        ScriptedDialogs dialogs;
        NumberEdit field;
        field.showValue(7);
        field.setText(typed);
        EXPECT_EQ(takeNumberEdit(field, NumberField::RunEffluxTime, dialogs), taken);
        EXPECT_EQ(field.value(), taken.value_or(7));
        EXPECT_EQ(field.text(), taken ? QString(typed) : QStringLiteral("7"));
        EXPECT_EQ(dialogs.messages,
                  std::vector<std::string>(taken ? 0 : 1, "Please enter a number."));
    }
    std::setlocale(LC_NUMERIC, saved.c_str());
}

// A text field takes only what the files can hold, so that the window stores the bytes
// rheo-cli stores for the same text: a character without a Windows-1252 byte is not taken,
// typed or pasted, and is never written as "?".
TEST(TextField, TakesOnlyWhatTheFilesCanHold) {
    QLineEdit field;
    keepToWindows1252(field);
    field.insert(QString::fromUtf8("\xc3\x96l 150 \xc2\xb0"
                                   "C")); // as typed or pasted
    field.insert(QString::fromUtf8("\xe2\x9c\x93"));
    EXPECT_EQ(field.text(), QString::fromUtf8("\xc3\x96l 150 \xc2\xb0"
                                              "C"));
    EXPECT_EQ(fromQt(field.text()), "\xd6l 150 \xb0"
                                    "C");
}

} // namespace
} // namespace rheo::testing
